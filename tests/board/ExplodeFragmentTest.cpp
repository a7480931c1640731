#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "board/ExplodeFragment.h"

TEST(ExplodeFragmentTest, HitSparkCounts)
{
    struct Case {
        bool big, huge;
        int variation, count;
    } cases[] = {{false, false, -1, 6}, {true, false, -1, 11}, {false, false, 2, 5}, {true, false, 2, 8},
                 {false, true, -1, 18}, {true, true, 2, 18}, {false, false, 1, 6}, {false, false, -3, 6}};
    for (const Case& c : cases)
        EXPECT_EQ(c.count, hitFragmentCount(c.big, c.huge, c.variation))
            << c.big << c.huge << " bhe " << c.variation;
}

TEST(ExplodeFragmentTest, RotationSteps)
{
    EXPECT_EQ(5, fragmentRotationStep(359.9f));
    EXPECT_EQ(0, fragmentRotationStep(90.0f));
    EXPECT_EQ(1, fragmentRotationStep(15.0f));
    EXPECT_EQ(0, fragmentRotationStep(14.99f));
}

TEST(ExplodeFragmentTest, BurstSparksStartInsideTheirDisc)
{
    srand(7);
    for (int i = 0; i < 200; i++) {
        Fragment f;
        initBurstFragment(f, 3);
        EXPECT_EQ(3, f.colour);
        EXPECT_LE(f.x * f.x + f.y * f.y, 400.0f * 1.0001f);
        EXPECT_NEAR(1.0f, std::hypot(f.dirX, f.dirY), 1e-4f);
        EXPECT_GE(f.delay, 0.0f);
        EXPECT_LT(f.delay, 0.1f);
        EXPECT_GE(f.scale, 0.1f);
        EXPECT_LE(f.scale, 1.0f);
        EXPECT_GE(f.rotation, 0.0f);
        EXPECT_LT(f.rotation, 360.0f);
        EXPECT_FLOAT_EQ(0.0035f, f.gravity);
    }
}

TEST(ExplodeFragmentTest, RandomOrderIsFixed)
{
    // The same seed gives the same spark, and the hit spark uses exactly the
    // draws of its rule: rejection loop, two signs, six value draws, rotation.
    srand(11);
    Fragment a;
    initHitFragment(a, 2, 1, 0, false, -1);
    int after = rand();
    srand(11);
    Fragment b;
    initHitFragment(b, 2, 1, 0, false, -1);
    EXPECT_EQ(after, rand());
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.rotation, b.rotation);

    // Replaying the draws by hand: the first accepted offset, then the signs.
    srand(11);
    float x, y;
    const float unit = 4.656613e-10f;
    do {
        float u = static_cast<float>(rand() % 2147483647) * unit;
        x = 5.0f * u * u;
        u = static_cast<float>(rand() % 2147483647) * unit;
        y = 5.0f * u * u;
    } while (x * x + y * y > 25.0f);
    if (rand() & 1)
        x = -x;
    if (rand() & 1)
        y = -y;
    EXPECT_FLOAT_EQ(x, a.x);
    EXPECT_FLOAT_EQ(y * 1.7f, a.y);
    float speed = 0.58f + 0.3f * static_cast<float>(rand() % 2147483647) * unit;
    EXPECT_FLOAT_EQ(speed, a.speed);
}

TEST(ExplodeFragmentTest, HitSparksFlyAlongTheMoveAndFade)
{
    srand(3);
    float sumX = 0.0f;
    for (int i = 0; i < 50; i++) {
        Fragment f;
        initHitFragment(f, 1, 1, 0, true, -1);
        sumX += f.dirX;
        EXPECT_FLOAT_EQ(0.0f, f.delay);
        EXPECT_GE(f.scale, 0.32f);
        EXPECT_LE(f.scale, 0.58f);
        // Within two and a half seconds a hit spark is gone.
        for (int step = 0; step < 150; step++)
            stepFragment(f, 1.0f / 60.0f);
        EXPECT_FALSE(f.alive());
        EXPECT_GE(f.flicker, 0.0f);
        EXPECT_LE(f.flicker, 1.0f);
    }
    EXPECT_GT(sumX / 50.0f, 0.5f);
}

TEST(ExplodeFragmentTest, DelayedSparkWaitsThenMoves)
{
    Fragment f;
    srand(5);
    initBurstFragment(f, 4);
    f.delay = 0.05f;
    float x = f.x, y = f.y;
    stepFragment(f, 0.03f);
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(x, f.x);
    stepFragment(f, 0.03f);
    EXPECT_TRUE(f.visible());
    EXPECT_NE(y, f.y);
    // Values stay inside their limits.
    for (int i = 0; i < 600; i++) {
        stepFragment(f, 0.016f);
        ASSERT_GE(f.speed, f.minSpeed);
        ASSERT_LE(f.speed, f.maxSpeed);
        ASSERT_GE(f.alpha, 0.0f);
        ASSERT_LE(f.alpha, 2.0f);
        ASSERT_GE(f.scale, 0.0f);
        ASSERT_LE(f.scale, 1.0f);
    }
}
