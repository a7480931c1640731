#include "tests/graphics/GlTestContext.h"

#include <memory>

namespace {

class TextureTest : public GlTest {};

TEST_F(TextureTest, StorageIsThePowerOfTwoAllocation) {
    Texture t(new Bitmap(300, 200, true), true, false);
    EXPECT_EQ(t.width, 300);
    EXPECT_EQ(t.height, 200);
    EXPECT_EQ(t.storageWidth(), 512);
    EXPECT_EQ(t.storageHeight(), 256);
    ASSERT_NE(t.rgba->pixels, nullptr) << "pixels kept when asked";

    Texture freed(new Bitmap(20, 20, true), false, false);
    EXPECT_EQ(freed.rgba->pixels, nullptr) << "pixels freed after the upload";
    EXPECT_EQ(freed.storageWidth(), 32) << "the bitmap stays attached for its size";
    EXPECT_EQ(freed.pixelAt(0, 0), 0u);

    MonoBitmap* mono = new MonoBitmap(10, 40, true);
    Texture alpha(mono);
    EXPECT_EQ(alpha.alpha, mono);
    EXPECT_EQ(alpha.storageHeight(), 64);

    Texture screen(64, 32);
    EXPECT_EQ(screen.storageWidth(), 64);
    EXPECT_EQ(screen.rgba, nullptr);
}

TEST_F(TextureTest, PixelAtReadsKeptPixels) {
    std::unique_ptr<Texture> t(solidTexture(4, 4, RGBA{1, 2, 3, 4}, true));
    EXPECT_EQ(t->pixelAt(3, 3), 0x04030201u);
    EXPECT_EQ(t->pixelAt(5, 5), 0u) << "padding";
    EXPECT_EQ(t->pixelAt(-1, 99), 0u);
}

TEST_F(TextureTest, NotOwnedBitmapOutlivesTheTexture) {
    Bitmap page(16, 16, true);
    page.at(0, 0) = RGBA{9, 9, 9, 9};
    delete new Texture(&page, true, true);
    EXPECT_EQ(page.at(0, 0).r, 9);
}

TEST_F(TextureTest, BlendModeCacheSkipsRepeats) {
    EXPECT_EQ(setBlendMode(BlendAlpha), 1);
    EXPECT_EQ(gBlendMode, BlendAlpha);
    glBlendFunc(GL_ONE, GL_ONE);  // behind the cache's back: a repeat must not touch GL
    EXPECT_EQ(setBlendMode(BlendAlpha), 0);
    GLint src = 0;
    glGetIntegerv(GL_BLEND_SRC, &src);
    EXPECT_EQ(src, GL_ONE);
    EXPECT_EQ(gRenderStats.blendChanges, 1);

    EXPECT_EQ(setBlendMode(999), 0);
    EXPECT_EQ(gBlendMode, BlendAlpha) << "an unknown id keeps the old one";

    struct Case {
        int id;
        GLint src, dst;
    } cases[] = {{BlendAdditiveAlpha, GL_SRC_ALPHA, GL_ONE},      {BlendAlpha, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
                 {BlendPremultiplied, GL_ONE, GL_ONE_MINUS_SRC_ALPHA}, {BlendErase, GL_ZERO, GL_ONE_MINUS_SRC_ALPHA},
                 {BlendPremultiplied2, GL_ONE, GL_ONE_MINUS_SRC_ALPHA}, {BlendAdditive, GL_ONE, GL_ONE},
                 {BlendModulateAlpha, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}};
    for (const Case& c : cases) {
        setBlendMode(c.id);
        GLint s = 0, d = 0, mode = 0;
        glGetIntegerv(GL_BLEND_SRC, &s);
        glGetIntegerv(GL_BLEND_DST, &d);
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        EXPECT_TRUE(glIsEnabled(GL_BLEND)) << c.id;
        EXPECT_EQ(s, c.src) << c.id;
        EXPECT_EQ(d, c.dst) << c.id;
        EXPECT_EQ(mode, c.id == BlendModulateAlpha ? GL_MODULATE : GL_COMBINE) << c.id;
    }
    setBlendMode(BlendOpaque);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(TextureTest, ResetLeavesAKnownState) {
    std::unique_ptr<Texture> t(solidTexture(8, 8, RGBA{255, 255, 255, 255}));
    setBlendMode(BlendAdditive);
    setColourArray(true);
    bindTexture(t.get());
    EXPECT_EQ(gRenderStats.textureBinds, 1);
    bindTexture(t.get());
    EXPECT_EQ(gRenderStats.textureBinds, 1) << "a repeated bind is skipped";
    resetGlState();
    EXPECT_EQ(gBlendMode, BlendOpaque);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    EXPECT_EQ(gRenderBatch.colourArrayOn, 0);
    bindTexture(t.get());
    EXPECT_EQ(gRenderStats.textureBinds, 2) << "the first bind after a reset always binds";
}

TEST_F(TextureTest, DeletingTheBatchedTextureDrawsItFirst) {
    Texture* t = solidTexture(16, 16, RGBA{0, 255, 0, 255});
    drawTexture(t, 10, 10, DrawParams());
    EXPECT_EQ(gRenderBatch.current, t);
    delete t;
    EXPECT_EQ(gRenderBatch.current, nullptr);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 1);
    EXPECT_TRUE(pixelNear(pixel(12, 12), RGBA{0, 255, 0, 255}));

    Texture* other = solidTexture(16, 16, RGBA{0, 255, 0, 255});
    Texture* idle = solidTexture(16, 16, RGBA{0, 255, 0, 255});
    drawTexture(other, 0, 0, DrawParams());
    delete idle;
    EXPECT_EQ(gRenderBatch.current, other) << "deleting a texture the batch does not hold leaves it alone";
    delete other;
}

TEST_F(TextureTest, ClipRectangleIsFlippedToGlRows) {
    struct Case {
        float x1, y1, x2, y2;
        GLint box[4];
    } cases[] = {{0, 0, 320, 480, {0, 0, 320, 480}}, {10, 20, 110, 70, {10, 410, 100, 50}},
                 {10.7f, 20.9f, 110.2f, 70.5f, {10, 409, 99, 49}}};
    for (const Case& c : cases) {
        setClipRect(c.x1, c.y1, c.x2, c.y2);
        GLint box[4];
        glGetIntegerv(GL_SCISSOR_BOX, box);
        EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(box[i], c.box[i]) << i;
    }
    std::unique_ptr<Texture> t(solidTexture(320, 480, RGBA{255, 255, 255, 255}));
    setClipRect(10, 20, 110, 70);
    drawTexture(t.get(), 0, 0, DrawParams());
    disableClip();
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(pixel(10, 20).r, 255);
    EXPECT_EQ(pixel(109, 69).r, 255);
    EXPECT_EQ(pixel(9, 20).r, 0);
    EXPECT_EQ(pixel(10, 70).r, 0);
}

TEST_F(TextureTest, RegionUpdateWritesTheVisiblePicture) {
    std::unique_ptr<Texture> t(solidTexture(32, 32, RGBA{0, 0, 0, 255}));
    Bitmap patch(3, 2, true);  // stride 16, wider than the picture
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) patch.at(x, y) = RGBA{255, (unsigned char)(100 * y), 0, 255};
    t->updateRegion(&patch, 4, 5);
    DrawParams p;
    p.blendMode = BlendOpaque;
    drawTexture(t.get(), 0, 0, p);
    EXPECT_TRUE(pixelNear(pixel(4, 5), RGBA{255, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(6, 6), RGBA{255, 100, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(7, 5), RGBA{0, 0, 0, 255}));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

}  // namespace
