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
        {290, 112},  // 22 px inside at x 112; the right edge at 312 is inside the screen's margin
        {300, 116},  // 22 px inside would take the right edge to 322, past the screen: kept 4 px in
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

// Whatever its style asks, a frame stays inside the screen less its 4-px margin (or the narrower bounds its
// owner gives); an anchored bubble without room on its side of the anchor goes to the other side.
TEST(BubbleLayout, KeptInsideTheScreen)
{
    struct Case {
        const char* name;
        int anchorX, anchorY;
        bool below;
        int xOffset, yOverride;
        int width, height;
        BubbleBounds bounds;
        int x, y;
        bool staysBelow;
    };
    const BubbleBounds screen;
    const BubbleBounds rightOfAnother{190, 316};
    const Case cases[] = {
        {"anchor near the left edge", 10, 200, true, 0, -1, 200, 80, screen, 4, 207, true},
        {"offset past the left edge", 67, 61, true, -74, -1, 189, 60, screen, 4, 68, true},
        {"offset past the right edge", 256, 59, true, 84, -1, 180, 60, screen, 136, 66, true},
        {"too wide for the screen: centred", 160, 200, true, 0, -1, 330, 80, screen, -5, 207, true},
        {"no room above the anchor: below", 125, 60, false, 0, -1, 200, 80, screen, 60, 67, true},
        {"no room below the anchor: above", 125, 420, true, 0, -1, 200, 80, screen, 60, 333, false},
        {"room on neither side: as asked", 125, 240, true, 0, -1, 200, 300, screen, 60, 247, true},
        {"a free bubble's centre too low", -1, -1, false, 0, 460, 200, 80, screen, 60, 396, false},
        {"a free bubble's top too high", -1, 0, false, 0, -1, 200, 80, screen, 60, 4, false},
        {"within narrower bounds", 256, 59, true, 84, -1, 110, 60, rightOfAnother, 190, 66, true},
    };
    for (const Case& c : cases) {
        BubbleStyle s = anchored(c.anchorX, c.anchorY, c.below);
        s.xOffset = c.xOffset;
        const BubbleLayout l = layoutBubble(s, c.width, c.height, c.yOverride, 26, c.bounds);
        EXPECT_EQ(l.x, c.x) << c.name;
        EXPECT_EQ(l.y, c.y) << c.name;
        if (!l.hasTail)
            continue;
        EXPECT_EQ(l.below, c.staysBelow) << c.name;
        // The tail still starts at the anchor.
        EXPECT_EQ(l.x + l.tailX, c.anchorX + (c.anchorX < 160 ? -3 : -12)) << c.name;
        EXPECT_EQ(l.y + l.tailY, c.anchorY + (l.below ? 1 : -9)) << c.name;
    }
}

}  // namespace
