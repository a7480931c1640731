#ifndef KELZO_BOARD_TIMEDEFFECT_H
#define KELZO_BOARD_TIMEDEFFECT_H

#include <cstdint>

#include "board/BoardCell.h"

struct GameGraphics;

// What a timed effect shows in one frame: its furball at a scale (or
// nothing), with or without the glow, and whether it ended in this frame.
struct TimedEffectFrame {
    bool drawFurball = false;
    float scale = 0.0f;
    bool glow = false;
    float glowIntensity = 0.0f;
    bool ended = false;
};

// A display effect of one board cell: the furball pops in (grows to 105 %
// and settles), pulses, waits hidden, or is drawn still until its start. The
// board holds one per cell; while one is active the board does not draw that
// cell's still furball.
struct TimedEffect {
    static constexpr int kIdle = 10;

    int32_t startMs = 0;
    BoardCell cell{};
    uint8_t active = 0;
    float value = -1.0f;
    uint8_t slow = 0;       // the slower pop-in; nothing sets it yet
    int32_t kind = kIdle;
    int32_t extra = -1;

    // Idle: starts now, a reset cell (which draws a face), inactive.
    void setIdle(int now);
    void start(const BoardCell& furball, int effectKind, int effectExtra, int now);

    // The frame `t` ms after the start, for a cell whose colour on the board
    // is `boardColour` now; clears `active` when the effect ends.
    TimedEffectFrame advance(int t, int boardColour);

    // Draws the effect of cell (column, row); `now` is the board's cell in
    // this frame. True in the frame in which the effect ends.
    bool update(GameGraphics& g, int column, int row, int offsetX, const BoardCell& now);
};

#endif
