#include <gtest/gtest.h>

#include "menus/LevelSelectMenu.h"
#include "menus/widgets/LevelSelect.h"
#include "ui/MenuBubble.h"
#include "tests/menus/ModeChoiceFixture.h"

namespace {

class LevelSelectMenuTest : public ModeChoiceTest {
protected:
    void SetUp() override
    {
        ModeChoiceTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"BtC_Slider_Shadow_248x77.png"}));
    }

    LevelSelectMenu& open()
    {
        page.reset();
        page.reset(new LevelSelectMenu(&host));
        page->render();
        return *page;
    }

    ViewElementI* button(int tag) { return page->cellChild(page->findCell(tag))->element.get(); }
    int tapAt(int x, int y)
    {
        page->render();
        page->handleTouch(TouchDown, x, y);
        return page->handleTouch(TouchUp, x, y);
    }
    int tapButton(int tag)
    {
        int x, y;
        centreOf(button(tag), &x, &y);
        return tapAt(x, y);
    }

    OwnedPtr<LevelSelectMenu> page;
};

TEST_F(LevelSelectMenuTest, StripStartsWhereTheGameInPlayStarts)
{
    struct Case {
        const char* name;
        int gameType, variant, storedMode;
        int firstLevel, lastLevel;
    } cases[] = {
        {"Challenge variant 0", kGameChallenge, 0, kGameArcade, 1, 30},
        {"Challenge variant 1", kGameChallenge, 1, kGameArcade, 3, 30},
        {"Challenge variant 2", kGameChallenge, 2, kGameArcade, 6, 30},
        {"Frenzy", kGameFrenzy, 2, kGameArcade, 1, 37},
        {"Free Play", kGameFreePlay, 1, kGameFrenzy, 1, 30},
        {"no game in play: the stored mode", -1, 2, kGameFrenzy, 1, 37},
    };
    for (const Case& c : cases) {
        host.gameType = c.gameType;
        host.variant = c.variant;
        settings.gameMode = c.storedMode;
        LevelSelectMenu& p = open();
        EXPECT_EQ(c.firstLevel, p.slider->minLevel) << c.name;
        EXPECT_EQ(c.firstLevel, p.slider->scroller.minPage) << c.name;
        EXPECT_EQ(c.lastLevel, p.slider->scroller.maxPage) << c.name;
    }
}

TEST_F(LevelSelectMenuTest, OkAcceptsTheFirstUnsolvedLevelAndRefusesOneAbove)
{
    for (int mode : {kGameFreePlay, kGameChallenge, kGameFrenzy, kGameBeatTheClock}) {
        const int first = host.firstUnsolved[mode];
        for (int above : {0, 1}) {
            gMenuStack.deleteAllMenus();
            host.gameType = mode;
            settings.gameMode = mode;
            settings.startLevel = 2;
            LevelSelectMenu& p = open();
            p.slider->selectLevel(first + above);
            const int code = tapButton(1);
            if (above == 0) {
                EXPECT_EQ(1, code) << mode;
                EXPECT_EQ(first, settings.startLevel) << mode;
                EXPECT_EQ(0, gMenuStack.size()) << mode;
            } else {
                EXPECT_EQ(-1, code) << mode;
                EXPECT_EQ(2, settings.startLevel) << mode;
                EXPECT_EQ(1, gMenuStack.size()) << mode << ": the locked-level alert";
                EXPECT_EQ(first, p.slider->selectedLevel()) << mode;
            }
        }
    }
}

TEST_F(LevelSelectMenuTest, CancelLeavesTheSettings)
{
    host.gameType = kGameFreePlay;
    settings.startLevel = 2;
    LevelSelectMenu& p = open();
    p.slider->selectLevel(3);
    EXPECT_EQ(0, tapButton(0));
    EXPECT_EQ(2, settings.startLevel);
}

// A touch that starts in the slider's band belongs to the slider to its end, wherever the finger goes.
TEST_F(LevelSelectMenuTest, ATouchStartedInTheBandNeverReachesTheButtons)
{
    host.gameType = kGameFreePlay;
    settings.gameMode = kGameFreePlay;
    settings.startLevel = 2;
    LevelSelectMenu& p = open();
    int okX, okY;
    centreOf(button(1), &okX, &okY);
    ASSERT_GE(okY, p.slider->scroller.bandBottom) << "the button lies below the band";
    const int bandY = p.slider->scroller.bandBottom - 1;
    EXPECT_EQ(-1, p.handleTouch(TouchDown, okX, bandY));
    EXPECT_EQ(-1, p.handleTouch(TouchMove, okX, okY));
    EXPECT_EQ(-1, p.inner.armedTag);
    EXPECT_EQ(-1, p.handleTouch(TouchUp, okX, okY));
    EXPECT_EQ(2, settings.startLevel);
    // The same release after a press on the button itself chooses the level.
    EXPECT_EQ(1, tapAt(okX, okY));
}

TEST_F(LevelSelectMenuTest, PageAsksForFramesWhileTheInfoBubbleLives)
{
    host.gameType = kGameFreePlay;
    LevelSelectMenu& p = open();
    for (int frame = 0; frame < 300 && p.render(); frame++) {
    }
    EXPECT_EQ(0, p.render()) << "at rest without a bubble";
    p.showInfoBubble();
    int32_t clock = 100000;
    int framesWithBubble = 0;
    while (p.render() && framesWithBubble < 1000) {
        framesWithBubble++;
        clock += 100;
        setClock(clock);
        updateAnimations(gBubbleAnimations);
    }
    // 7 s of life, the fade-out and the bubble's invisible end: well over 70 frames of 100 ms.
    EXPECT_GT(framesWithBubble, 70);
    EXPECT_LT(framesWithBubble, 1000);
    EXPECT_EQ(0, p.render());
}

TEST_F(LevelSelectMenuTest, ClosingThePageEndsItsBubbleAtOnce)
{
    host.gameType = kGameFreePlay;
    LevelSelectMenu& p = open();
    p.showInfoBubble();
    Ref<AnimationI> animation = p.infoBubble;
    page.reset();
    EXPECT_TRUE(animation->isDone());
    EXPECT_EQ(nullptr, static_cast<MenuBubble::BubbleAnimation*>(animation.get())->bubble);
    updateAnimations(gBubbleAnimations);
    EXPECT_FALSE(updateAnimations(gBubbleAnimations)) << "the list let go of it";
}

}  // namespace
