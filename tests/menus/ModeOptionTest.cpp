#include <gtest/gtest.h>

#include "menus/ModeOption.h"
#include "tests/menus/ModeChoiceFixture.h"

namespace {

class ModeOptionTest : public ModeChoiceTest {
protected:
    ModeOption* make(const char* caption)
    {
        tile.reset(ModeOption::create(&atlas, caption, "Arcade_60x65.png", "Race the clock."));
        atlas.uploadPages();
        return static_cast<ModeOption*>(tile.get());
    }

    void draw(int x, int y, bool selected)
    {
        tile->x = x;
        tile->y = y;
        tile->render((float)x, (float)y, 1.0f, -1.0f, 1.0f, 0.0f, selected);
    }

    SpriteSheet atlas{512, 512, false};
    Ref<ViewElementI> tile;
};

TEST_F(ModeOptionTest, OneLineCaptionSitsLowerThanTwoLinesAndThePictureStaysPut)
{
    ModeOption* one = make("Arcade");
    EXPECT_EQ(87, one->width());
    EXPECT_EQ(118, one->height());
    EXPECT_EQ(8, one->view.children[0].y);
    EXPECT_EQ(38, one->view.children[1].y);
    ModeOption* two = make("Beat the Clock Every Time");
    EXPECT_EQ(0, two->view.children[0].y);
    EXPECT_EQ(38, two->view.children[1].y);
}

TEST_F(ModeOptionTest, PressOrDragWithinTwoPixelsOfTheTileAsksForTheBubble)
{
    // Drawn at (100, 100): the tile covers columns 100..186 and rows 100..217.
    struct Case {
        const char* name;
        int phase, x, y;
        bool asks;
    } cases[] = {
        {"2 px left", TouchDown, 98, 150, true},      {"3 px left", TouchDown, 97, 150, false},
        {"2 px right", TouchDown, 188, 150, true},    {"3 px right", TouchDown, 189, 150, false},
        {"2 px above", TouchMove, 140, 98, true},     {"3 px above", TouchMove, 140, 97, false},
        {"2 px below", TouchMove, 140, 219, true},    {"3 px below", TouchMove, 140, 220, false},
        {"release over the middle", TouchUp, 140, 150, false},
    };
    for (const Case& c : cases) {
        ModeOption* t = make("Arcade");
        draw(100, 100, false);
        gModeBubbleTimer = 5000;
        bool consumed = false;
        EXPECT_EQ(-1, t->handleTouch(c.phase, c.x, c.y, &consumed)) << c.name;
        EXPECT_FALSE(consumed) << c.name;
        EXPECT_EQ(c.asks ? 1 : 0, t->bubbleRequested) << c.name;
        EXPECT_EQ(c.asks ? -1 : 5000, gModeBubbleTimer) << c.name << ": a press stops the countdown";
    }
}

TEST_F(ModeOptionTest, BubbleOpensWhenDrawnSelectedWithTipsOn)
{
    struct Case {
        const char* name;
        bool selected;
        bool tips;
        bool opens;
    } cases[] = {
        {"selected, tips on", true, true, true},
        {"not selected", false, true, false},
        {"tips off", true, false, false},
    };
    for (const Case& c : cases) {
        deleteModeBubble();
        settings.switchB = c.tips;
        ModeOption* t = make("Arcade");
        t->bubbleRequested = 1;
        draw(100, 100, c.selected);
        EXPECT_EQ(c.opens, !gModeBubble.isNull()) << c.name;
        EXPECT_EQ(c.opens ? 0 : 1, t->bubbleRequested) << c.name << ": an unmet request is kept";
    }
}

TEST_F(ModeOptionTest, BubblePointsAtTheTileAndAReplacementComesWithoutFadeIn)
{
    ModeOption* t = make("Arcade");
    t->bubbleRequested = 1;
    draw(100, 200, true);
    ASSERT_FALSE(gModeBubble.isNull());
    EXPECT_EQ(143, gModeBubble->style->anchorX);
    EXPECT_EQ(200, gModeBubble->style->anchorY) << "at y 200 the anchor is the top edge";
    EXPECT_EQ(295, gModeBubble->style->wrapWidth);
    EXPECT_EQ(100, gModeBubble->life.fadeInLength);
    EXPECT_EQ(1, gModeBubble->life.onRunningClock);

    t->bubbleRequested = 1;
    draw(100, 201, true);
    ASSERT_FALSE(gModeBubble.isNull());
    EXPECT_EQ(206, gModeBubble->style->anchorY) << "below y 200 the anchor drops 5 px";
    EXPECT_EQ(-1, gModeBubble->life.fadeInLength);
}

TEST_F(ModeOptionTest, SelectedTileGlowsWithTheHighlight)
{
    // The highlight's corner is at (x - 21, y - 18): a point above the tile shows only the highlight.
    for (bool selected : {false, true}) {
        clearFrame(0, 0, 0, 1);
        make("Arcade");
        draw(100, 100, selected);
        const RGBA p = pixel(90, 90);
        EXPECT_TRUE(pixelNear(p, selected ? RGBA{0, 0, 100, 255} : RGBA{0, 0, 0, 255}, 3)) << selected;
    }
}

}  // namespace
