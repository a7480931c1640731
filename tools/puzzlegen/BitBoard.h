#ifndef KELZO_TOOLS_PUZZLEGEN_BITBOARD_H
#define KELZO_TOOLS_PUZZLEGEN_BITBOARD_H

#include <cstdint>

// A furball position as two bit masks: byte y of `rows` holds row y (bit x =
// a furball at (x, y)), byte x of `columns` holds column x (bit y). The row
// mask is exactly the eight row bytes of a stored puzzle. Moves come from
// tables of every line, so a move costs a lookup and a few bit flips.
struct BitBoard {
    uint64_t rows = 0;
    uint64_t columns = 0;

    static BitBoard fromRows(uint64_t rows);
    int count() const { return __builtin_popcountll(rows); }
};

// A throw: the furball at (x, y) in direction code 0 (+x), 1 (-x), 2 (+y), 3 (-y).
struct Throw {
    int x;
    int y;
    int direction;
};

// Builds the line tables; call once before anything else.
void initBitBoardTables();

// Applies a throw by the game's move rule; false when the rule refuses it.
bool applyThrow(const BitBoard& board, const Throw& move, BitBoard* after);

// Every position reachable by one legal throw, at most 64; returns how many.
int legalMoves(const BitBoard& board, BitBoard* out);

// Every (position, throw) from which one legal throw gives `board`; at most
// `limit`; returns how many.
int reverseMoves(const BitBoard& board, BitBoard* before, Throw* throws, int limit);

#endif
