#include "tests/menus/ScreenTestSupport.h"

#include <memory>
#include <string>

#include "menus/Panel.h"
#include "menus/ThemeTiles.h"

namespace {

const RGBA kPreviewColour = {100, 200, 30, 255};

class ThemePanelTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        for (int theme = 0; theme < 6; theme++)
            writePicture(themePreviewName(theme), 136, 195, kPreviewColour);
    }

    // A caption exactly `target` px wide at the size, or "" when the font gives none of this shape.
    static std::string captionOfWidth(int target, int size)
    {
        for (int wide = 0; wide < 20; wide++)
            for (int narrow = 0; narrow < 40; narrow++) {
                const std::string caption = std::string(wide, 'M') + std::string(narrow, 'i');
                if (!caption.empty() && widthOf(caption, size) == target)
                    return caption;
            }
        return std::string();
    }

    SpriteSheet atlas{512, 512, false, 512, 256};
};

TEST(ThemeTilesTest, TilesOfferFourThemesAndTheChosenOneGivesWayToTheFurballs)
{
    struct Case {
        int chosen;
        int tiles[4];
    } cases[] = {{0, {1, 2, 5, 4}}, {3, {1, 2, 5, 4}}, {1, {0, 2, 5, 4}},
                 {2, {1, 0, 5, 4}}, {4, {1, 2, 5, 0}}, {5, {1, 2, 0, 4}}};
    for (const Case& c : cases)
        for (int tile = 0; tile < kThemeTileCount; tile++)
            EXPECT_EQ(c.tiles[tile], themeOfTile(tile, c.chosen)) << "chosen " << c.chosen << " tile " << tile;
}

TEST_F(ThemePanelTest, CaptionShrinksFrom16WhileWiderThan119LessItsSizeAndStopsAt8)
{
    const std::string fits = captionOfWidth(103, 16);
    const std::string tooWide = captionOfWidth(104, 16);
    ASSERT_FALSE(fits.empty());
    ASSERT_FALSE(tooWide.empty());
    EXPECT_EQ(16, fitThemeCaption(fits.c_str())) << "103 is not wider than 119 - 16";
    ASSERT_LE(widthOf(tooWide, 15), 104) << "the 104 px caption fits at 15";
    EXPECT_EQ(15, fitThemeCaption(tooWide.c_str()));
    const std::string endless(60, 'M');
    ASSERT_GT(widthOf(endless, 8), 111);
    EXPECT_EQ(8, fitThemeCaption(endless.c_str())) << "no smaller than 8, however long";
    EXPECT_EQ(16, fitThemeCaption(""));
}

TEST_F(ThemePanelTest, WhiteCaptionIsLetteredWithThePreviewUnderIt)
{
    Bitmap preview(themePreviewName(0), 1.0f, true);
    std::unique_ptr<Bitmap> lettered(letterThemeCaption("HHHH", 16, preview));
    ASSERT_EQ(128, lettered->width);
    ASSERT_EQ(20, lettered->height);
    int opaque = 0;
    for (int y = 0; y < lettered->height; y++)
        for (int x = 0; x < lettered->width; x++) {
            const RGBA p = lettered->at(x, y);
            if (p.a != 255)
                continue;
            opaque++;
            ASSERT_EQ(199, p.r) << x << "," << y;
            ASSERT_EQ(254, p.g) << x << "," << y;
            ASSERT_EQ(59, p.b) << x << "," << y;
        }
    EXPECT_GT(opaque, 20);
}

TEST_F(ThemePanelTest, PanelIsThePreviewWithItsCaptionCentredAt154AndGreyWhilePressed)
{
    Panel panel(&atlas, 2, "HHHH");
    EXPECT_EQ(136, panel.width());
    EXPECT_EQ(195, panel.height());
    EXPECT_EQ(2, panel.theme);
    EXPECT_EQ(16, panel.captionSize);
    atlas.uploadPages();

    panel.render(20, 30, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(40, 60), kPreviewColour));
    // The letters lie in the band from y 154 down, about the tile's middle column.
    int lettered = 0;
    for (int y = 30 + 154; y < 30 + 174; y++)
        for (int x = 20; x < 156; x++)
            lettered += pixelNear(pixel(x, y), RGBA{199, 254, 59, 255}, 3);
    EXPECT_GT(lettered, 20);
    for (int x = 20; x < 156; x++)
        ASSERT_TRUE(pixelNear(pixel(x, 30 + 153), kPreviewColour)) << "nothing above the band, x " << x;

    clearFrame(0, 0, 0, 1);
    panel.render(20, 30, 1.0f, -1.0f, 1.0f, 0.0f, true);
    EXPECT_TRUE(pixelNear(pixel(40, 60), RGBA{60, 120, 18, 255})) << "0.6 grey";
}

}  // namespace
