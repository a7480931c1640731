#ifndef KELZO_BOARD_EXPLODEFRAGMENT_H
#define KELZO_BOARD_EXPLODEFRAGMENT_H

#include <cstdint>

// One spark of a furball burst: a position relative to the burst's origin,
// a direction, and speed, opacity and size that each follow a clamped
// second-order law. The order of rand() calls in the initialisers and the
// step is fixed: bursts must replay the same for the same seed.
struct Fragment {
    float x = 0.0f, y = 0.0f;
    float dirX = 0.0f, dirY = 0.0f;
    int32_t colour = -1;     // furball colour; -1 neutral
    float delay = 0.0f;      // seconds until the spark shows
    float rotation = 0.0f;   // degrees, fixed
    float speed = -1.0f, speedAcc = -1.0f, speedJerk = -1.0f, minSpeed = -1.0f, maxSpeed = -1.0f;
    float alpha = -1.0f, alphaVel = -1.0f, alphaAcc = -1.0f, minAlpha = -1.0f, maxAlpha = -1.0f;
    float scale = -1.0f, scaleVel = -1.0f, scaleAcc = -1.0f, minScale = -1.0f, maxScale = -1.0f;
    float flicker = 0.0f;
    float gravity = 0.0f;

    bool visible() const { return delay < 0.0f; }
    bool alive() const { return scale > 0.01f && alpha > 0.01f; }
};

// A spark of the large burst of a furball leaving the board.
void initBurstFragment(Fragment& f, int colour);
// A spark of the small burst where a moving furball strikes the next one;
// `variation` is the "bhe" value (negative = none).
void initHitFragment(Fragment& f, int colour, int dx, int dy, bool big, int variation);
// Advances a spark by dt seconds.
void stepFragment(Fragment& f, float dt);

// The number of sparks of a hit burst.
int hitFragmentCount(bool big, bool huge, int variation);
// The spark picture of a spark: family x 6 + rotation step.
int fragmentRotationStep(float rotation);

#endif
