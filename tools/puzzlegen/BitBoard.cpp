#include "tools/puzzlegen/BitBoard.h"

namespace {

const uint16_t kRefused = 0xFFFF;
// kLine[long][line][i][d]: the line after throwing the furball at i toward
// higher (d = 0) or lower (d = 1) indices; `long` picks 8-cell columns.
uint16_t kLine[2][256][8][2];

int lineLength(int isColumn)
{
    return isColumn ? 8 : 7;
}

uint16_t throwInLine(int line, int length, int from, int step)
{
    if (!((line >> from) & 1))
        return kRefused;
    int next = from + step;
    if (next < 0 || next >= length || ((line >> next) & 1))
        return kRefused;   // off the field at once, or a neighbour
    int out = line & ~(1 << from);
    bool met = false;
    for (int at = next;; at += step) {
        while (at >= 0 && at < length && !((out >> at) & 1))
            at += step;
        if (at < 0 || at >= length)
            break;   // the last furball of the chain leaves
        met = true;
        out |= 1 << (at - step);   // the mover stops in front of it
        out &= ~(1 << at);         // and it becomes the mover
    }
    return met ? uint16_t(out) : kRefused;
}

inline unsigned lineOf(uint64_t mask, int index)
{
    return unsigned(mask >> (8 * index)) & 0xFFu;
}

inline uint64_t withLine(uint64_t mask, int index, unsigned line)
{
    return (mask & ~(0xFFull << (8 * index))) | (uint64_t(line) << (8 * index));
}

// The other mask of a board after line `index` of `mask` changed from `was` to `now`.
inline uint64_t crossFlip(uint64_t cross, int index, unsigned was, unsigned now)
{
    for (unsigned diff = was ^ now; diff; diff &= diff - 1)
        cross ^= 1ull << (8 * __builtin_ctz(diff) + index);
    return cross;
}

BitBoard withChangedLine(const BitBoard& board, int isColumn, int index, unsigned now)
{
    BitBoard out;
    if (isColumn) {
        out.columns = withLine(board.columns, index, now);
        out.rows = crossFlip(board.rows, index, lineOf(board.columns, index), now);
    } else {
        out.rows = withLine(board.rows, index, now);
        out.columns = crossFlip(board.columns, index, lineOf(board.rows, index), now);
    }
    return out;
}

} // namespace

BitBoard BitBoard::fromRows(uint64_t rows)
{
    BitBoard board;
    board.rows = rows & 0x007F7F7F7F7F7F7Full;
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 7; x++)
            if ((board.rows >> (8 * y + x)) & 1)
                board.columns |= 1ull << (8 * x + y);
    return board;
}

void initBitBoardTables()
{
    for (int isColumn = 0; isColumn < 2; isColumn++)
        for (int line = 0; line < 256; line++)
            for (int i = 0; i < 8; i++)
                for (int d = 0; d < 2; d++)
                    kLine[isColumn][line][i][d] = (line < (1 << lineLength(isColumn)) && i < lineLength(isColumn))
                        ? throwInLine(line, lineLength(isColumn), i, d ? -1 : 1)
                        : kRefused;
}

bool applyThrow(const BitBoard& board, const Throw& move, BitBoard* after)
{
    int isColumn = move.direction >= 2;
    int index = isColumn ? move.x : move.y;
    int along = isColumn ? move.y : move.x;
    uint16_t now = kLine[isColumn][lineOf(isColumn ? board.columns : board.rows, index)][along][move.direction & 1];
    if (now == kRefused)
        return false;
    *after = withChangedLine(board, isColumn, index, now);
    return true;
}

int legalMoves(const BitBoard& board, BitBoard* out)
{
    int count = 0;
    for (int isColumn = 0; isColumn < 2; isColumn++) {
        uint64_t mask = isColumn ? board.columns : board.rows;
        int lines = isColumn ? 7 : 8;
        for (int index = 0; index < lines; index++) {
            unsigned line = lineOf(mask, index);
            if (__builtin_popcount(line) < 2)
                continue;
            for (unsigned rest = line; rest; rest &= rest - 1) {
                int along = __builtin_ctz(rest);
                for (int d = 0; d < 2; d++) {
                    uint16_t now = kLine[isColumn][line][along][d];
                    if (now != kRefused)
                        out[count++] = withChangedLine(board, isColumn, index, now);
                }
            }
        }
    }
    return count;
}

int reverseMoves(const BitBoard& board, BitBoard* before, Throw* throws, int limit)
{
    // Undoing a throw along a line: the last k furballs toward the edge
    // (s_0 < ... < s_k-1, the last not on the edge) are where the chain
    // stopped; before the throw they stood one cell further on, and the
    // thrower stood on a free cell behind s_0 with only free cells between.
    int count = 0;
    for (int isColumn = 0; isColumn < 2; isColumn++) {
        uint64_t mask = isColumn ? board.columns : board.rows;
        int lines = isColumn ? 7 : 8;
        int length = lineLength(isColumn);
        for (int index = 0; index < lines; index++) {
            unsigned line = lineOf(mask, index);
            if (!line)
                continue;
            for (int d = 0; d < 2; d++) {
                // Forward coordinates: the throw goes toward higher f.
                int at[8];
                int n = 0;
                for (int f = 0; f < length; f++) {
                    int real = d ? length - 1 - f : f;
                    if ((line >> real) & 1)
                        at[n++] = f;
                }
                if (at[n - 1] >= length - 1)
                    continue;   // the furball that left must have had a cell
                for (int first = n - 1; first >= 0; first--) {
                    int previous = first > 0 ? at[first - 1] : -1;
                    for (int thrower = at[first] - 1; thrower > previous; thrower--) {
                        unsigned forward = 1u << thrower;
                        for (int i = 0; i < first; i++)
                            forward |= 1u << at[i];
                        for (int i = first; i < n; i++)
                            forward |= 1u << (at[i] + 1);
                        unsigned real = 0;
                        for (int f = 0; f < length; f++)
                            if ((forward >> f) & 1)
                                real |= 1u << (d ? length - 1 - f : f);
                        if (count >= limit)
                            return count;
                        int throwerReal = d ? length - 1 - thrower : thrower;
                        before[count] = withChangedLine(board, isColumn, index, real);
                        throws[count] = isColumn ? Throw{index, throwerReal, 2 + d} : Throw{throwerReal, index, d};
                        count++;
                    }
                }
            }
        }
    }
    return count;
}
