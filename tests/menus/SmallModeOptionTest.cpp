#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/Texture.h"
#include "menus/SmallModeOption.h"
#include "ui/MenuTextStyle.h"
#include "tests/ui/MenuTestFolder.h"

namespace {

class SmallModeOptionTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        writePicture("Easy_small.png", 40, 40, RGBA{0, 90, 0, 255});
        writePicture("Wide_small.png", 120, 90, RGBA{0, 90, 0, 255});
        writePicture("Glow.png", 129, 152, RGBA{200, 200, 200, 255});
        glow = glowSheet.addImage("Glow.png", 1.0f);
        ASSERT_EQ(glow.width, 129);
        setSharedMenuTexture(kSharedWood, plainWood(120));
    }


    SpriteSheet atlas{512, 512, false};
    SpriteSheet glowSheet{256, 256, false};
    SpriteRef glow;
};

TEST_F(SmallModeOptionTest, ReportsItsOwnSizeWhateverCaptionAndPicture)
{
    SmallModeOption tile(&atlas, "A very long caption for a small tile", "Wide_small.png", glow);
    EXPECT_EQ(tile.width(), 58);
    EXPECT_EQ(tile.height(), 70);
    ASSERT_EQ(tile.view.children.size(), 2);
    EXPECT_EQ(tile.view.children[0].element->width(), 80);
    // The caption's box holds a whole line of its 10 px font, engraving included, above the picture.
    const int caption = tile.view.children[0].element->height();
    EXPECT_EQ(caption, std::max(13, textLineHeight(defaultTextStyle(), 10) + 1));
    EXPECT_LE(caption, tile.view.children[1].y);
    EXPECT_EQ(tile.view.children[1].y, 15);
    bool consumed = false;
    tile.render(100, 100, 1, -1, 1, 0, false);
    EXPECT_EQ(tile.handleTouch(TouchDown, 110, 120, &consumed), -1) << "the row selects, never the tile";
    EXPECT_EQ(tile.view.children[0].element->x, 100 - 11) << "the caption reaches 11 px beyond each side";
}

TEST_F(SmallModeOptionTest, OnlyTheSelectedTileGlowsAboveAndLeftOfIt)
{
    SmallModeOption tile(&atlas, "Easy", "Easy_small.png", glow);
    atlas.uploadPages();
    glowSheet.uploadPages();
    const int x = 100, y = 100;
    // Just inside the glow's corner (it is 129 x 152 at 0.6: about 77 x 91) and outside the tile.
    const int gx = x - 12 + 2, gy = y - 18 + 2;

    clearFrame(0, 0, 0, 1);
    tile.render(x, y, 1, -1, 1, 0, false);
    EXPECT_TRUE(pixelNear(pixel(gx, gy), RGBA{0, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(x + 70, y + 85), RGBA{0, 0, 0, 255}));

    clearFrame(0, 0, 0, 1);
    tile.render(x, y, 1, -1, 1, 0, true);
    EXPECT_TRUE(pixelNear(pixel(gx, gy), RGBA{100, 100, 100, 255}, 3)) << "half the glow, added";
    EXPECT_TRUE(pixelNear(pixel(x - 12 + 75, y - 18 + 89), RGBA{100, 100, 100, 255}, 3)) << "scaled to 0.6";
    EXPECT_TRUE(pixelNear(pixel(x - 12 + 80, y - 18 + 2), RGBA{0, 0, 0, 255})) << "not at full size";
}

}  // namespace
