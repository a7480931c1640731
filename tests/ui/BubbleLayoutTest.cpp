#include "ui/BubbleLayout.h"

#include <gtest/gtest.h>

namespace {

BubbleStyle anchored(int ax, int ay, bool below, int tailLength = 0)
{
    BubbleStyle s;
    s.anchorX = ax;
    s.anchorY = ay;
    s.below = below ? 1 : 0;
    s.tailLength = tailLength;
    return s;
}

TEST(BubbleLayout, AnchorStaysInsideTheFrame)
{
    struct Case {
        int anchorX;
        int x;
    };
    // A 200-px frame centred at 160 stands at x 60.
    const Case cases[] = {
        {20, 8},     // 12 px inside the left edge
        {71, 59},    // 11 px inside: moved
        {72, 60},    // 12 px inside already
        {160, 60},
        {238, 60},   // 22 px inside the right edge already
        {239, 61},   // 21 px: moved
        {300, 122},
    };
    for (const Case& c : cases) {
        BubbleLayout l = layoutBubble(anchored(c.anchorX, 200, true), 200, 80, -1, 26);
        EXPECT_EQ(l.x, c.x) << "anchor x " << c.anchorX;
    }
}

TEST(BubbleLayout, FourTailPlacements)
{
    struct Case {
        const char* name;
        bool below;
        int anchorX;
        int tailLength;
        int y, tailX, tailY, angle;
        bool mirrored;
        float scaleY;
    };
    // Frame 200 x 80 at x 60; anchor y 200.
    const Case cases[] = {
        {"below, left half", true, 100, 0, 207, 37, -6, 45, false, 1.0f},
        {"below, right half", true, 220, 0, 207, 148, -6, 135, true, 1.0f},
        {"above, left half", false, 100, 0, 113, 37, 78, -45, true, 1.0f},
        {"above, right half, a longer tail", false, 220, 13, 113, 148, 65, -135, false, 1.5f},
        {"below, right half from the centre on", true, 160, 13, 207, 88, -6, 135, true, 1.5f},
    };
    for (const Case& c : cases) {
        BubbleLayout l = layoutBubble(anchored(c.anchorX, 200, c.below, c.tailLength), 200, 80, -1, 26);
        EXPECT_TRUE(l.hasTail) << c.name;
        EXPECT_EQ(l.y, c.y) << c.name;
        EXPECT_EQ(l.tailX, c.tailX) << c.name;
        EXPECT_EQ(l.tailY, c.tailY) << c.name;
        EXPECT_EQ(l.tailAngle, c.angle) << c.name;
        EXPECT_EQ(l.tailMirrored, c.mirrored) << c.name;
        EXPECT_FLOAT_EQ(l.tailScaleY, c.scaleY) << c.name;
    }
}

TEST(BubbleLayout, WithoutAnchor)
{
    struct Case {
        const char* name;
        int anchorY, yOverride, xOffset;
        int x, y;
    };
    const Case cases[] = {
        {"centre of the screen", -1, -1, 0, 60, 200},
        {"given top", 90, -1, 0, 60, 90},
        {"given centre wins", 90, 300, 0, 60, 260},
        {"moved sideways", -1, -1, -30, 30, 200},
    };
    for (const Case& c : cases) {
        BubbleStyle s;
        s.anchorX = -1;
        s.anchorY = c.anchorY;
        s.xOffset = c.xOffset;
        BubbleLayout l = layoutBubble(s, 200, 80, c.yOverride, 26);
        EXPECT_FALSE(l.hasTail) << c.name;
        EXPECT_EQ(l.x, c.x) << c.name;
        EXPECT_EQ(l.y, c.y) << c.name;
    }
}

}  // namespace
