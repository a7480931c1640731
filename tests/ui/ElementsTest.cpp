#include "tests/graphics/GlTestContext.h"

#include "board/GameGraphics.h"
#include "graphics/SpriteSheet.h"
#include "tests/ui/FakeElement.h"
#include "ui/Glower.h"
#include "ui/ImageElement.h"
#include "ui/ImageElementExt.h"
#include "ui/IndexElement.h"
#include "ui/IndexElementExt.h"
#include "ui/MarginWrapper.h"
#include "ui/SharedMenuTextures.h"

namespace {

Bitmap* filled(int w, int h, RGBA colour)
{
    Bitmap* b = new Bitmap(w, h, true);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            b->at(x, y) = colour;
    return b;
}

const RGBA kGrey200 = {200, 200, 200, 255};
// 200 on wood of 64 comes out 99 (see WoodOverlayTest).
const int kOnDarkWood = 99;

class ElementsTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        setSharedMenuTexture(kSharedWood, filled(320, 480, RGBA{64, 64, 64, 255}));
    }
    void TearDown() override
    {
        releaseSharedMenuTextures();
        GlTest::TearDown();
    }
};

TEST_F(ElementsTest, ImageTakesTheWoodAtItsFirstPlacementOnly)
{
    ImageElement image(filled(4, 4, kGrey200), ImageElement::ModeWood);
    EXPECT_EQ(4, image.width());
    image.setPosition(10, 20, 10.0f, 20.0f);
    ASSERT_TRUE(image.texture);
    EXPECT_EQ(nullptr, image.source) << "the picture became the texture";
    EXPECT_EQ(1, image.made);
    Texture* made = image.texture.get();
    image.setPosition(50, 60, 50.0f, 60.0f);
    EXPECT_EQ(made, image.texture.get()) << "later placements only move it";
    image.render(100.7f, 50.2f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(101, 51), RGBA{kOnDarkWood, kOnDarkWood, kOnDarkWood, 255}, 1));
    EXPECT_TRUE(pixelNear(pixel(100, 50), RGBA{kOnDarkWood, kOnDarkWood, kOnDarkWood, 255}, 1))
        << "drawn at whole pixels";
}

TEST_F(ElementsTest, ImageNeverPlacedPreparesAtItsFirstDrawing)
{
    ImageElement plain(filled(4, 4, kGrey200), ImageElement::ModePremultiplied);
    plain.render(30.0f, 40.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_EQ(1, plain.made);
    EXPECT_TRUE(pixelNear(pixel(31, 41), kGrey200, 1)) << "mode 0 keeps its colours";
    ImageElement wooden(filled(4, 4, kGrey200), ImageElement::ModeWood);
    wooden.render(60.0f, 40.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(61, 41), RGBA{kOnDarkWood, kOnDarkWood, kOnDarkWood, 255}, 1));
}

TEST_F(ElementsTest, PressedPictureLiesUnderThePictureWhileArmed)
{
    Ref<Texture> red(solidTexture(8, 8, RGBA{128, 0, 0, 128}));
    Ref<Texture> blue(solidTexture(8, 8, RGBA{0, 0, 255, 255}));
    ImageElement image(red, blue);
    image.render(0, 0, 1.0f, -1.0f, 1.0f, 0.0f, false);
    image.render(20, 0, 1.0f, -1.0f, 1.0f, 0.0f, true);
    EXPECT_TRUE(pixelNear(pixel(4, 4), RGBA{128, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(24, 4), RGBA{128, 0, 127, 255}));
}

TEST_F(ElementsTest, ImageExtIsPaddedShiftedAndScaled)
{
    ImageElementExt image(filled(4, 4, RGBA{255, 255, 255, 255}), ImageElement::ModePremultiplied);
    image.padX = 3;
    image.padY = 2;
    image.extraX = 5;
    image.extraY = 1;
    image.scale = 2.0f;
    EXPECT_EQ(4 + 5 + 6, image.width());
    EXPECT_EQ(4 + 1 + 4, image.height());
    image.render(100, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    // At (108, 103), 8 x 8 (twice 4): the storage of 16 is drawn too, but its padding is clear. Away from the
    // edges, which the filtering softens.
    EXPECT_TRUE(pixelNear(pixel(110, 105), RGBA{255, 255, 255, 255}, 1));
    EXPECT_TRUE(pixelNear(pixel(113, 108), RGBA{255, 255, 255, 255}, 1));
    EXPECT_TRUE(pixelNear(pixel(107, 103), RGBA{0, 0, 0, 255}, 1));
    EXPECT_TRUE(pixelNear(pixel(117, 103), RGBA{0, 0, 0, 255}, 1));
}

TEST_F(ElementsTest, SheetPictureTakesTheWoodOnceBeforeTheUpload)
{
    SpriteSheet atlas(64, 64, false);
    SpriteRef ref = atlas.addBitmap(filled(4, 4, kGrey200), true, 0);
    IndexElement element(ref, true);
    EXPECT_EQ(4, element.width());
    element.setPosition(1, 0, 1.0f, 0.0f);
    element.setPosition(1, 0, 1.0f, 0.0f);
    PixelView view = ref.pixelView(0);
    ASSERT_NE(nullptr, view.pixels);
    EXPECT_EQ(kOnDarkWood, view.pixels[0].r) << "blended once, not twice";
    atlas.uploadPages();
    element.render(50, 50, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(51, 51), RGBA{kOnDarkWood, kOnDarkWood, kOnDarkWood, 255}, 1));
}

TEST_F(ElementsTest, TallSheetPictureStretchesOnlyItsMiddle)
{
    // 8 x 70: 32 red rows, 6 green, 32 blue; 30 rows more make the green band 36 rows tall.
    Bitmap* caption = new Bitmap(8, 70, true);
    for (int y = 0; y < 70; y++)
        for (int x = 0; x < 8; x++)
            caption->at(x, y) = y < 32 ? RGBA{255, 0, 0, 255} : y < 38 ? RGBA{0, 255, 0, 255} : RGBA{0, 0, 255, 255};
    SpriteSheet atlas(64, 128, false);
    IndexElementExt element(atlas.addBitmap(caption, true, 0));
    element.extraHeight = 30;
    element.padX = 2;
    element.padY = 4;
    EXPECT_EQ(8 + 4, element.width());
    EXPECT_EQ(70 + 30 + 8, element.height());
    atlas.uploadPages();
    element.render(10, 10, 1.0f, -1.0f, 1.0f, 0.0f, false);
    struct {
        int y;
        RGBA colour;
    } rows[] = {{14, {255, 0, 0, 255}}, {44, {255, 0, 0, 255}}, {60, {0, 255, 0, 255}}, {67, {0, 255, 0, 255}},
                {84, {0, 0, 255, 255}}, {113, {0, 0, 255, 255}}, {115, {0, 0, 0, 255}}};
    // Red 14..45, green 46..81 (band edges softened by the filtering), blue 82..113.
    for (const auto& row : rows)
        EXPECT_TRUE(pixelNear(pixel(14, row.y), row.colour, 8)) << "row " << row.y;
}

TEST_F(ElementsTest, MarginWrapperOwnsItsChildAndAddsUnscaledMargins)
{
    FakeElement* child = new FakeElement(10, 20);
    Ref<ViewElementI> wrapper(new MarginWrapper(child, 3, 4));
    EXPECT_EQ(16, wrapper->width());
    EXPECT_EQ(28, wrapper->height());
    wrapper->render(100, 200, 2.0f, -1.0f, 0.5f, 0.0f, true);
    EXPECT_FLOAT_EQ(103, child->lastX);
    EXPECT_FLOAT_EQ(204, child->lastY);
    EXPECT_FLOAT_EQ(2.0f, child->scaleX);
    EXPECT_TRUE(child->selected);
    wrapper->setPosition(7, 8, 7.5f, 8.5f);
    EXPECT_EQ(7, child->placedX);
    EXPECT_FLOAT_EQ(8.5f, child->exactY);
    bool consumed = false;
    EXPECT_EQ(-1, wrapper->handleTouch(TouchDown, 101, 201, &consumed));
}

// The glow is stretched over the size its owner gives it, so a tall area lights from top to foot.
TEST_F(ElementsTest, GlowShowsOnlyWhileArmedAlwaysOpaqueOverItsWholeArea)
{
    GameGraphics graphics;
    SpriteSheet sheet(64, 64, false);
    graphics.common[kEntryMenuHighlight] = sheet.addBitmap(filled(8, 8, RGBA{0, 255, 0, 255}), true, 0);
    sheet.uploadPages();
    gGameGraphics = &graphics;
    Glower glow(1.0f, 8, 8);
    glow.render(0, 0, 1.0f, -1.0f, 0.3f, 0.0f, false);
    glow.render(20, 0, 1.0f, -1.0f, 0.3f, 0.0f, true);
    Glower tall(1.0f, 16, 24);
    tall.render(40, 0, 1.0f, -1.0f, 1.0f, 0.0f, true);
    gGameGraphics = nullptr;
    EXPECT_TRUE(pixelNear(pixel(4, 4), RGBA{0, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(24, 4), RGBA{0, 255, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(53, 20), RGBA{0, 255, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(58, 26), RGBA{0, 0, 0, 255}));
}

}  // namespace
