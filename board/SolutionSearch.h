#ifndef KELZO_BOARD_SOLUTIONSEARCH_H
#define KELZO_BOARD_SOLUTIONSEARCH_H

#include <cstdint>

#include "Core/Array.h"
#include "board/PositionSet.h"

// The furballs of each row and column of one position of the hint search, and
// the lines holding two or more, in the order they received their second
// furball while the positions are walked in set order (x, then y).
struct LineTables {
    int8_t rowX[8][7];
    int8_t rowCount[8];
    int8_t columnY[7][8];
    int8_t columnCount[7];
    int8_t rowList[8];
    int8_t columnList[7];
    int rowListCount;
    int columnListCount;

    void build(const CellPos* positions, int count);
};

// True when the position (count > 2 furballs, in set order) certainly has no
// solution: the cheap tests the hint search prunes with.
bool isDeadEndPosition(const LineTables& lines, const CellPos* positions, int count);

// The furballs of an evenly spaced line (every two neighbours 2 apart): throwing
// the first one forward gives the same position as throwing the last one back.
inline bool evenlySpaced(const int8_t* at, int n)
{
    for (int i = 1; i < n; i++)
        if (at[i] - at[i - 1] != 2)
            return false;
    return true;
}

// Calls tryThrow(x, y, dx, dy) for every throw the hint search tries from a
// position, rows first, then columns, each in its list order; stops and
// returns true as soon as tryThrow returns true. Throws need a gap before
// the next furball of the line; in an evenly spaced line the first furball
// thrown forward is skipped, as it gives the same position as the last one
// thrown back.
template <class TryThrow>
bool forEachSearchThrow(const LineTables& lines, TryThrow tryThrow)
{
    for (int axis = 0; axis < 2; axis++) {
        bool rows = axis == 0;
        int listCount = rows ? lines.rowListCount : lines.columnListCount;
        for (int l = 0; l < listCount; l++) {
            int line = rows ? lines.rowList[l] : lines.columnList[l];
            const int8_t* at = rows ? lines.rowX[line] : lines.columnY[line];
            int n = rows ? lines.rowCount[line] : lines.columnCount[line];
            auto along = [&](int i, int step) {
                return rows ? tryThrow(at[i], line, step, 0) : tryThrow(line, at[i], 0, step);
            };
            if (evenlySpaced(at, n)) {
                if (along(n - 1, -1))
                    return true;
                for (int i = 1; i <= n - 2; i++)
                    if (along(i, -1) || along(i, 1))
                        return true;
            } else {
                for (int i = 0; i < n; i++) {
                    if (i > 0 && at[i] - at[i - 1] > 1 && along(i, -1))
                        return true;
                    if (i < n - 1 && at[i + 1] - at[i] > 1 && along(i, 1))
                        return true;
                }
            }
        }
    }
    return false;
}

// Answers whether the hint search, from a position, finds a way down to one
// furball. It explores the same throws under the same pruning as
// Board::countSolutions, but on a bit mask of the occupied cells and with a
// table of positions already answered, so that positions reached along
// different paths are examined once. Colours play no part in it.
//
// Some positions far from any puzzle (16 furballs strewn over the whole
// field) would need millions of positions; the search looks at no more than
// kMaxPositions per hint, so a hint never freezes the game, and reports such
// a board as having no solution found.
class SolvabilitySearch {
public:
    static const int kMaxPositions = 35000;
    static const int kTableBits = 17;

    // A bigger budget and table serve checks that may take their time.
    explicit SolvabilitySearch(int maxPositions = kMaxPositions, int tableBits = kTableBits);

    // Bit x * 8 + y is set for a furball at (x, y): ascending bits are set order.
    static uint64_t bitOf(int x, int y) { return uint64_t(1) << (x * 8 + y); }
    static uint64_t occupancyOf(const PositionSet& positions);
    // The occupancy after a throw from (x, y).
    static uint64_t applyThrow(uint64_t occupancy, int x, int y, int dx, int dy);
    // Whether a throw from (x, y) is legal: an empty neighbour, then a furball before the edge.
    static bool isLegalThrow(uint64_t occupancy, int x, int y, int dx, int dy);

    // Starts a new hint: forgets every answer and resets the budget.
    void clear();
    bool solvable(uint64_t occupancy);
    // The budget ran out during this hint: answers may be missing solutions.
    bool exhausted() const { return examined_ > maxPositions_; }
    // The first throw from this position (set order, then right, left, up,
    // down) after which it can be solved; false when there is none.
    bool firstSolvingThrow(uint64_t occupancy, CellPos* pos, int* dx, int* dy);

private:
    bool lookup(uint64_t key, bool* answer) const;
    void store(uint64_t key, bool answer);
    bool anyThrowSolves(uint64_t occupancy, const LineTables& lines);

    // Each slot: the occupancy in bits 0..55, the generation in 56..61,
    // the answer in bit 62; 0 = empty.
    Array<uint64_t> table_;
    uint64_t generation_ = 0;
    int stored_ = 0;
    int examined_ = 0;
    int maxPositions_;
};

// Whether the last Board::findSolvingMove ran out of its budget (its "no
// move" then means "none found in time").
bool lastSolvingSearchRanOut();

#endif
