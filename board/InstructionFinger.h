#ifndef KELZO_BOARD_INSTRUCTIONFINGER_H
#define KELZO_BOARD_INSTRUCTIONFINGER_H

#include <cstdint>

#include "Core/MotionPath.h"

// How the finger and its cross look `t` ms after the start.
struct FingerFrame {
    float alpha = 0.0f;
    float slidX = 0.0f;     // the cell's x while the finger slides in from x 270
    int angle = 0;
    uint8_t upright = 1;
    float crossAlpha = 0.0f;
    bool ended = false;     // faded out: the finger is no longer shown
};

// The guided instruction's pointing finger: it slides onto a cell, pushes
// along a swipe and fades out, optionally with a cross over a wrong move.
class InstructionFinger {
public:
    // Starts at the cell (column, row); cross = top-left of the cross, or
    // cross[0] -1.0 for none. A restart overwrites a running finger.
    void start(const int cell[2], int mode, int direction, const float cross[2]);
    // Draws the finger (and cross); false and nothing drawn when not shown.
    bool draw();
    // Nothing to do between frames.
    void idle() {}

    // The look of the finger t ms after its start; clears `active` when the
    // fade-out is over.
    FingerFrame frameAt(int t);
    // Screen top-left of the finger picture of size w x h, pushed d pixels.
    void placeAt(const FingerFrame& frame, float d, int w, int h, float* sx, float* sy) const;

    int32_t startMs = 0;
    float x = 0.0f;
    float y = 0.0f;
    uint8_t active = 0;
    int32_t mode = 0;
    int32_t direction = 0;
    MotionPath push;
    float crossX = -1.0f;
    float crossY = 0.0f;

private:
    void startPush(int now);
};

#endif
