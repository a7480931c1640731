#ifndef KELZO_BOARD_MOVINGFURBALL_H
#define KELZO_BOARD_MOVINGFURBALL_H

#include <cstdint>

#include "board/BoardCell.h"
#include "board/PositionSet.h"

class Board;

// One step of a move in flight: a furball rolling from its source cell to its
// target ((-1, -1) = off the board), a shake in place, or the ghost of a
// wrong move. The board keeps them in the order the move made them; the
// drawing gives each its motion path and steps it.
struct MovingFurball {
    BoardCell cell{};
    CellPos source{-1, -1};
    uint8_t ghost = 0;
    int32_t dx = 0;
    int32_t dy = 0;
    CellPos target{-1, -1};
    float speed = 1.0f;
    uint8_t fast = 0;
    CellPos origin{-1, -1};   // the thrown furball's start cell
    int32_t delayMs = 0;

    MovingFurball() = default;
    // Draws a face (the records advance the face sequence like every new
    // cell copy), and marks the source and an on-board target as in flight.
    MovingFurball(Board& board, const BoardCell& furball, int moveDx, int moveDy, CellPos moveOrigin,
                  CellPos from, CellPos to, bool isGhost, int delay, float moveSpeed, bool isFast);

    bool leavesBoard() const { return target.x == -1 && target.y == -1; }
};

#endif
