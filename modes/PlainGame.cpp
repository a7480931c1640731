#include "modes/PlainGame.h"

#include "modes/GameHost.h"

namespace {

const int kStartHints = 3;
const int kMaxLevel = 30;
const int kPraiseDelayMs = 300;

} // namespace

PlainGame::PlainGame(GameGraphics* graphics, bool explain) : CurrentGameI(graphics), explain_(explain)
{
    int start = settings.startLevel;
    level = start < 1 ? 1 : (start > kMaxLevel ? kMaxLevel : start);
    hintsRemaining = kStartHints;
    movesRemaining = kPuzzlesPerRound;
}

String PlainGame::modeName()
{
    static const char* const kNames[] = {"Arcade", "Frenzy", "Free Play", "Challenge",
                                         "Blitz",  "Two Player", "Beat the Clock"};
    if (explain_)
        return "How to play";
    int mode = type();
    return mode >= 0 && mode < 7 ? kNames[mode] : "";
}

// Nothing of its own to keep: the mark only tells a reader where the game ends.
bool PlainGame::saveState(StreamOut& out)
{
    return writeInt32(out, kTag);
}

bool PlainGame::loadState(StreamIn& in)
{
    int tag = 0;
    return readInt(in, &tag) && tag == kTag;
}

void PlainGame::puzzleSolved(bool*, bool*)
{
    if (gGameHost && !explain_)
        gGameHost->showPraise(false, false, nullptr, kPraiseDelayMs);
    // A new round of the same level once the round is played through.
    movesRemaining = movesRemaining > 1 ? movesRemaining - 1 : kPuzzlesPerRound;
}
