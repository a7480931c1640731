#ifndef KELZO_TESTS_MODES_PLAINTESTGAME_H
#define KELZO_TESTS_MODES_PLAINTESTGAME_H

#include "modes/CurrentGameI.h"
#include "modes/GameHost.h"

// A game without rules of its own, for tests of what is around a game (the
// application, its screens and files): puzzles of the chosen start level one
// after another, three hints, no clock and no score.
class PlainTestGame : public CurrentGameI {
public:
    static const int kPuzzlesPerRound = 8;

    PlainTestGame(GameGraphics* graphics, bool explain) : CurrentGameI(graphics), explain_(explain)
    {
        const int start = settings.startLevel;
        level = start < 1 ? 1 : (start > 30 ? 30 : start);
        hintsRemaining = 3;
        movesRemaining = kPuzzlesPerRound;
    }

    bool isSavable() override { return !explain_; }
    String modeName() override { return explain_ ? "How to play" : "Plain"; }
    int puzzleSize() override { return kPuzzlesPerRound; }
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override { return writeInt32(out, kTag); }
    bool loadState(StreamIn& in) override
    {
        int tag = 0;
        return readInt(in, &tag) && tag == kTag;
    }
    void puzzleSolved(bool*, bool*) override
    {
        if (gGameHost && !explain_)
            gGameHost->showPraise(false, false, nullptr, 300);
        movesRemaining = movesRemaining > 1 ? movesRemaining - 1 : kPuzzlesPerRound;
    }
    void drawHud() override {}

private:
    bool explain_;
};

#endif
