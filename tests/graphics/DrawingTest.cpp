#include "tests/graphics/GlTestContext.h"

#include <memory>

#include "graphics/ImageLoading.h"
#include "graphics/Lines.h"

namespace {

class DrawingTest : public GlTest {};

TEST_F(DrawingTest, EveryBlendModeOverBlue) {
    // A half-transparent red picture, premultiplied as decoded pictures are: (128, 0, 0, 128).
    std::unique_ptr<Texture> red(solidTexture(32, 32, RGBA{128, 0, 0, 128}));
    struct Case {
        int blend;
        RGBA expected;
    } cases[] = {
        {BlendAdditiveAlpha, {64, 0, 255, 255}}, {BlendOpaque, {128, 0, 0, 128}},
        {BlendAlpha, {64, 0, 127, 255}},         {BlendPremultiplied, {128, 0, 127, 255}},
        {BlendErase, {0, 0, 127, 255}},          {BlendPremultiplied2, {128, 0, 127, 255}},
        {BlendAdditive, {128, 0, 255, 255}},     {BlendModulateAlpha, {64, 0, 127, 255}},
    };
    clearFrame(0, 0, 1, 1);
    for (int i = 0; i < 8; ++i) {
        DrawParams p;
        p.blendMode = cases[i].blend;
        drawTexture(red.get(), 40.0f * i, 0, p);
    }
    saveFrame("draw_blends");
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(pixelNear(pixel(40 * i + 16, 16), cases[i].expected, 3)) << "blend " << cases[i].blend;
}

TEST_F(DrawingTest, FadedAndTintedPictures) {
    std::unique_ptr<Texture> white(solidTexture(32, 32, RGBA{255, 255, 255, 255}));
    clearFrame(0, 0, 1, 1);
    DrawParams faded;
    faded.alpha = 0.5f;
    drawTexture(white.get(), 0, 0, faded);
    DrawParams tinted;
    tinted.r = 1;
    tinted.g = 0.5f;
    tinted.b = 0;
    drawTexture(white.get(), 40, 0, tinted);
    DrawParams both = tinted;
    both.alpha = 0.5f;
    both.blendMode = BlendAlpha;
    drawTexture(white.get(), 80, 0, both);
    EXPECT_TRUE(pixelNear(pixel(16, 16), RGBA{128, 128, 255, 255})) << "faded white over blue";
    EXPECT_TRUE(pixelNear(pixel(56, 16), RGBA{255, 128, 0, 255})) << "tinted orange";
    EXPECT_TRUE(pixelNear(pixel(96, 16), RGBA{128, 64, 128, 255})) << "tinted and faded, straight alpha";
}

TEST_F(DrawingTest, DecodedPictureBlendsWithoutADarkFringe) {
    // An opaque picture must cover what is under it fully; a half-transparent white edge must come out half
    // white, not a quarter.
    Bitmap source(16, 16, false);  // written straight: left half opaque white, right half white at alpha 128
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) source.at(x, y) = RGBA{255, 255, 255, (unsigned char)(x < 8 ? 255 : 128)};
    ASSERT_TRUE(source.savePng("drawtest_edge.png"));
    std::unique_ptr<Texture> edge(new Texture("drawtest_edge.png", 1.0f, false));
    clearFrame(0, 0, 0, 1);
    DrawParams p;
    p.scaleX = 4;
    drawTexture(edge.get(), 0, 0, p);
    EXPECT_TRUE(pixelNear(pixel(16, 32), RGBA{255, 255, 255, 255}, 1));
    EXPECT_TRUE(pixelNear(pixel(48, 32), RGBA{128, 128, 128, 255}, 1));
}

TEST_F(DrawingTest, LinesKeepTheBatchStateInStep) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{0, 255, 0, 255}));
    drawTexture(t.get(), 0, 0, DrawParams());  // pending: the line must flush it first
    setBlendMode(BlendPremultiplied);
    const float from[2] = {0, 100.5f}, to[2] = {320, 100.5f};
    drawLine(from, to, 0xFFFF0000u, 3, BlendAlpha);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 1);
    EXPECT_EQ(gBlendMode, BlendPremultiplied) << "blend restored";
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_EQ(glIsEnabled(GL_COLOR_ARRAY) != 0, gRenderBatch.colourArrayOn != 0);

    const float points[8] = {10, 200.5f, 100, 200.5f, 10, 300.5f, 100, 300.5f};
    const float colours[16] = {0, 0, 1, 1, 0, 0, 1, 1, 1, 1, 0, 1, 1, 1, 0, 1};
    drawColouredLines(points, colours, 1, 2, BlendAlpha);
    EXPECT_EQ(glIsEnabled(GL_COLOR_ARRAY) != 0, gRenderBatch.colourArrayOn != 0);

    drawTexture(t.get(), 300, 0, DrawParams());  // textured drawing still works afterwards
    saveFrame("draw_lines");
    EXPECT_TRUE(pixelNear(pixel(160, 100), RGBA{255, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(50, 200), RGBA{0, 0, 255, 255}));
    EXPECT_TRUE(pixelNear(pixel(50, 300), RGBA{255, 255, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(8, 8), RGBA{0, 255, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(308, 8), RGBA{0, 255, 0, 255}));
}

}  // namespace
