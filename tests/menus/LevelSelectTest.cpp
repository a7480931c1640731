#include <gtest/gtest.h>

#include <functional>

#include "menus/widgets/LevelSelect.h"
#include "modes/ChallengeRules.h"
#include "tests/menus/ModeChoiceFixture.h"

namespace {

const char* const kShadow = "BtC_Slider_Shadow_248x77.png";
// Drawn with its top at y 200, the strip's top is at 160 and its touch band is rows 185..289.
const int kSliderY = 200;
const int kTop = kSliderY - 40;

class LevelSelectTest : public ModeChoiceTest {
public:
    // A slider of the mode standing at `level` (the level its kept game is at), over a shadow of the given alpha.
    LevelSelect& make(int mode, int level, unsigned char shadowAlpha = 255)
    {
        writePicture(kShadow, 248, 77, RGBA{shadowAlpha, shadowAlpha, shadowAlpha, shadowAlpha});
        host.levels[mode] = level;
        slider.reset();
        atlas.reset(new SpriteSheet(512, 512, false));
        slider.reset(new LevelSelect(atlas.get(), 1, mode, &host));
        atlas->uploadPages();
        return *slider;
    }

    void draw() { slider->render(0.0f, (float)kSliderY, 1.0f, -1.0f, 1.0f, 0.0f, false); }

    void tap(int x, int y)
    {
        slider->trackTouch(TouchDown, x, y);
        slider->trackTouch(TouchUp, x, y);
    }

    OwnedPtr<SpriteSheet> atlas;
    OwnedPtr<LevelSelect> slider;
};

TEST_F(LevelSelectTest, BoundsAndLevelComeFromTheMode)
{
    struct Case {
        int mode;
        int last;
    } cases[] = {{kGameFrenzy, 37}, {kGameFreePlay, 30}, {kGameChallenge, 30}, {kGameBeatTheClock, 30}};
    for (const Case& c : cases) {
        LevelSelect& s = make(c.mode, 7);
        EXPECT_EQ(1, s.scroller.minPage) << c.mode;
        EXPECT_EQ(c.last, s.scroller.maxPage) << c.mode;
        EXPECT_EQ(7, s.selectedLevel()) << c.mode;
        EXPECT_EQ(host.firstUnsolved[c.mode], s.highestUnlocked) << c.mode;
    }
    LevelSelect& s = make(kGameFreePlay, 7);
    host.levels[kGameFrenzy] = 33;
    s.setRangeForMode(1, kGameFrenzy);
    EXPECT_EQ(37, s.scroller.maxPage);
    EXPECT_EQ(33, s.selectedLevel());
    EXPECT_EQ(33.0f, s.scroller.position);
    EXPECT_EQ(host.firstUnsolved[kGameFrenzy], s.highestUnlocked);
}

// Level 10 in the middle at full size: levels 7..13 are drawn (|d| < 4), levels 6 and 14 (|d| = 4) are not.
TEST_F(LevelSelectTest, LevelsFourAwayAreNotDrawn)
{
    make(kGameFreePlay, 10);
    host.firstUnsolved[kGameFreePlay] = 30;
    slider->setRangeForMode(1, kGameFreePlay);
    draw();
    // Levels 7, 8, 9 one digit each, 10..13 two each, and the shadow.
    EXPECT_EQ(3 + 4 * 2 + 1, gRenderBatch.quadsThisFrame);
}

TEST_F(LevelSelectTest, NearLevelsStandOverTheShadowFarOnesUnderIt)
{
    host.firstUnsolved[kGameFreePlay] = 30;
    struct Case {
        const char* name;
        float shown;
        int x, y;
        RGBA expected;
    } cases[] = {
        {"middle level 10, tens", 10.0f, 148, 247, digitColour(1)},
        {"middle level 10, units", 10.0f, 172, 247, digitColour(0)},
        {"level 12 at distance 2 is under the shadow", 10.0f, 270, 252, RGBA{0, 0, 0, 255}},
        // Sizes from 0.6 on stand over it; 1.6 levels cannot be held exactly in a float, so the cases take the
        // nearest distances that can on either side of it.
        {"level 12 at distance 1.5 is over it", 10.5f, 235, 250, digitColour(1)},
        {"level 12 at distance 1.75 is under it", 10.25f, 250, 252, RGBA{0, 0, 0, 255}},
    };
    for (const Case& c : cases) {
        clearFrame(0.5f, 0.5f, 0.5f, 1.0f);
        make(kGameFreePlay, 10);
        slider->scroller.position = c.shown;
        slider->scroller.pagePos = c.shown;
        slider->scroller.dragStartX = 0;  // a drag in progress holds the shown position
        draw();
        EXPECT_TRUE(pixelNear(pixel(c.x, c.y), c.expected, 4)) << c.name;
    }
}

TEST_F(LevelSelectTest, FarLevelsAreClippedToTheShadowsWidth)
{
    host.firstUnsolved[kGameFreePlay] = 30;
    make(kGameFreePlay, 10, 0);  // a shadow that hides nothing
    draw();
    // Level 8 (distance 2, half size) is centred on column 40: clipped left of column 36.
    EXPECT_TRUE(pixelNear(pixel(45, 252), digitColour(8), 4));
    EXPECT_TRUE(pixelNear(pixel(32, 252), RGBA{0, 0, 0, 255}, 4));
}

TEST_F(LevelSelectTest, LockedLevelsWearThePadlockWithSmallDigits)
{
    host.firstUnsolved[kGameFreePlay] = 10;
    make(kGameFreePlay, 11);
    draw();
    EXPECT_TRUE(pixelNear(pixel(175, 230), kPadlockColour, 4));
    EXPECT_TRUE(pixelNear(pixel(154, 245), smallDigitColour(1), 4));
    // Level 10 beside it is open: large digits.
    EXPECT_TRUE(pixelNear(pixel(80, 252), digitColour(1), 4));
}

TEST_F(LevelSelectTest, MedalsInFrenzyAndInChallengeOnlyWithTheExperimentOn)
{
    gChallengeBests.record(0, 10, 1);
    gFrenzyBests.record(10, 1000);
    struct Case {
        const char* name;
        int mode;
        int ncm;
        bool medal;
    } cases[] = {
        {"Challenge, ncm 0", kGameChallenge, 0, false},
        {"Challenge, ncm 1", kGameChallenge, 1, true},
        {"Frenzy", kGameFrenzy, 0, true},
        {"Free Play", kGameFreePlay, 1, false},
    };
    for (const Case& c : cases) {
        gAbSettings.ncm = c.ncm;
        host.firstUnsolved[c.mode] = 30;
        make(c.mode, 10);
        clearFrame(0, 0, 0, 1);
        draw();
        // The medal's top-left corner is at (165, top + 88), over the units digit of level 10.
        EXPECT_TRUE(pixelNear(pixel(174, kTop + 100), c.medal ? kMedalColour : digitColour(0), 4)) << c.name;
    }
}

TEST_F(LevelSelectTest, OnlyTouchesStartingInTheBandAreTaken)
{
    make(kGameFreePlay, 10);
    EXPECT_EQ(0, slider->trackTouch(TouchDown, 160, 250)) << "no band before the first drawing";
    draw();
    EXPECT_EQ(0, slider->trackTouch(TouchDown, 160, kTop + 24));
    EXPECT_EQ(0, slider->trackTouch(TouchUp, 160, kTop + 24));
    EXPECT_EQ(0, slider->trackTouch(TouchDown, 160, kTop + 130));
    EXPECT_EQ(1, slider->trackTouch(TouchDown, 160, kTop + 25));
    EXPECT_EQ(1, slider->trackTouch(TouchMove, 100, kTop + 25));
    EXPECT_EQ(1, slider->trackTouch(TouchMove, 40, 470)) << "a drag goes on outside the band";
    EXPECT_EQ(1, slider->trackTouch(TouchUp, 40, 470));
    EXPECT_EQ(11, slider->selectedLevel()) << "dragged one level to the left";
}

TEST_F(LevelSelectTest, SecondTapInARowOnTheMiddleExplainsTheSlider)
{
    struct Case {
        const char* name;
        std::function<void(LevelSelectTest&)> touches;
        int alerts;
    } cases[] = {
        {"one tap", [](LevelSelectTest& t) { t.tap(160, 250); }, 0},
        {"two taps", [](LevelSelectTest& t) { t.tap(160, 250), t.tap(161, 251); }, 1},
        {"three taps: shown once", [](LevelSelectTest& t) { t.tap(160, 250), t.tap(160, 250), t.tap(160, 250); }, 1},
        {"four taps: twice", [](LevelSelectTest& t) { for (int i = 0; i < 4; i++) t.tap(160, 250); }, 2},
        {"a drag between resets the count",
         [](LevelSelectTest& t) {
             t.tap(160, 250);
             t.slider->trackTouch(TouchDown, 160, 250);
             t.slider->trackTouch(TouchMove, 130, 250);
             t.slider->trackTouch(TouchUp, 130, 250);
             t.slider->scroller.velocity = 0.0f;
             t.tap(160, 250);
         },
         0},
    };
    for (const Case& c : cases) {
        gMenuStack.deleteAllMenus();
        make(kGameFreePlay, 10);
        draw();
        c.touches(*this);
        EXPECT_EQ(c.alerts, gMenuStack.size()) << c.name;
    }
}

TEST_F(LevelSelectTest, LockedLevelMessageByModeGameAndPuzzlesLeft)
{
    struct Case {
        const char* name;
        bool beatTheClock;
        int gameType;
        int puzzlesLeft;
        bool shown;
        const char* message;
    } cases[] = {
        {"Beat the Clock names the highest open level", true, kGameChallenge, 5, true,
         "You have unlocked the levels up to 9. Finish the levels before it to unlock more!"},
        {"Challenge in play", false, kGameChallenge, 5, true, "Pass the levels before this one to unlock it."},
        {"Frenzy in play", false, kGameFrenzy, 0, true, "Pass the levels before this one to unlock it."},
        {"no puzzle left", false, kGameFreePlay, 0, false, ""},
        {"below none left", false, -1, -3, false, ""},
        {"one left", false, kGameFreePlay, 1, true, "Solve one more puzzle in level 4 to unlock the next level."},
        {"five left", false, -1, 5, true, "Solve 5 more puzzles in level 4 to unlock the next level."},
    };
    for (const Case& c : cases) {
        host.gameType = c.gameType;
        host.puzzlesLeft = c.puzzlesLeft;
        host.freePlay = 4;
        String message;
        EXPECT_EQ(c.shown, lockedLevelMessage(c.beatTheClock, 9, &host, &message)) << c.name;
        EXPECT_STREQ(c.message, message.c_str()) << c.name;

        gMenuStack.deleteAllMenus();
        host.firstUnsolved[kGameBeatTheClock] = 9;
        make(kGameBeatTheClock, 3).reset(c.beatTheClock);
        EXPECT_EQ(c.shown ? 1 : 0, gMenuStack.size()) << c.name;
    }
}

TEST_F(LevelSelectTest, SelectLevelStopsCoastingAndGlidesThere)
{
    make(kGameFreePlay, 10);
    slider->scroller.velocity = 0.3f;
    slider->selectLevel(4);
    EXPECT_EQ(4, slider->selectedLevel());
    EXPECT_EQ(0.0f, slider->scroller.velocity);
    EXPECT_EQ(10.0f, slider->scroller.position) << "the shown position glides, it does not jump";
    for (int frame = 0; frame < 200 && slider->scroller.isMoving(); frame++)
        draw();
    EXPECT_EQ(4.0f, slider->scroller.position);
    EXPECT_EQ(4, slider->selectedLevel());
}

}  // namespace
