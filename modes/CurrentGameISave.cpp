#include <cstdio>

#include "Core/Hash.h"
#include "board/Board.h"
#include "modes/CurrentGameI.h"

namespace {

const int kFlagBoard = 1;
const int kFlagLevelPopup = 2;

// Ranges a saved game's counters must lie in.
const int kMaxHints = 4999;
const int kMaxLevel = 39;

bool readTag(StreamIn& in)
{
    int tag = 0;
    return readInt(in, &tag) && tag == CurrentGameI::kTag;
}

bool readInt16InRange(StreamIn& in, int* value, int low, int high)
{
    int read = 0;
    if (!readInt16(in, &read) || read < low || read > high)
        return false;
    *value = read;
    return true;
}

} // namespace

int CurrentGameI::checkValue() const
{
    char text[96];
    int length = snprintf(text, sizeof text, "h%dp%dl%dg%de%d", int(hintsRemaining), int(movesRemaining), int(level),
                          int(seed), ended ? 1 : 0);
    return hashMod97(text, length);
}

bool CurrentGameI::save(StreamOut& out)
{
    const int flags = (board.isNull() ? 0 : kFlagBoard) | (levelPopupShown ? kFlagLevelPopup : 0);
    bool ok = writeInt32(out, type());
    if (ok) {
        settings.write(out);
        ok = writeInt32(out, kTag) && writeByte(out, flags);
    }
    if (ok && !board.isNull())
        board->save(out);
    ok = ok && writeInt32(out, kTag) && writeBool(out, ended) && writeInt32(out, seed) &&
         writeInt16(out, hintsRemaining) && writeInt16(out, movesRemaining) && writeInt16(out, level) &&
         writeInt32(out, checkValue()) && writeInt32(out, kTag);
    return ok && saveState(out);
}

bool CurrentGameI::loadBody(StreamIn& in)
{
    // The type word decides the mode; the settings copy must agree with it.
    const int savedType = settings.gameMode;
    if (!settings.read(in, false))
        return false;
    settings.gameMode = savedType;
    int flags = 0;
    if (!readTag(in) || !readByte(in, &flags))
        return false;
    levelPopupShown = (flags & kFlagLevelPopup) != 0;
    if (flags & kFlagBoard) {
        // A damaged board alone does not refuse the game: it resumes without one.
        OwnedPtr<Board> loaded(new Board());
        board.reset(loaded->load(in) ? loaded.take() : nullptr);
    } else {
        board.reset();   // saved without one: a board the mode made when it was built does not stay
    }
    if (!readTag(in) || !readBool(in, &ended))
        return false;
    int value = 0;
    if (!readInt(in, &value))
        return false;
    seed = value;
    int hints = 0, moves = 0, savedLevel = 0;
    if (!readInt16InRange(in, &hints, -1, kMaxHints) || !readInt16InRange(in, &moves, -1, 0x7FFF) ||
        !readInt16InRange(in, &savedLevel, -1, kMaxLevel))
        return false;
    hintsRemaining = hints;
    movesRemaining = moves;
    level = savedLevel;
    int check = 0;
    if (!readInt(in, &check) || check != checkValue() || !readTag(in))
        return false;
    if (!loadState(in))
        return false;
    return !ended;
}
