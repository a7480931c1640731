#include <gtest/gtest.h>

#include "Core/GameClock.h"
#include "board/InstructionFinger.h"

namespace {

InstructionFinger fingerAt(float x, float y, int mode, int direction, float crossX)
{
    InstructionFinger finger;
    finger.x = x;
    finger.y = y;
    finger.active = 1;
    finger.mode = mode;
    finger.direction = direction;
    finger.crossX = crossX;
    finger.crossY = 50.0f;
    return finger;
}

} // namespace

TEST(InstructionFingerTest, SlidesInThenFades)
{
    InstructionFinger finger = fingerAt(120.0f, 200.0f, 0, 1, -1.0f);
    FingerFrame frame = finger.frameAt(140);
    EXPECT_FLOAT_EQ(0.5f, frame.alpha);
    EXPECT_FLOAT_EQ(195.0f, frame.slidX);
    EXPECT_FLOAT_EQ(0.0f, frame.crossAlpha);
    frame = finger.frameAt(300);
    EXPECT_FLOAT_EQ(1.0f, frame.alpha);
    EXPECT_FLOAT_EQ(120.0f, frame.slidX);
    EXPECT_FLOAT_EQ(1.0f, finger.frameAt(960).alpha);
    EXPECT_NEAR(0.5f, finger.frameAt(1160).alpha, 1e-5f);
    EXPECT_EQ(1, finger.active);
    EXPECT_TRUE(finger.frameAt(1360).ended);
    EXPECT_EQ(0, finger.active);
}

TEST(InstructionFingerTest, ModeOneEndsSooner)
{
    InstructionFinger finger = fingerAt(120.0f, 200.0f, 1, 0, -1.0f);
    EXPECT_FALSE(finger.frameAt(1084).ended);
    EXPECT_EQ(0, finger.frameAt(1084).angle);
    EXPECT_TRUE(finger.frameAt(1085).ended);
}

TEST(InstructionFingerTest, VariantsAndCross)
{
    struct Case {
        int mode, direction, angle, upright;
    } cases[] = {{1, 0, 0, 1}, {1, 1, 180, 1}, {-1, 0, 180, 0}, {-1, 1, 180, 1},
                 {0, -1, 180, 0}, {0, 1, 180, 1}, {5, -1, 180, 1}};
    for (const Case& c : cases) {
        InstructionFinger finger = fingerAt(0, 0, c.mode, c.direction, 10.0f);
        FingerFrame frame = finger.frameAt(500);
        EXPECT_EQ(c.angle, frame.angle) << c.mode << " " << c.direction;
        EXPECT_EQ(c.upright, frame.upright) << c.mode << " " << c.direction;
    }
    InstructionFinger finger = fingerAt(0, 0, 0, 0, 10.0f);
    struct Point {
        int t;
        float alpha;
    } points[] = {{399, 0.0f}, {525, 0.5f}, {700, 1.0f}, {1000, 0.5f}, {1200, 0.0f}};
    for (const Point& p : points)
        EXPECT_NEAR(p.alpha, finger.frameAt(p.t).crossAlpha, 1e-5f) << p.t;
}

TEST(InstructionFingerTest, Placement)
{
    float sx, sy;
    // Placement: mode 1 pushes sideways from the finger's tip.
    InstructionFinger finger = fingerAt(100.0f, 200.0f, 1, 0, -1.0f);
    FingerFrame frame = finger.frameAt(500);
    finger.placeAt(frame, 30.0f, 40, 60, &sx, &sy);
    EXPECT_FLOAT_EQ(175.0f, sx);
    EXPECT_FLOAT_EQ(131.0f, sy);
    finger = fingerAt(100.0f, 200.0f, 0, -1, -1.0f);
    finger.placeAt(finger.frameAt(500), 30.0f, 40, 60, &sx, &sy);
    EXPECT_FLOAT_EQ(108.0f, sx);
    EXPECT_FLOAT_EQ(120.0f, sy);
}
