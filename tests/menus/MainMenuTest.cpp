#include "tests/menus/ScreenTestSupport.h"

#include <vector>

#include "board/GameGraphics.h"
#include "board/GameType.h"
#include "graphics/GlState.h"
#include "menus/MainMenuButton.h"
#include "menus/MainMenuEntries.h"

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

}  // namespace
