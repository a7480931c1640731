#include "ui/ScrollSamples.h"

#include <gtest/gtest.h>

TEST(ScrollSamples, WindowBoundaryAndNewestFallback)
{
    struct Case {
        int32_t releaseElapsed;
        int expected;
    };
    // Samples: 0 at 0 ms, 10 at 100 ms, 20 at 200 ms.
    const Case cases[] = {
        {300, 0},   // 300 - 0 < 301: the press still counts
        {301, 10},  // the press is 301 ms old
        {401, 20},  // only the newest is within the window
        {900, 20},  // none is: the newest stands in
    };
    for (const Case& c : cases) {
        ScrollSamples samples;
        samples.reset(0);
        samples.add(10, 100);
        samples.add(20, 200);
        EXPECT_EQ(samples.recentReference(c.releaseElapsed), c.expected) << "release at " << c.releaseElapsed;
    }
}

TEST(ScrollSamples, LongDragKeepsOnlyTheNewestRingfulAndNeverWalksIntoOverwrittenOnes)
{
    const int cap = ScrollSamples::kCapacity;
    const int moves = cap + cap / 2;
    ScrollSamples samples;
    samples.reset(1000);
    for (int i = 1; i <= moves; i++)
        samples.add(1000 + i, i);  // all within a few ms: every sample is "recent"
    EXPECT_EQ(samples.count(), cap);
    EXPECT_EQ(samples.recentReference(moves), 1000 + moves - cap + 1)
        << "the oldest sample still held, not one the ring wrote over";
}
