#ifndef KELZO_GAME_FRAMESTATS_H
#define KELZO_GAME_FRAMESTATS_H

#include <cstdint>

struct GameGraphics;

// The frame-rate overlay the console switches on (a debugging aid): frames are counted in buckets of 150 ms
// of game clock in a small ring, so the rate shown covers the last 600 ms; with the second flag the texture
// binds and blend changes per frame since the last screen switch are shown too.
class FrameStats {
public:
    static const int kBucketMs = 150;
    static const int kBuckets = 5;

    // Empties the ring (a screen switch).
    void reset();
    // Counts a frame drawn at game clock `now`.
    void frame(int now);
    // Frames per second over the finished buckets in the ring; 0 before the first bucket is finished.
    int framesPerSecond() const;
    void draw(GameGraphics& g, bool more) const;

private:
    int32_t bucketStart_ = 0;
    int bucket_ = 0;
    int finished_ = 0;   // buckets finished since the reset, up to kBuckets - 1 count
    int counts_[kBuckets] = {};
    int framesSinceReset_ = 0;
    bool started_ = false;
};

#endif
