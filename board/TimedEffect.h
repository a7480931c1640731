#ifndef KELZO_BOARD_TIMEDEFFECT_H
#define KELZO_BOARD_TIMEDEFFECT_H

#include <cstdint>

#include "board/BoardCell.h"

// A display effect of one board cell (pop-in, pulse, hidden). The board holds
// one per cell; the drawing steps the active ones.
struct TimedEffect {
    static const int kIdle = 10;

    int32_t startMs = 0;
    BoardCell cell{};
    uint8_t active = 0;
    float value = -1.0f;
    uint8_t slow = 0;
    int32_t kind = kIdle;
    int32_t extra = -1;

    // Idle: starts now, a reset cell (which draws a face), inactive.
    void setIdle(int now);
    void start(const BoardCell& furball, int effectKind, int effectExtra, int now);
};

#endif
