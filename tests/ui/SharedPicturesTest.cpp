#include "tests/ui/MenuTestFolder.h"

#include <memory>

#include "graphics/SpriteSheet.h"
#include "tests/support/SamePixel.h"
#include "ui/WoodPanel.h"

namespace {

class SharedPicturesTest : public MenuTestFolder {};

int count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        n++;
    return n;
}

TEST_F(SharedPicturesTest, LoadOnceAlsoWhenAPictureIsMissing)
{
    writePicture("Wood_Mask_50x50.png", 50, 50, RGBA{0, 0, 255, 255});
    writePicture("MenuShadow_100x100.png", 100, 100, RGBA{0, 0, 0, 60});
    // No highlight.
    ::testing::internal::CaptureStdout();
    loadSharedMenuTextures();
    Bitmap* mask = gSharedMenuTextures[kSharedWoodMask];
    writePicture("Wood_Highlight_50x50.png", 50, 50, RGBA{9, 9, 9, 255});  // comes too late: not looked for again
    loadSharedMenuTextures();
    const std::string log = ::testing::internal::GetCapturedStdout();
    ASSERT_NE(nullptr, mask);
    EXPECT_EQ(50, mask->width);
    EXPECT_EQ(mask, gSharedMenuTextures[kSharedWoodMask]) << "the second call loads nothing";
    EXPECT_EQ(nullptr, gSharedMenuTextures[kSharedWoodHighlight]);
    ASSERT_NE(nullptr, gSharedMenuTextures[kSharedMenuShadow]);
    EXPECT_EQ(1, count(log, "menu picture Wood_Highlight_50x50.png is missing")) << log;

    // A panel is still composed, without the highlight.
    SpriteSheet atlas(512, 256, false);
    SpriteRef panel;
    setSharedMenuTexture(kSharedWood, plainWood(120));
    makeMenuTextPanel(&panel, &atlas, 80, 20, 1.0f, 0, 0);
    EXPECT_EQ(20 + 220 - 30 + 50 + 20, panel.width);
    EXPECT_EQ(80 - 5, panel.height);
    const PixelView view = panel.pixelView(0);
    EXPECT_EQ(120, view.pixels[20 * view.stride + 60].r) << "plain wood where the mask is set";

    // Forgotten at shut-down: the next program run (or test) loads again.
    releaseSharedMenuTextures();
    loadSharedMenuTextures();
    EXPECT_NE(nullptr, gSharedMenuTextures[kSharedWoodHighlight]);
}

TEST_F(SharedPicturesTest, MenuShadowDimsWhatLiesBelow)
{
    loadSharedMenuTextures();
    ASSERT_TRUE(gMenuShadowTexture);
    EXPECT_EQ(40, gMenuShadowTexture->width);
    EXPECT_EQ(60, gMenuShadowTexture->height);
    clearFrame(1, 1, 1, 1);
    DrawParams enlarged;
    enlarged.scaleX = 2.0f;
    drawTexture(gMenuShadowTexture.get(), 0, 0, enlarged);
    // (0, 0, 0, 80) over white: 255 x (1 - 80 / 255).
    EXPECT_TRUE(pixelNear(pixel(50, 70), RGBA{175, 175, 175, 255}));
}

TEST_F(SharedPicturesTest, PanelWithoutAnyPictureIsAnEmptyRegionOfTheUsualSize)
{
    SpriteSheet atlas(512, 256, false);
    SpriteRef panel;
    composeWoodPanel(&panel, &atlas, nullptr, 11, 11, 100, 60, nullptr, nullptr, 0.5f, 0, 0);
    EXPECT_EQ(100 - 30 + 50 + 20, panel.width);
    EXPECT_EQ(55, panel.height);
    const PixelView view = panel.pixelView(0);
    for (int y = 0; y < view.height; y++)
        for (int x = 0; x < view.width; x++)
            ASSERT_EQ(0, view.pixels[y * view.stride + x].a);
}

// Pictures whose pixels tell where they came from.
Bitmap* markedPicture(int w, int h, unsigned char blue)
{
    Bitmap* b = new Bitmap(w, h, false);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            b->at(x, y) = RGBA{(unsigned char)x, (unsigned char)y, blue, 255};
    return b;
}

TEST_F(SharedPicturesTest, PanelIsNineSlicedFromShadowShapeAndWood)
{
    std::unique_ptr<Bitmap> shadow(markedPicture(100, 100, 0));
    for (int y = 0; y < 100; y++)
        shadow->at(1, y) = RGBA{0, 0, 0, 0};  // a clear column: the sides copy only what shows
    std::unique_ptr<Bitmap> wood(markedPicture(320, 240, 7));
    // A 6 x 6 shape with corners of 2, its own four corner pixels off.
    std::unique_ptr<Bitmap> shape(markedPicture(6, 6, 255));
    for (int corner : {0, 5})
        for (int other : {0, 5})
            shape->at(corner, other).b = 0;
    SpriteSheet atlas(256, 256, false);
    SpriteRef panel;
    // W = 100, H = 70: region (100 + 6 + 20) x 95; wood in columns 10..115, rows 0..69.
    composeWoodPanel(&panel, &atlas, shape.get(), 2, 2, 130, 100, wood.get(), shadow.get(), 1.0f, 3, 4);
    ASSERT_EQ(126, panel.width);
    ASSERT_EQ(95, panel.height);
    const PixelView view = panel.pixelView(0);
    auto at = [&](int x, int y) { return view.pixels[y * view.stride + x]; };
    struct {
        int x, y;
        RGBA expected;
        const char* what;
    } cases[] = {
        {0, 70, shadow->at(0, 80), "foot: the shadow's last 20 rows from row H"},
        {50, 89, shadow->at(50, 99), "foot: left columns as they are"},
        {51, 75, shadow->at(51, 85), "foot: column 51 repeated"},
        {77, 75, shadow->at(51, 85), "foot: still column 51"},
        {78, 75, shadow->at(52, 85), "foot: the right part, right edges meeting"},
        {125, 89, shadow->at(99, 99), "foot: right edge"},
        {5, 3, shadow->at(5, 3), "left side, top rows as they are"},
        {5, 50, shadow->at(5, 50), "left side, row 50"},
        {5, 60, shadow->at(5, 90), "left side, lower rows end at the wood's last row"},
        {5, 69, shadow->at(5, 99), "left side, last row"},
        {1, 20, RGBA{0, 0, 0, 0}, "left side: clear shadow pixels are not copied"},
        {125, 3, shadow->at(99, 3), "right side from the shadow's right columns"},
        {118, 3, shadow->at(92, 3), "right side, 18th column"},
        {10, 0, shadow->at(10, 0), "the shape's top-left corner is off: the side shadow stays"},
        {11, 0, wood->at(3 + 11, 4 + 0), "wood from the wood picture at (woodX + column, woodY + row)"},
        {60, 30, wood->at(63, 34), "wood in the middle"},
        {115, 69, shadow->at(89, 99), "the shape's bottom-right corner is off"},
        {114, 69, wood->at(117, 73), "wood next to it"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(same(c.expected, at(c.x, c.y))) << c.what << " at " << c.x << ", " << c.y;
}

TEST_F(SharedPicturesTest, HighlightAndBrightness)
{
    std::unique_ptr<Bitmap> wood(markedPicture(320, 240, 200));
    std::unique_ptr<Bitmap> shape(markedPicture(6, 6, 255));
    Bitmap* highlight = new Bitmap(6, 6, false);
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 6; x++)
            highlight->at(x, y) = RGBA{100, 100, 100, 128};
    setSharedMenuTexture(kSharedWoodHighlight, highlight);
    SpriteSheet atlas(256, 256, false);
    SpriteRef bright, dim;
    composeWoodPanel(&bright, &atlas, shape.get(), 2, 2, 60, 60, wood.get(), nullptr, 1.0f, 0, 0);
    composeWoodPanel(&dim, &atlas, shape.get(), 2, 2, 60, 60, wood.get(), nullptr, 0.5f, 0, 0);
    const PixelView b = bright.pixelView(0), d = dim.pixelView(0);
    const RGBA lit = b.pixels[10 * b.stride + 20];
    // Wood (20, 10, 200) with (100, 100, 100) at alpha 128 over it: (c x 127 + 100 x 128) / 255.
    EXPECT_EQ((20 * 127 + 100 * 128) / 255, lit.r);
    EXPECT_EQ((10 * 127 + 100 * 128) / 255, lit.g);
    EXPECT_EQ((200 * 127 + 100 * 128) / 255, lit.b);
    EXPECT_EQ(255, lit.a);
    // Half brightness: times (int)(0.5 x 255) = 127, shifted by 8.
    const RGBA dimmed = d.pixels[10 * d.stride + 20];
    EXPECT_EQ((lit.r * 127) >> 8, dimmed.r);
    EXPECT_EQ((lit.b * 127) >> 8, dimmed.b);
}

}  // namespace
