#ifndef KELZO_BOARD_MOVINGFURBALL_H
#define KELZO_BOARD_MOVINGFURBALL_H

#include <cstdint>

#include "Core/MotionPath.h"
#include "board/BoardCell.h"
#include "board/PositionSet.h"

class Board;

// Where and how a moving furball is drawn in this frame: the cell position
// (fractional while it rolls), the roll angle and orientation, the wind-up
// squeeze as a size factor, and its opacity.
struct FurballPose {
    bool visible = false;
    float column = 0.0f;
    float row = 0.0f;
    int angle = 0;
    int quarterTurns = 0;
    float pulse = 1.0f;
    float alpha = 1.0f;
};

// One step of a move in flight: a furball rolling from its source cell to its
// target ((-1, -1) = off the board), a shake in place, or the ghost of a
// wrong move. The board keeps them in the order the move made them; a
// knocked-on furball starts when its pusher reaches it (the path's event).
struct MovingFurball {
    static constexpr float kOvershoot = 0.15f;
    static constexpr float kFastOvershoot = 0.243f;

    MotionPath path;   // distances in cells
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
    // The thrown furball itself (and a wrong move's shake or ghost): nothing
    // hits it, so its start plays no hit and bursts no sparks.
    uint8_t noImpact = 0;
    uint8_t arrivalCounted = 0;   // the in-flight counts were lowered
    int32_t travelCells = 0;      // cells to its stop; 8 = off the board

    MovingFurball() = default;
    // Draws a face (the records advance the face sequence like every new
    // cell copy), marks the source and an on-board target of `board` as in
    // flight and lays out the motion path.
    MovingFurball(Board& board, const BoardCell& furball, int moveDx, int moveDy, CellPos moveOrigin,
                  CellPos from, CellPos to, bool isGhost, int delay, float moveSpeed, bool isFast);

    bool leavesBoard() const { return target.x == -1 && target.y == -1; }
    bool started() const { return path.active; }

    // Steps the record one frame. *hit is set in the frame in which it
    // strikes its stop (the moment the next record starts). Returns whether
    // it is still moving or waiting; the pose says how to draw it.
    bool step(Board& board, bool* hit, FurballPose* pose);

    // Lowers the in-flight counts of its source and on-board target, once.
    void arrived(Board& board);
};

// One drawn moving furball of a frame.
struct FlightFrame {
    BoardCell cell{};
    FurballPose pose;
};

// A moving furball struck by the one before it, as the frame saw it start.
struct FlightImpact {
    int32_t colour = 0;          // the struck furball
    int32_t strikerColour = 0;   // the one that arrived
    CellPos source{-1, -1};
    CellPos target{-1, -1};
    int32_t dx = 0;
    int32_t dy = 0;
    uint8_t fast = 0;
};

// Steps every moving furball of the board in order, as a frame does: starts
// each record whose pusher arrived, finishes what still settles in the cell
// it leaves, and empties the list once nothing moves. Fills what to draw and
// the strikes to play; true while anything moves or waits.
bool advanceFlights(Board& board, Array<FlightFrame>& drawn, Array<FlightImpact>& impacts);

// The orientation of a rolling furball's picture in quarter turns (0..3):
// by the direction of the move, less the cell's face in the first theme.
int rollingQuarterTurns(int dx, int dy, int face, int theme);

// A record that has not started waits while a started, unfinished record of
// the board comes to rest in its source cell.
bool sourceStillOccupied(const Board& board, const MovingFurball& record);

// Tells every unfinished record of the board, but `except`, whose target is
// `cell` to run through its remaining events at once.
void completeRecordsAiming(Board& board, CellPos cell, const MovingFurball* except);

#endif
