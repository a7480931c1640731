#ifndef KELZO_MODES_ARCADELEVELEND_H
#define KELZO_MODES_ARCADELEVELEND_H

#include <cstdint>

struct GameGraphics;

// The short show after a solved Arcade puzzle: the clock gauge fills up from
// the time used to full while the points won are counted into the score,
// over a panel that fades in and out. Input waits until it is over.
struct ArcadeLevelEnd {
    // One moment of the show.
    struct Frame {
        bool playing = false;
        float progress = 0.0f;   // 0..1, how far the points are counted
        float opacity = 0.0f;    // of the panel
        float barFraction = 0.0f;
        float gaugeFraction = 0.0f;
    };

    float usedFraction = 0.0f;   // share of the bank the puzzle used
    float barFraction = 0.0f;    // the heads-up gauge while it plays
    int32_t pointsAdded = 0;
    int32_t startMs = -1;        // game clock; -1 before the first
    bool active = false;
    bool levelUp = false;

    void start(float used, int points, int nowMs);
    // The show at game time `nowMs`; a slow solve fills the gauge for longer.
    Frame at(int nowMs) const;
    // The score shown while the points are counted.
    int shownScore(int score, const Frame& frame) const;
};

// Draws a frame of the show: the panel, the gauge and the points counted so far.
void drawArcadeLevelEnd(const GameGraphics& graphics, const ArcadeLevelEnd& show, const ArcadeLevelEnd::Frame& frame);

#endif
