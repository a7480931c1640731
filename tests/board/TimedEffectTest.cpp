#include <gtest/gtest.h>

#include <cmath>

#include "board/TimedEffect.h"

namespace {

TimedEffect started(int kind)
{
    TimedEffect effect;
    BoardCell cell{};
    cell.colour = 4;
    effect.start(cell, kind, 0, 0);
    return effect;
}

} // namespace

TEST(TimedEffectTest, PopInTimeline)
{
    struct Point {
        int t;
        float scale;
        bool ended;
    } points[] = {{0, 0.0f, false}, {175, 0.5235f, false}, {351, 1.05f, false}, {455, 1.05f, false},
                  {533, 1.025f, false}, {610, 1.0004f, false}, {611, 1.0f, true}};
    TimedEffect effect = started(6);
    for (const Point& p : points) {
        TimedEffectFrame frame = effect.advance(p.t, 4);
        EXPECT_NEAR(p.scale, frame.scale, 0.001f) << "t " << p.t;
        EXPECT_EQ(p.ended, frame.ended) << "t " << p.t;
        EXPECT_TRUE(frame.drawFurball);
        EXPECT_TRUE(frame.glow);
        EXPECT_NEAR(frame.scale * 0.6f * (0.3f + 0.9f * frame.scale), frame.glowIntensity, 1e-5f);
    }
    EXPECT_EQ(0, effect.active);
}

TEST(TimedEffectTest, EmptyCellWaitsLongerAndDrawsNothing)
{
    TimedEffect effect = started(6);
    TimedEffectFrame frame = effect.advance(1879, 0);
    EXPECT_FALSE(frame.drawFurball);
    EXPECT_FALSE(frame.ended);
    EXPECT_EQ(1, effect.active);
    frame = effect.advance(1880, 0);
    EXPECT_TRUE(frame.ended);
    EXPECT_EQ(0, effect.active);
}

TEST(TimedEffectTest, KindsBeforeTheirStart)
{
    struct Case {
        int kind;
        bool drawn;
        float scale;
    } cases[] = {{1, true, 1.0f}, {7, true, 1.0f}, {6, false, 0.0f}, {3, true, 0.0f}, {4, false, 0.0f}};
    for (const Case& c : cases) {
        TimedEffect effect = started(c.kind);
        TimedEffectFrame frame = effect.advance(-300, 4);
        EXPECT_EQ(c.drawn, frame.drawFurball) << "kind " << c.kind;
        EXPECT_FLOAT_EQ(c.scale, frame.scale) << "kind " << c.kind;
        EXPECT_EQ(1, effect.active);
    }
    // A kind-7 pop-in draws the furball alone, without the glow.
    TimedEffect seven = started(7);
    TimedEffectFrame frame = seven.advance(200, 4);
    EXPECT_TRUE(frame.drawFurball);
    EXPECT_FALSE(frame.glow);
    // The slow pop-in lasts 470 x 1.8 ms and glows.
    seven = started(7);
    seven.slow = 1;
    EXPECT_TRUE(seven.advance(200, 4).glow);
    EXPECT_FALSE(seven.advance(845, 4).ended);
    EXPECT_TRUE(seven.advance(846, 4).ended);
}

TEST(TimedEffectTest, HiddenAndPulsingKinds)
{
    TimedEffect eight = started(8);
    for (int t : {0, 200, 422}) {
        TimedEffectFrame frame = eight.advance(t, 4);
        EXPECT_FALSE(frame.drawFurball);
        EXPECT_FALSE(frame.ended);
    }
    EXPECT_TRUE(eight.advance(423, 4).ended);
    EXPECT_EQ(0, eight.active);

    TimedEffect four = started(4);
    EXPECT_FALSE(four.advance(100000, 4).drawFurball);
    EXPECT_EQ(1, four.active);

    TimedEffect nine = started(9);
    float low = 10.0f, high = 0.0f;
    for (int t = 0; t < 5000; t += 7) {
        TimedEffectFrame frame = nine.advance(t, 4);
        EXPECT_TRUE(frame.drawFurball);
        low = std::min(low, frame.scale);
        high = std::max(high, frame.scale);
    }
    EXPECT_NEAR(0.9f, low, 0.001f);
    EXPECT_NEAR(1.15f, high, 0.001f);
    EXPECT_EQ(1, nine.active);
    // One period is 2 pi x 155 ms.
    float period = 2.0f * static_cast<float>(M_PI) * 155.0f;
    EXPECT_NEAR(nine.advance(100, 4).scale, nine.advance(100 + static_cast<int>(std::lround(period * 3)), 4).scale,
                0.01f);
}

TEST(TimedEffectTest, IdleEffectStartsCleared)
{
    TimedEffect effect;
    effect.slow = 1;
    effect.setIdle(500);
    EXPECT_EQ(0, effect.slow);
    EXPECT_EQ(0, effect.active);
    EXPECT_EQ(TimedEffect::kIdle, effect.kind);
    EXPECT_EQ(-1, effect.extra);
    EXPECT_EQ(500, effect.startMs);
}
