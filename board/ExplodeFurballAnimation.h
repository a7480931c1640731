#ifndef KELZO_BOARD_EXPLODEFURBALLANIMATION_H
#define KELZO_BOARD_EXPLODEFURBALLANIMATION_H

#include <cstdint>

#include "Core/Array.h"
#include "board/BoardCell.h"
#include "board/ExplodeFragment.h"
#include "graphics/AnimationList.h"

class Board;

// A furball bursting into sparks that fly, fall and fade: the large burst of
// a furball leaving the board, or the small one where a moving furball
// strikes the next. Lives in gAnimationList until every spark has faded.
class ExplodeFurballAnimation : public AnimationI {
public:
    // Burst of `cell`'s furball, starting delayMs from now (0 = at once); a
    // delayed burst hides the still furball (its in-flight count) when it starts.
    ExplodeFurballAnimation(BoardCell* cell, float x, float y, int delayMs, int fragmentCount);
    // Strike between a furball of colourA and one of colourB at (x, y).
    ExplodeFurballAnimation(int colourA, int colourB, float x, float y, int dx, int dy, bool big, bool huge);
    ~ExplodeFurballAnimation() override;
    ExplodeFurballAnimation(const ExplodeFurballAnimation&) = delete;
    ExplodeFurballAnimation& operator=(const ExplodeFurballAnimation&) = delete;

    void update() override;
    bool isDone() override { return allDone != 0; }

    // Steps the sparks to the current clock without drawing; true when one
    // was drawn or still waits. update() is step() followed by the drawing.
    bool step();

    float originX = 0.0f;
    float originY = 0.0f;
    Array<Fragment> fragments;
    int32_t lastMs = 0;
    int32_t startMs = -1;      // start of a delayed burst; -1 = running
    uint8_t allDone = 0;
    uint16_t* hideCounter = nullptr;
    uint8_t landscape = 0;     // drawn turned, as the boards of the two-player screen

private:
    void draw() const;
};

// Bursts for the furballs of the current game's board: each after baseDelayMs
// plus a random jitter (when jitterMs > 0); onlyFree skips furballs in flight
// or already bursting; hide makes the still furballs disappear.
void explodeBoardFurballs(int jitterMs, bool explode, bool onlyFree, bool hide, int baseDelayMs);
// The same for the furballs of `board`, whose cells are drawn `offsetX` further right.
void explodeFurballsOf(Board& board, int offsetX, int jitterMs, bool explode, bool onlyFree, bool hide,
                       int baseDelayMs);

// A burst that will hide this cell's furball is waiting or running.
bool burstHides(const uint16_t* inFlightCount);
// Clears every burst's pointer into the cells of a board that goes away.
void forgetBurstsInto(const Board& board);

#endif
