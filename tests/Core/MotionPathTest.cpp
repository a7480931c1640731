#include "Core/GameClock.h"
#include "Core/MotionPath.h"

#include <gtest/gtest.h>

namespace {

// Freezes the global game clock at a known time for the path evaluations.
class MotionPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = gGameClock;
        gGameClock.paused = false;
        gGameClock.pausedTotal = 0;
        gGameClock.current = 100000;
    }
    void TearDown() override { gGameClock = saved; }

    static MotionSegment byDuration(float duration, float speed, float acceleration)
    {
        MotionSegment s;
        s.duration = duration;
        s.speed = speed;
        s.acceleration = acceleration;
        return s;
    }

    static MotionSegment byDistance(float distance, float speed, float acceleration)
    {
        MotionSegment s;
        s.byDistance = true;
        s.distance = distance;
        s.speed = speed;
        s.acceleration = acceleration;
        return s;
    }

    MotionPath pathStartedAgo(int ms)
    {
        MotionPath path;
        path.active = true;
        path.startTime = gGameClock.now() - ms;
        return path;
    }

    GameClock saved;
};

}  // namespace

TEST(MotionPath, TimeToCover)
{
    struct Case {
        float distance, acceleration, speed, expected;
    } cases[] = {
        {10, 0, 0.5f, 20},      // constant speed
        {10, 0.2f, 0, 10},      // from rest
        {-10, -0.2f, 0, 10},    // backwards: still a positive time
        {10, 0, 0, 0},          // neither speed nor acceleration: done at once, never stuck
        {10, -0.1f, 1, 10},     // brakes to a stop after 5 units: the time until it stops
        {10, 0, -1, 0},         // moving away: never a negative time
    };
    for (const Case& c : cases)
        EXPECT_NEAR(timeToCover(c.distance, c.acceleration, c.speed), c.expected, 1e-3)
            << c.distance << " " << c.acceleration << " " << c.speed;
}

TEST_F(MotionPathTest, OneSegmentByDuration)
{
    struct Case {
        int ago;
        float distance;
        bool finished;
    } cases[] = {{50, 25, false}, {150, 50, true}, {0, 0, false}, {-20, 0, false}};
    for (const Case& c : cases) {
        MotionPath path = pathStartedAgo(c.ago);
        path.segments.append(byDuration(100, 0.5f, 0));
        bool fired = true;
        EXPECT_FLOAT_EQ(path.position(&fired, 1.0f), c.distance) << c.ago;
        EXPECT_EQ(path.finished, c.finished) << c.ago;
        EXPECT_EQ(path.currentSegment, 0);
        EXPECT_FALSE(fired);
    }
}

TEST_F(MotionPathTest, ChainOfSegments)
{
    // 0..10 ms: speed 1 (10 units); then a distance of 20 from rest at 0.4 (10 ms); then braking
    // from the previous end speed of 4 by 0.1 for 20 ms (60 units).
    MotionPath path = pathStartedAgo(0);
    path.segments.append(byDuration(10, 1, 0));
    path.segments.append(byDistance(20, 0, 0.4f));
    MotionSegment brake = byDuration(20, 0, -0.1f);
    brake.relativeSpeed = true;
    path.segments.append(brake);

    struct Case {
        int at;
        float distance;
        int segment;
        bool finished;
    } cases[] = {
        {5, 5, 0, false}, {15, 15, 1, false}, {20, 30, 2, false}, {30, 30 + 40 - 5, 2, false}, {45, 90, 2, true},
    };
    for (const Case& c : cases) {
        path.startTime = gGameClock.now() - c.at;
        path.finished = false;
        EXPECT_NEAR(path.position(nullptr, 1.0f), c.distance, 1e-3) << c.at;
        EXPECT_EQ(path.currentSegment, c.segment) << c.at;
        EXPECT_EQ(path.finished, c.finished) << c.at;
    }
}

TEST_F(MotionPathTest, EventFiresOnlyOnTheEvaluationThatPassesIt)
{
    MotionPath path = pathStartedAgo(5);
    MotionSegment first = byDuration(10, 1, 0);
    first.hasEvent = true;
    path.segments.append(first);
    path.segments.append(byDuration(10, 1, 0));

    bool fired = true;
    path.update(&fired);
    EXPECT_FALSE(fired);
    path.startTime -= 10;
    path.update(&fired);
    EXPECT_TRUE(fired);
    path.startTime -= 2;
    path.update(&fired);
    EXPECT_FALSE(fired);
    EXPECT_TRUE(path.segments[0].reached);
}

TEST_F(MotionPathTest, CompleteAllFiresPendingEventsEvenBeforeTheStart)
{
    MotionPath path;  // not started
    MotionSegment s = byDuration(10, 1, 0);
    s.hasEvent = true;
    path.segments.append(s);
    path.segments.append(s);
    path.completeAll = true;
    bool fired = false;
    EXPECT_EQ(path.position(&fired, 1.0f), 0.0f);
    EXPECT_TRUE(fired);
    EXPECT_TRUE(path.finished);
    path.position(&fired, 1.0f);
    EXPECT_FALSE(fired);
}

TEST_F(MotionPathTest, UpdateTracksMaximumGoingBackAndRest)
{
    MotionPath path = pathStartedAgo(0);
    path.segments.append(byDuration(100, 1, 0));
    path.update(nullptr);
    EXPECT_EQ(path.timeAtRest, gGameClock.now());
    path.startTime -= 40;
    EXPECT_FLOAT_EQ(path.update(nullptr), 40);
    EXPECT_FLOAT_EQ(path.maxDistance, 40);
    EXPECT_FALSE(path.wentBack);
    path.startTime += 30;
    path.update(nullptr);
    EXPECT_TRUE(path.wentBack);
    EXPECT_FLOAT_EQ(path.maxDistance, 40);
}

TEST_F(MotionPathTest, StartAcrossTheClockWrap)
{
    gGameClock.current = -2147483647 + 20;  // the 32-bit clock wrapped 42 ms after the start
    MotionPath path;
    path.active = true;
    path.startTime = 2147483647 - 20;
    path.segments.append(byDuration(100, 1, 0));
    EXPECT_FLOAT_EQ(path.position(nullptr, 1.0f), 42);
}
