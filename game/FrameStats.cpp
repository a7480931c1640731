#include "game/FrameStats.h"

#include "Core/GameClock.h"
#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"

namespace {

// A number in the small digits, from its left edge.
void drawNumber(GameGraphics& g, int value, float x, float y)
{
    if (value < 0)
        value = 0;
    char digits[12];
    int n = 0;
    do {
        digits[n++] = char(value % 10);
        value /= 10;
    } while (value > 0 && n < 10);
    const SpriteRef& sprite = g.common[kEntrySmallDigits];
    for (int i = n - 1; i >= 0; i--, x += float(sprite.width))
        sprite.drawFrame(digits[i], x, y, DrawParams());
}

}  // namespace

void FrameStats::reset()
{
    started_ = false;
    finished_ = 0;
    bucket_ = 0;
    framesSinceReset_ = 0;
    for (int& count : counts_)
        count = 0;
}

void FrameStats::frame(int now)
{
    framesSinceReset_++;
    if (!started_) {
        started_ = true;
        bucketStart_ = now;
    }
    // A long pause closes every bucket it spans with no frames in it.
    int steps = 0;
    while (gameTimeDiff(now, bucketStart_) >= kBucketMs && steps++ < kBuckets) {
        bucketStart_ = int32_t(uint32_t(bucketStart_) + kBucketMs);
        bucket_ = (bucket_ + 1) % kBuckets;
        counts_[bucket_] = 0;
        if (finished_ < kBuckets - 1)
            finished_++;
    }
    if (gameTimeDiff(now, bucketStart_) >= kBucketMs)
        bucketStart_ = now;
    counts_[bucket_]++;
}

int FrameStats::framesPerSecond() const
{
    if (finished_ == 0)
        return 0;
    int frames = 0;
    for (int i = 1; i <= finished_; i++)
        frames += counts_[(bucket_ - i + kBuckets) % kBuckets];
    return frames * 1000 / (finished_ * kBucketMs);
}

void FrameStats::draw(GameGraphics& g, bool more) const
{
    drawNumber(g, framesPerSecond(), 50.0f, 90.0f);
    if (!more || framesSinceReset_ == 0)
        return;
    drawNumber(g, gRenderStats.textureBinds / framesSinceReset_, 130.0f, 90.0f);
    drawNumber(g, gRenderStats.blendChanges / framesSinceReset_, 200.0f, 90.0f);
}
