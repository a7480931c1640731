#ifndef KELZO_TOOLS_PUZZLEGEN_PUZZLEMAKER_H
#define KELZO_TOOLS_PUZZLEGEN_PUZZLEMAKER_H

#include <cstdint>
#include <vector>

#include "tools/puzzlegen/BitBoard.h"

// One made puzzle: its furballs (the eight row bytes), the first moves of a
// solution in the stored encoding, and its complexity.
struct MadePuzzle {
    uint64_t rows = 0;
    uint8_t moves[4] = {255, 255, 255, 255};
    uint8_t directions = 0;
    int furballs = 0;
    float complexity = 0.0f;
};

// The random numbers of the generator: splitmix64, the same on every machine.
struct PuzzleRandom {
    uint64_t state;
    explicit PuzzleRandom(uint64_t seed) : state(seed) {}
    uint64_t next();
    uint32_t below(uint32_t n) { return uint32_t(next() % n); }
};

uint64_t mixSeed(uint64_t a, uint64_t b);

// Playouts per rating: enough that the solve rate is steady to a few percent.
const int kRatingPlayouts = 256;

// How hard a position plays, from random play on it: the typical size of its
// move tree (the geometric mean, over the playouts, of the product of the
// legal-move counts met on the way) to the power 0.6, divided by the chance
// that a random player solves it (solved playouts + 1 over playouts + 2).
// Depends on the position alone: the playouts are seeded from its rows.
float rateComplexity(const BitBoard& board);

// A solvable puzzle of `furballs` furballs, made by undoing random throws
// from a single furball; the undone throws, played forward, solve it.
MadePuzzle makePuzzle(int furballs, PuzzleRandom& random);

// Plays the whole solution found while making; true when one furball is left.
bool solutionChecks(const MadePuzzle& puzzle, const std::vector<Throw>& solution);

#endif
