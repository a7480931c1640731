#include "tests/menus/ScreenTestSupport.h"

#include <vector>

#include "board/GameGraphics.h"
#include "board/GameType.h"
#include "graphics/GlState.h"
#include "menus/KelzoMainMenuNew.h"
#include "menus/MainMenuButton.h"
#include "menus/MainMenuEntries.h"
#include "tests/ui/MenuPictures.h"

namespace {

std::vector<int> entriesOf(int mode, bool hasCurrentGame)
{
    int rows[kMaxMainMenuEntries];
    const int n = mainMenuEntries(mode, hasCurrentGame, rows);
    return std::vector<int>(rows, rows + n);
}

TEST(MainMenuEntriesTest, EntriesFollowTheSelectedModeAndTheCurrentGame)
{
    using V = std::vector<int>;
    struct Case {
        int mode;
        bool hasCurrentGame;
        V rows;
    } cases[] = {
        {kGameFreePlay, false, V{0, 2, 1, 4, 5, 6, 11}},
        {kGameFreePlay, true, V{0, 2, 1, 4, 5, 6, 11}},
        {kGameFrenzy, true, V{0, 3, 1, 4, 5, 6, 11}},
        {kGameChallenge, true, V{0, 3, 1, 4, 5, 6, 11}},
        {kGameFrenzy, false, V{0, 1, 4, 5, 6, 11}},
        {kGameChallenge, false, V{0, 1, 4, 5, 6, 11}},
        {kGameArcade, true, V{0, 1, 4, 5, 6, 11}},
        {kGameBlitz, true, V{0, 1, 4, 5, 6, 11}},
        {kGameTwoPlayer, true, V{0, 1, 4, 5, 6, 11}},
        {kGameBeatTheClock, true, V{0, 1, 4, 5, 6, 11}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rows, entriesOf(c.mode, c.hasCurrentGame)) << "mode " << c.mode << " game " << c.hasCurrentGame;
}

TEST(MainMenuEntriesTest, HighScoresReadMyProgressInFreePlayOnly)
{
    EXPECT_EQ(90, mainMenuCaptionId(kRowHighScores, kGameFreePlay));
    EXPECT_EQ(81, mainMenuCaptionId(kRowHighScores, kGameArcade));
    EXPECT_EQ(82, mainMenuCaptionId(kRowStatistics, kGameFreePlay));
    EXPECT_EQ(91, mainMenuCaptionId(kRowThemes, kGameFreePlay));
}

TEST(MainMenuEntriesTest, ResumePanelSitsBelowTheEntries)
{
    struct Case {
        int entries;
        bool offset;
        int y;
    } cases[] = {{6, false, 376}, {7, false, 392}, {6, true, 403}, {7, true, 419},
                 {3, false, 360}, {5, false, 360}, {8, false, 408}, {12, false, 408}};
    for (const Case& c : cases)
        EXPECT_EQ(c.y, resumePanelY(c.entries, c.offset)) << c.entries << " entries, offset " << c.offset;
}

class MainMenuButtonTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        caption = solidRegion(atlas, 40, 10, RGBA{0, 0, 200, 255});
        graphics.common[kEntryMenuHighlight] = solidRegion(highlightSheet, 60, 3, RGBA{100, 0, 0, 255});
        atlas.uploadPages();
        highlightSheet.uploadPages();
        gGameGraphics = &graphics;
    }
    void TearDown() override
    {
        gGameGraphics = nullptr;
        ScreenTest::TearDown();
    }

    static SpriteRef solidRegion(SpriteSheet& sheet, int w, int h, RGBA colour)
    {
        SpriteRef region = sheet.reserveRegion(w, h, 1);
        const PixelView view = region.pixelView(0);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                view.pixels[y * view.stride + x] = colour;
        return region;
    }

    SpriteSheet atlas{256, 256, false};
    SpriteSheet highlightSheet{256, 256, false};
    SpriteRef caption;
    GameGraphics graphics;
};

TEST_F(MainMenuButtonTest, CaptionIsDrawnFourPixelsLowAndTheHighlightAddedOnlyWhilePressed)
{
    MainMenuButton button(caption);
    EXPECT_EQ(40, button.width());
    EXPECT_EQ(10, button.height());
    button.render(100, 200, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(110, 204), RGBA{0, 0, 200, 255}));
    EXPECT_TRUE(pixelNear(pixel(110, 203), RGBA{0, 0, 0, 255})) << "nothing above the caption";
    EXPECT_TRUE(pixelNear(pixel(110, 198), RGBA{0, 0, 0, 255})) << "no highlight";

    clearFrame(0, 0, 0, 1);
    button.render(100, 200, 1.0f, -1.0f, 1.0f, 0.0f, true);
    EXPECT_TRUE(pixelNear(pixel(110, 198), RGBA{100, 0, 0, 255})) << "highlight from y - 2";
    EXPECT_TRUE(pixelNear(pixel(110, 197), RGBA{0, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(110, 200), RGBA{100, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(110, 204), RGBA{0, 0, 200, 255})) << "caption not dimmed";
    EXPECT_TRUE(pixelNear(pixel(155, 199), RGBA{100, 0, 0, 255})) << "highlight at the button's x, wider than it";

    clearFrame(0, 0, 0, 1);
    graphics.common[kEntryMenuHighlight] = caption;  // added, not laid over: blue plus blue would clip to white
    button.render(100, 200, 1.0f, -1.0f, 1.0f, 0.0f, true);
    EXPECT_TRUE(pixelNear(pixel(110, 205), RGBA{0, 0, 255, 255})) << "additive over the caption";
}

class MainMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        useEnglish();
    }

    static void useEnglish()
    {
        useTextsById(kEnglish, {{80, "Play"}, {81, "High Scores"}, {82, "Statistics"}, {83, "Restart Level"},
                                {84, "Settings"}, {85, "How to Play"}, {86, "Contact Us"}, {87, "Resume Game"},
                                {90, "My Progress"}, {91, "Themes"}});
    }

    static MainMenuSetup setupOf(int mode, bool hasGame, bool hasBoard, bool offset = false)
    {
        MainMenuSetup setup;
        setup.selectedMode = mode;
        setup.hasCurrentGame = hasGame;
        setup.gameInProgress = hasGame && hasBoard;
        setup.menuOffset = offset;
        return setup;
    }

    // The tags of the entries laid out in the frame, top to bottom (the resume button is not one of them).
    static std::vector<int> entryTags(const KelzoMainMenuNew& menu)
    {
        std::vector<int> tags;
        for (int i = 0; i < menu.inner.children.size(); i++) {
            const ViewChild& child = menu.inner.children[i];
            if (child.tappable && child.tag != kRowResume)
                tags.push_back(child.tag);
        }
        return tags;
    }

    static const ViewChild* childWithTag(const KelzoMainMenuNew& menu, int tag)
    {
        for (int i = 0; i < menu.inner.children.size(); i++)
            if (menu.inner.children[i].tag == tag)
                return &menu.inner.children[i];
        return nullptr;
    }

    // Presses at the middle of one entry and releases at the middle of another (or the same).
    static int tap(KelzoMainMenuNew& menu, int fromTag, int toTag)
    {
        const ViewChild* from = childWithTag(menu, fromTag);
        const ViewChild* to = childWithTag(menu, toTag);
        EXPECT_TRUE(from && to);
        if (!from || !to)
            return -2;
        ViewElementI* a = from->element.get();
        ViewElementI* b = to->element.get();
        menu.handleTouch(TouchDown, a->x + a->width() / 2, a->y + a->height() / 2);
        menu.handleTouch(TouchMove, b->x + b->width() / 2, b->y + b->height() / 2);
        return menu.handleTouch(TouchUp, b->x + b->width() / 2, b->y + b->height() / 2);
    }
};

TEST_F(MainMenuTest, EntriesResumeButtonAndItsHeightByModeAndGame)
{
    using V = std::vector<int>;
    struct Case {
        int mode;
        bool hasGame, hasBoard, offset;
        V tags;
        int resumeY;  // -1: no resume button
    } cases[] = {
        {kGameFreePlay, true, true, false, V{0, 2, 1, 4, 5, 6, 11}, 392},
        {kGameFreePlay, false, false, false, V{0, 2, 1, 4, 5, 6, 11}, -1},
        {kGameFrenzy, true, true, false, V{0, 3, 1, 4, 5, 6, 11}, 392},
        {kGameChallenge, true, false, false, V{0, 3, 1, 4, 5, 6, 11}, -1},
        {kGameChallenge, false, false, false, V{0, 1, 4, 5, 6, 11}, -1},
        {kGameArcade, true, true, false, V{0, 1, 4, 5, 6, 11}, 376},
        {kGameArcade, true, true, true, V{0, 1, 4, 5, 6, 11}, 403},
        {kGameFreePlay, true, true, true, V{0, 2, 1, 4, 5, 6, 11}, 419},
        {kGameBeatTheClock, true, true, false, V{0, 1, 4, 5, 6, 11}, 376},
    };
    for (const Case& c : cases) {
        KelzoMainMenuNew menu(setupOf(c.mode, c.hasGame, c.hasBoard, c.offset));
        const std::string name = "mode " + std::to_string(c.mode) + " game " + std::to_string(c.hasGame) +
                                 " board " + std::to_string(c.hasBoard) + " offset " + std::to_string(c.offset);
        EXPECT_EQ(c.tags, entryTags(menu)) << name;
        EXPECT_EQ(0, menu.render()) << name << ": nothing on the menu moves, the loop may rest";
        const ViewChild* resume = childWithTag(menu, kRowResume);
        if (c.resumeY < 0) {
            EXPECT_EQ(nullptr, resume) << name;
            continue;
        }
        ASSERT_NE(nullptr, resume) << name;
        EXPECT_EQ(c.resumeY + 1, resume->y) << name;
        EXPECT_TRUE(resume->tappable && resume->centred) << name;
        const ViewChild& panel = menu.inner.children[menu.inner.children.size() - 2];
        EXPECT_EQ(c.resumeY, panel.y) << name << ": the panel under the caption";
        EXPECT_EQ(-1, panel.tag) << name;
    }
}

TEST_F(MainMenuTest, EveryEntryButTheFirstHasADividerAbove)
{
    KelzoMainMenuNew menu(setupOf(kGameFreePlay, false, false));
    int entries = 0;
    int dividers = 0;
    bool previousWasDivider = false;
    for (int i = 0; i < menu.inner.children.size(); i++) {
        const ViewChild& child = menu.inner.children[i];
        if (child.tappable) {
            EXPECT_EQ(entries > 0, previousWasDivider) << "entry " << child.tag;
            entries++;
            previousWasDivider = false;
        } else if (child.element && child.element->width() == 245 && child.element->height() == 3) {
            EXPECT_FALSE(previousWasDivider);
            EXPECT_EQ(-1, child.tag);
            dividers++;
            previousWasDivider = true;
        }
    }
    EXPECT_EQ(7, entries);
    EXPECT_EQ(6, dividers);
    EXPECT_EQ(7, menu.buttonCount);
}

TEST_F(MainMenuTest, GameInProgressRaisesTheFrameAndTheMenuOffsetLowersItAgainALittle)
{
    KelzoMainMenuNew plain(setupOf(kGameArcade, false, false));
    KelzoMainMenuNew withGame(setupOf(kGameArcade, true, true));
    KelzoMainMenuNew withOffset(setupOf(kGameArcade, true, true, true));
    EXPECT_EQ(plain.contentOffsetY - 34, withGame.contentOffsetY);
    EXPECT_EQ(plain.contentOffsetY - 31, withOffset.contentOffsetY);
}

TEST_F(MainMenuTest, FrameIsWiderInOtherLanguages)
{
    KelzoMainMenuNew english(setupOf(kGameArcade, false, false));
    useTextsById(kGerman, {{80, "Spielen"}});
    KelzoMainMenuNew german(setupOf(kGameArcade, false, false));
    EXPECT_EQ(50, english.frameMinimum);
    EXPECT_EQ(62, german.frameMinimum);
    EXPECT_EQ(english.contentOffsetX - 6, german.contentOffsetX) << "the frame's left edge moves out by half";
}

TEST_F(MainMenuTest, TapReturnsTheEntrysRowIdAndATapMovingToAnotherEntryNothing)
{
    KelzoMainMenuNew menu(setupOf(kGameFreePlay, true, true));
    menu.render();
    saveFrame("main_menu_free_play_with_game");
    for (int tag : {0, 2, 1, 4, 5, 6, 11, 7})
        EXPECT_EQ(tag, tap(menu, tag, tag)) << tag;
    EXPECT_EQ(-1, tap(menu, 1, 4));
    EXPECT_EQ(-1, tap(menu, 7, 11));
}

// The menu rests between touches, but a touch asks for the next frame: the pressed glow shows at once.
TEST_F(MainMenuTest, ATouchAsksForTheNextFrameAndTheFrameRestsTheMenuAgain)
{
    KelzoMainMenuNew menu(setupOf(kGameArcade, false, false));
    menu.render();
    EXPECT_EQ(-1, menu.frameWantedInMs());
    for (int phase : {TouchDown, TouchMove, TouchUp}) {
        menu.handleTouch(phase, 160, 200);
        EXPECT_EQ(0, menu.frameWantedInMs()) << phase;
        EXPECT_EQ(0, menu.render()) << phase;
        EXPECT_EQ(-1, menu.frameWantedInMs()) << phase;
    }
}

}  // namespace
