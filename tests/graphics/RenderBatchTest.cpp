#include "tests/graphics/GlTestContext.h"

#include <memory>

#include "Core/GameClock.h"

namespace {

class RenderBatchTest : public GlTest {
protected:
    // One quad straight into the batch.
    static void add(Texture* t, int blend, float alpha = 1, float r = 1, float g = 1, float b = 1) {
        static const float square[12] = {0, 0, 0, 8, 8, 8, 8, 8, 8, 0, 0, 0};
        DrawParams p;
        p.blendMode = blend;
        p.alpha = alpha;
        p.r = r;
        p.g = g;
        p.b = b;
        gRenderBatch.addQuad(t, square, square, p);
    }
    static void expectColour(int vertex, BatchColour c) {
        const BatchColour& v = gRenderBatch.colours[vertex];
        EXPECT_FLOAT_EQ(v.r, c.r);
        EXPECT_FLOAT_EQ(v.g, c.g);
        EXPECT_FLOAT_EQ(v.b, c.b);
        EXPECT_FLOAT_EQ(v.a, c.a);
    }
};

TEST_F(RenderBatchTest, RunsOfOneTextureAndBlendShareADrawCall) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    std::unique_ptr<Texture> u(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    add(t.get(), BlendAlpha);
    add(t.get(), BlendAlpha);
    EXPECT_EQ(gRenderBatch.positions.size(), 12);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 0);
    add(t.get(), BlendAdditiveAlpha);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 1) << "a new blend flushes the first two";
    EXPECT_EQ(gRenderBatch.positions.size(), 6);
    add(u.get(), BlendAdditiveAlpha);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 2) << "a new texture flushes";
    gRenderBatch.flush();
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 3);
    EXPECT_EQ(gRenderBatch.quadsThisFrame, 4);
    EXPECT_EQ(gRenderBatch.current, nullptr);
    EXPECT_EQ(gRenderBatch.blendMode, BlendAdditiveAlpha) << "kept after the flush";
}

TEST_F(RenderBatchTest, AlphaTexturesAlwaysUseModulateAlpha) {
    std::unique_ptr<Texture> mono(new Texture(new MonoBitmap(16, 16, true)));
    add(mono.get(), BlendAlpha);
    EXPECT_EQ(gRenderBatch.blendMode, BlendModulateAlpha);
    add(mono.get(), BlendPremultiplied);
    EXPECT_EQ(gRenderBatch.blendMode, BlendModulateAlpha);
    EXPECT_EQ(gRenderBatch.positions.size(), 12) << "both quads in one run";
    setColourArray(true);
    gRenderBatch.flush();
    EXPECT_EQ(gBlendMode, BlendModulateAlpha);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY)) << "drawn in the current colour";
    EXPECT_EQ(gRenderBatch.colourArrayOn, 0);
}

TEST_F(RenderBatchTest, GlobalOpacityTurnsOpaqueIntoPremultiplied) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    gGlobalOpacity = 0.5f;
    add(t.get(), BlendOpaque, 1.0f, 1.0f, 0.5f, 0.0f);
    EXPECT_EQ(gRenderBatch.blendMode, BlendPremultiplied);
    for (int i = 0; i < 6; ++i) expectColour(i, {0.5f, 0.25f, 0.0f, 0.5f});
    add(t.get(), BlendAlpha, 1.0f, 1.0f, 0.5f, 0.0f);  // a new blend: the batch starts again
    expectColour(0, {1.0f, 0.5f, 0.0f, 0.5f});
    add(t.get(), BlendPremultiplied2, 0.5f);
    expectColour(0, {1.0f, 1.0f, 1.0f, 0.25f});
    gGlobalOpacity = 1.0f;
    add(t.get(), BlendOpaque, 0.5f, 0.2f, 0.2f, 0.2f);
    EXPECT_EQ(gRenderBatch.blendMode, BlendOpaque);
    expectColour(0, {0.2f, 0.2f, 0.2f, 0.5f});
}

TEST_F(RenderBatchTest, EmptyFlushTouchesNothing) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    add(t.get(), BlendAdditive);
    gRenderBatch.flush();
    // Change GL behind the caches' back; an empty flush must leave it exactly so.
    glBindTexture(GL_TEXTURE_2D, 0);
    glBlendFunc(GL_ZERO, GL_ZERO);
    RenderStats before = gRenderStats;
    gRenderBatch.flush();
    GLint bound = -1, src = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetIntegerv(GL_BLEND_SRC, &src);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(src, GL_ZERO);
    EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 1);
    EXPECT_EQ(gRenderStats.textureBinds, before.textureBinds);
    EXPECT_EQ(gRenderStats.blendChanges, before.blendChanges);
}

TEST_F(RenderBatchTest, ArraysGrowByDoublingAndKeepTheirStorage) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    static const float square[12] = {0};
    RenderBatch batch;
    batch.addQuad(t.get(), square, square, DrawParams());
    EXPECT_EQ(batch.positions.capacity(), 8);
    EXPECT_EQ(batch.colours.capacity(), 8);
    for (int i = 0; i < 10; ++i) batch.addQuad(t.get(), square, square, DrawParams());
    EXPECT_EQ(batch.positions.capacity(), 128);
    batch.flush();
    EXPECT_EQ(batch.positions.size(), 0);
    EXPECT_EQ(batch.positions.capacity(), 128);
}

TEST_F(RenderBatchTest, BatchingStatisticSampledOncePerSecond) {
    std::unique_ptr<Texture> t(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    std::unique_ptr<Texture> u(solidTexture(16, 16, RGBA{255, 255, 255, 255}));
    GameClock savedClock = gGameClock;
    gRenderBatch.lastSampleTime = -1;
    gRenderBatch.batchingPercent = 0;
    gGameClock.updateAt(5000);
    gRenderBatch.endFrame();
    EXPECT_EQ(gRenderBatch.lastSampleTime, gGameClock.now()) << "the first frame only starts the clock";
    EXPECT_EQ(gRenderBatch.batchingPercent, 0);

    // Frames of four quads in two draw calls; only the one at least a second on is sampled.
    struct Case {
        int now, percent;
    } frames[] = {{5999, 0}, {6000, 50}};
    for (const Case& f : frames) {
        for (int i = 0; i < 3; ++i) add(t.get(), BlendPremultiplied);
        add(u.get(), BlendPremultiplied);
        gGameClock.updateAt(f.now);
        gRenderBatch.endFrame();
        EXPECT_EQ(gRenderBatch.batchingPercent, f.percent) << f.now;
        EXPECT_EQ(gRenderBatch.quadsThisFrame, 0);
        EXPECT_EQ(gRenderBatch.drawCallsThisFrame, 0);
    }

    gGameClock.updateAt(7000);
    gRenderBatch.endFrame();
    EXPECT_EQ(gRenderBatch.batchingPercent, 100) << "no quads: 100 - 0";
    gGameClock = savedClock;
}

}  // namespace
