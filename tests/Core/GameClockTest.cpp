#include "Core/GameClock.h"

#include <gtest/gtest.h>

TEST(GameClock, PausedIntervalIsNotGameTime)
{
    GameClock clock;
    clock.updateAt(1000);
    clock.pauseAt(1000);
    clock.updateAt(3000);
    EXPECT_EQ(clock.now(), 1000) << "while paused, updates do not move game time";
    clock.updateAt(5000);
    clock.resumeAt(5000);
    EXPECT_EQ(clock.now(), 1000);
    clock.updateAt(6000);
    EXPECT_EQ(clock.now(), 2000);
}

TEST(GameClock, SecondPauseCountsTheTimeBetweenAsRunning)
{
    GameClock clock;
    clock.pauseAt(1000);
    clock.pauseAt(2000);
    clock.resumeAt(5000);
    clock.updateAt(6000);
    EXPECT_EQ(clock.now(), 3000);
}

TEST(GameClock, ResumeWithoutUpdateDoesNotStepBack)
{
    GameClock clock;
    clock.updateAt(1000);
    clock.pauseAt(1000);
    clock.resumeAt(9000);
    EXPECT_EQ(clock.now(), 1000);
}

TEST(GameClock, ArithmeticWrapsInsteadOfOverflowing)
{
    GameClock clock;
    clock.pausedTotal = -2000000000;
    clock.updateAt(2000000000);
    EXPECT_EQ(clock.now(), static_cast<int32_t>(4000000000u));
    clock.pauseAt(2100000000);
    clock.resumeAt(-2100000000);  // the elapsed counter itself wrapped meanwhile
    EXPECT_EQ(clock.now(), static_cast<int32_t>(4100000000u)) << "game time goes on from the pause";
}

TEST(GameClock, ScaleMultipliesElapsedTime)
{
    struct Case {
        uint32_t raw;
        float scale;
        int32_t expected;
    } cases[] = {
        {1000, 1.0f, 1000},  {1000, 0.5f, 500},  {1000, 2.5f, 2500}, {3, 0.5f, 1},
        {1000, 0.0f, 0},     {0xFFFFFFFFu, 1.0f, -1},                // negative raw elapsed stays negative
        {2000000000u, 4.0f, static_cast<int32_t>(8000000000ll & 0xFFFFFFFF)},  // wraps, no overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaleElapsed(c.raw, c.scale), c.expected) << c.raw << " x " << c.scale;
}

TEST(GameClock, GlobalScaleAppliesToReadings)
{
    GameClock clock;
    clock.startMs = static_cast<int32_t>(GameClock::wallMs() - 100000u);
    setGameClockScale(0.001f);
    int32_t slow = clock.scaledElapsed();
    setGameClockScale(1.0f);
    EXPECT_GE(slow, 100);
    EXPECT_LT(slow, 200);
    EXPECT_GE(clock.scaledElapsed(), 100000);
}

TEST(GameClock, DifferenceWrapGuard)
{
    EXPECT_EQ(gameTimeDiff(5000, 3000), 2000);
    EXPECT_EQ(gameTimeDiff(3000, 5000), -2000);
    EXPECT_EQ(gameTimeDiff(0, 10000000), -10000000);
    EXPECT_EQ(gameTimeDiff(0, 10000001), -10000001 + 2147483647);
    EXPECT_EQ(gameTimeDiff(-2147483647 - 1, 2147483647), 1);  // across the 32-bit wrap
}
