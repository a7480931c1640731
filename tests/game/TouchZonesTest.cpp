// Where the shell's own touch areas lie: the hidden corner sequence and the bottom bar's buttons.

#include <gtest/gtest.h>

#include "game/TouchZones.h"

TEST(TouchZonesTest, TheHiddenCornerSequence)
{
    struct Case {
        ScreenId screen;
        int previousX, previousY, x, y;
        bool opens;
    } cases[] = {
        {ScreenMainMenu, 10, 470, 300, 470, true},
        {ScreenMainMenu, 24, 456, 296, 456, true},     // both corners at their edges
        {ScreenMainMenu, 25, 470, 300, 470, false},    // first release one pixel too far right
        {ScreenMainMenu, 10, 455, 300, 470, false},    // first release one pixel too high
        {ScreenMainMenu, 10, 470, 295, 470, false},    // second release one pixel too far left
        {ScreenMainMenu, 10, 470, 300, 455, false},    // second release too high
        {ScreenMainMenu, 300, 470, 10, 470, false},    // the corners the wrong way round
        {ScreenMainMenu, -1, -1, 300, 470, false},     // no release before
        {ScreenSettings, 10, 470, 300, 470, false},    // only on the main menu
        {ScreenPlaying, 10, 470, 300, 470, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.opens, opensHiddenCorner(c.screen, c.previousX, c.previousY, c.x, c.y))
            << c.screen << ": (" << c.previousX << "," << c.previousY << ") then (" << c.x << "," << c.y << ")";
}

TEST(TouchZonesTest, TheBarButtonsByScreenAndTutorialStep)
{
    struct Case {
        ScreenId screen;
        int step, x;
        BarButton button;
    } cases[] = {
        {ScreenPlaying, -1, 55, BarUndo},    {ScreenPlaying, -1, 56, BarNone},
        {ScreenPlaying, -1, 275, BarHint},   {ScreenPlaying, -1, 274, BarNone},
        {ScreenPlaying, -1, 160, BarNone},   {ScreenHowToPlay, 49, 10, BarUndo},
        {ScreenHowToPlay, 50, 10, BarUndo},  {ScreenHowToPlay, 48, 10, BarNone},
        {ScreenHowToPlay, 51, 10, BarNone},  {ScreenHowToPlay, 49, 300, BarNone},  // no hint in the tutorial
        {ScreenGameIntro, -1, 10, BarNone},  {ScreenGameIntro, -1, 300, BarNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.button, barButtonAt(c.screen, c.step, c.x)) << c.screen << " step " << c.step << " x " << c.x;

    for (ScreenId withBar : {ScreenPlaying, ScreenHowToPlay, ScreenGameIntro}) {
        EXPECT_TRUE(inBottomBar(withBar, 437)) << withBar;
        EXPECT_FALSE(inBottomBar(withBar, 436)) << withBar;
    }
    EXPECT_FALSE(inBottomBar(ScreenMainMenu, 470));
}
