#include "Core/GameClock.h"
#include "Core/Stream.h"
#include "board/Board.h"
#include "board/BoardServices.h"

namespace {

const int kBoardMagic = -123456;
const int kBoardEndTag = 0x66723031;   // "10rf" on disk
const int kMaxSavedHistory = 256;
const int kMaxFace = 3;   // faces are drawn as 0..3; the drawing picks pictures by them

bool readBytes(StreamIn& in, void* buffer, int count)
{
    return in.read(buffer, count) == count;
}


} // namespace

void Board::save(StreamOut& out) const
{
    // A record holds at most 256 moves; a longer history keeps its latest ones
    // so the saved game stays loadable.
    int first = history.size() > kMaxSavedHistory ? history.size() - kMaxSavedHistory : 0;
    writeInt32(out, kBoardMagic);
    writeInt32(out, puzzleId);
    writeInt32(out, level);
    writeInt32(out, int32_t(uint32_t(scheme) + 1u));   // wraps like the load below
    writeInt32(out, history.size() - first);
    for (int i = first; i < history.size(); i++) {
        const MoveEntry& e = history[i];
        const unsigned char bytes[6] = {uint8_t(e.x), uint8_t(e.y), uint8_t(e.colour),
                                        uint8_t(e.dx), uint8_t(e.dy), uint8_t(e.face)};
        out.write(bytes, 6);
    }
    writeInt32(out, elapsedMs());
    const unsigned char flags[4] = {uint8_t(2 * replayFlag + carriedFlag), uint8_t(hintedThrough),
                                    uint8_t(givenUp ? 1 : 0), uint8_t(ended ? 1 : 0)};
    out.write(flags, 4);
    out.write(cells, sizeof cells);
    writeInt32(out, undoCount);
    writeInt32(out, kBoardEndTag);
}

bool Board::load(StreamIn& in)
{
    // Everything is read and checked first; a damaged record changes nothing.
    int first = 0;
    if (!readInt(in, &first))
        return false;
    bool olderForm = first != kBoardMagic;
    int savedId = first;
    int savedLevel = 0;
    int savedScheme = 0;
    int count = 0;
    if (!olderForm && !readInt(in, &savedId))
        return false;
    if (!readInt(in, &savedLevel) || !readInt(in, &savedScheme) || !readCount(in, &count, kMaxSavedHistory))
        return false;

    Array<MoveEntry> moves;
    moves.setSize(count);
    for (int i = 0; i < count; i++) {
        unsigned char bytes[6];
        if (!readBytes(in, bytes, 6))
            return false;
        MoveEntry& e = moves[i];
        e.x = bytes[0];
        e.y = bytes[1];
        e.colour = bytes[2];
        e.dx = int8_t(bytes[3]);
        e.dy = int8_t(bytes[4]);
        e.face = bytes[5];
        // Undo walks these: they must lie on the board and point along a line;
        // undo puts their colour and face back on the field.
        if (!isPlayableCell(e.x, e.y) || !isUnitDirection(e.dx, e.dy) || e.colour < 1 || e.colour > 8
            || e.face > kMaxFace)
            return false;
    }

    int elapsed = 0;
    unsigned char flags[4];
    if (!readInt(in, &elapsed) || !readBytes(in, flags, 4))
        return false;
    BoardCell grid[kGrid * kGrid];
    if (!readBytes(in, grid, sizeof grid))
        return false;
    for (int y = 0; y < kGrid; y++) {
        for (int x = 0; x < kGrid; x++) {
            const BoardCell& cell = grid[x + kGrid * y];
            bool valid = isPlayableCell(x, y) ? cell.colour <= 8 && cell.face <= kMaxFace : cell.colour <= 1;
            if (!valid)
                return false;
        }
    }
    int savedUndoCount = 0;
    if (!olderForm) {
        int tag = 0;
        if (!readInt(in, &savedUndoCount) || !readInt(in, &tag) || tag != kBoardEndTag)
            return false;
    }
    // The level of a stored puzzle follows from its id.
    if (savedId != -1 && levelOfPuzzleId(savedId) != savedLevel)
        return false;

    puzzleId = savedId;
    level = savedLevel;
    scheme = int32_t(uint32_t(savedScheme) - 1u);   // any stored value, without overflow
    history = moves;
    // Any saved value is taken; the clock arithmetic wraps instead of overflowing.
    startTime = clockMinus(boardNow(), elapsed);
    carriedFlag = flags[0] & 1;
    replayFlag = flags[0] > 1;
    hintedThrough = flags[1];
    givenUp = flags[2] != 0;
    ended = flags[3] != 0;
    for (int i = 0; i < kGrid * kGrid; i++)
        cells[i] = grid[i];
    for (int y = 0; y < kRows; y++) {
        for (int x = 0; x < kColumns; x++) {
            BoardCell& cell = cellAt(x, y);
            cell.inFlight = 0;
            cell.faceAnim = 0;
            cell.specialStart = -1;
        }
    }
    if (puzzleId != -1)
        loadLevelRecord(puzzleId, scheme);
    positions.clear();
    for (int x = 0; x < kColumns; x++)
        for (int y = 0; y < kRows; y++)
            if (colourAt(x, y) != 0)
                positions.insert(x, y);
    showHint(0);
    if (!olderForm)
        undoCount = savedUndoCount;
    return true;
}
