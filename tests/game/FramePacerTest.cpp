#include <gtest/gtest.h>

#include "platform/FramePacer.h"

TEST(FramePacerTest, WaitsOnlyUntilTheFrameIsDue)
{
    EXPECT_EQ(FramePacer::waitUs(1000, 5000), 4000);
    EXPECT_EQ(FramePacer::waitUs(5000, 5000), 0);
    EXPECT_EQ(FramePacer::waitUs(9000, 5000), 0);
}

TEST(FramePacerTest, KeepsTheRateButNeverCatchesUpWithABurst)
{
    const int64_t period = FramePacer::kFrameUs;
    // On time or a little late: the next frame keeps to the grid.
    EXPECT_EQ(FramePacer::nextDueUs(100000, 100000), 100000 + period);
    EXPECT_EQ(FramePacer::nextDueUs(100000 + period / 2, 100000), 100000 + period);
    // A long stall: one period from now, not a run of overdue frames.
    EXPECT_EQ(FramePacer::nextDueUs(500000, 100000), 500000 + period);
    // The very first frame.
    EXPECT_EQ(FramePacer::nextDueUs(7 * period, 0), 8 * period);
}

TEST(FramePacerTest, RestsLongerOnceNothingHappenedForASecond)
{
    EXPECT_EQ(FramePacer::restMs(5000000, 4500000), FramePacer::kIdleRestMs);
    EXPECT_EQ(FramePacer::restMs(5000000, 4000000), FramePacer::kDeepIdleRestMs);
    EXPECT_GT(FramePacer::kDeepIdleRestMs, FramePacer::kIdleRestMs);
}

TEST(FramePacerTest, FramesInARowAreHeldToSixtyASecond)
{
    FramePacer pacer;
    pacer.beforeFrame();
    const int64_t start = FramePacer::nowUs();
    for (int i = 0; i < 6; i++)
        pacer.beforeFrame();
    // A lower bound only: sleeping may take longer, never shorter.
    EXPECT_GE(FramePacer::nowUs() - start, 6 * FramePacer::kFrameUs - 1000);
}
