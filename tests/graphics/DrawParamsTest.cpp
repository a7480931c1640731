#include "tests/graphics/GlTestContext.h"

#include <algorithm>
#include <memory>

namespace {

struct Box {
    float left, top, right, bottom;
};

class DrawParamsTest : public GlTest {
protected:
    // The pending quad's bounding box.
    static Box box() {
        EXPECT_EQ(gRenderBatch.positions.size(), 6);
        Box b{1e9f, 1e9f, -1e9f, -1e9f};
        for (const BatchPoint& p : gRenderBatch.positions) {
            b.left = std::min(b.left, p.x);
            b.top = std::min(b.top, p.y);
            b.right = std::max(b.right, p.x);
            b.bottom = std::max(b.bottom, p.y);
        }
        return b;
    }
    // Where the pending quad puts texture coordinate (u, v).
    static BatchPoint where(float u, float v) {
        for (int i = 0; i < gRenderBatch.texCoords.size(); ++i)
            if (gRenderBatch.texCoords[i].x == u && gRenderBatch.texCoords[i].y == v) return gRenderBatch.positions[i];
        ADD_FAILURE() << "no corner with texture coordinate (" << u << ", " << v << ")";
        return BatchPoint{-1, -1};
    }
    static void expectBox(Box expected, const char* what) {
        Box b = box();
        EXPECT_NEAR(b.left, expected.left, 0.01) << what;
        EXPECT_NEAR(b.top, expected.top, 0.01) << what;
        EXPECT_NEAR(b.right, expected.right, 0.01) << what;
        EXPECT_NEAR(b.bottom, expected.bottom, 0.01) << what;
    }
    static void expectAt(BatchPoint p, float x, float y, const char* what) {
        EXPECT_NEAR(p.x, x, 0.1) << what;
        EXPECT_NEAR(p.y, y, 0.1) << what;
    }
    static void discard() {
        gRenderBatch.positions.clear();
        gRenderBatch.texCoords.clear();
        gRenderBatch.colours.clear();
        gRenderBatch.current = nullptr;
    }
};

TEST_F(DrawParamsTest, PlainDrawCoversTheStorage) {
    std::unique_ptr<Texture> t(solidTexture(64, 64, RGBA{255, 255, 255, 255}));
    drawTexture(t.get(), 10, 20, DrawParams());
    expectBox({10, 20, 74, 84}, "64 x 64");
    expectAt(where(0, 0), 10, 20, "top-left texel");
    expectAt(where(1, 1), 74, 84, "bottom-right texel");
    // Triangles C2-C0-C1 and C1-C3-C2: top-left, bottom-left, bottom-right, bottom-right, top-right, top-left.
    const float expected[12] = {10, 20, 10, 84, 74, 84, 74, 84, 74, 20, 10, 20};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(gRenderBatch.positions[i].x, expected[2 * i]) << i;
        EXPECT_FLOAT_EQ(gRenderBatch.positions[i].y, expected[2 * i + 1]) << i;
    }
    discard();

    DrawParams inset;
    inset.insetTexel = 1;
    drawTexture(t.get(), 0, 0, inset);
    expectBox({0, 0, 63, 63}, "inset");
    expectAt(where(63.0f / 64, 63.0f / 64), 63, 63, "inset corner");
}

TEST_F(DrawParamsTest, LargeTexturesDrawOnlyTheirVisiblePart) {
    std::unique_ptr<Texture> large(solidTexture(300, 250, RGBA{255, 255, 255, 255}));
    drawTexture(large.get(), 0, 0, DrawParams());
    expectBox({0, 0, 300, 250}, "300 x 250 in 512 x 256");
    expectAt(where(300.0f / 512, 250.0f / 256), 300, 250, "visible corner");
    discard();
    std::unique_ptr<Texture> flat(solidTexture(300, 100, RGBA{255, 255, 255, 255}));
    drawTexture(flat.get(), 0, 0, DrawParams());
    expectBox({0, 0, 512, 128}, "300 x 100: one side of 200 or less draws the whole storage");
    discard();
}

TEST_F(DrawParamsTest, CentringScalingAndParts) {
    std::unique_ptr<Texture> t(solidTexture(64, 32, RGBA{255, 255, 255, 255}));
    DrawParams centred, half, stretched, part;
    centred.centreX = centred.centreY = 1;
    centred.scaleX = 2;
    half.scaleX = 0.5f;
    stretched.scaleX = 0.5f;
    stretched.scaleY = 2;
    part.uLeft = 0.25f;
    part.uRight = 0.75f;
    struct Case {
        const char* what;
        DrawParams params;
        float x, y;
        Box box;
    } cases[] = {
        {"centred at scale 2", centred, 100, 100, {36, 68, 164, 132}},
        {"scaleY -1 follows scaleX", half, 0, 0, {0, 0, 32, 16}},
        {"separate scales stretch", stretched, 0, 0, {0, 0, 32, 64}},
        {"half the width", part, 5, 0, {5, 0, 37, 32}},
    };
    for (const Case& c : cases) {
        drawTexture(t.get(), c.x, c.y, c.params);
        expectBox(c.box, c.what);
        expectAt(where(c.params.uLeft, 0), c.box.left, c.box.top, c.what);
        discard();
    }
}

TEST_F(DrawParamsTest, QuarterTurnsMirrorsAndTranspose) {
    std::unique_ptr<Texture> t(solidTexture(16, 32, RGBA{255, 255, 255, 255}));
    struct Case {
        const char* what;
        int quarterTurns, upright, transpose;
        Box box;
        float topLeftX, topLeftY, topRightX, topRightY;
    } cases[] = {
        {"as stored", 0, 1, 0, {100, 100, 116, 132}, 100, 100, 116, 100},
        {"quarter turn clockwise", 1, 1, 0, {100, 100, 132, 116}, 132, 100, 132, 116},
        {"half turn", 2, 1, 0, {100, 100, 116, 132}, 116, 132, 100, 132},
        {"quarter turn anticlockwise", 3, 1, 0, {100, 100, 132, 116}, 100, 116, 100, 100},
        {"upside down", 0, 0, 0, {100, 100, 116, 132}, 100, 132, 116, 132},
        {"transposed", 0, 1, 1, {100, 100, 132, 116}, 100, 100, 100, 116},
    };
    for (const Case& c : cases) {
        DrawParams p;
        p.quarterTurns = (uint16_t)c.quarterTurns;
        p.upright = (uint8_t)c.upright;
        p.transpose = (uint8_t)c.transpose;
        drawTexture(t.get(), 100, 100, p);
        expectBox(c.box, c.what);
        expectAt(where(0, 0), c.topLeftX, c.topLeftY, c.what);
        expectAt(where(1, 0), c.topRightX, c.topRightY, c.what);
        discard();
    }
}

TEST_F(DrawParamsTest, QuarterTurnMirrorOfTheScreen) {
    std::unique_ptr<Texture> t(solidTexture(16, 32, RGBA{255, 255, 255, 255}));
    gMirrorX = 1;
    drawTexture(t.get(), 0, 0, DrawParams());
    gMirrorX = 0;
    expectBox({288, 0, 320, 16}, "mirrored");
    expectAt(where(0, 0), 320, 0, "top-left texel");
    expectAt(where(1, 0), 320, 16, "the picture's x runs down the screen");
    expectAt(where(0, 1), 288, 0, "and its y to the left");
    discard();
}

TEST_F(DrawParamsTest, RotationTurnsClockwiseAboutTheCentre) {
    std::unique_ptr<Texture> t(solidTexture(40, 20, RGBA{255, 255, 255, 255}));
    DrawParams p;
    p.angle = 90;
    drawTexture(t.get(), 0, 0, p);
    // Storage 64 x 32 around the visible centre (20, 10): the top-left corner (-20, -10) from the centre
    // turns to (+10, -20).
    expectAt(where(0, 0), 30, -10, "top-left corner");
    expectAt(where(1, 0), 30, 54, "top-right corner");
    expectAt(where(0, 1), -2, -10, "bottom-left corner");
    discard();
}

TEST_F(DrawParamsTest, DrawnPixelsReadBack) {
    // A picture of four coloured quarters, drawn as stored, turned and on the mirrored screen; the frame is
    // written to look at. Samples are taken in the middle of each quarter.
    const RGBA red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255}, white{255, 255, 255, 255};
    Bitmap* b = new Bitmap(32, 32, false);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) b->at(x, y) = y < 16 ? (x < 16 ? red : green) : (x < 16 ? blue : white);
    std::unique_ptr<Texture> t(new Texture(b, false, false));
    DrawParams p;
    p.blendMode = BlendOpaque;
    drawTexture(t.get(), 10, 10, p);
    p.quarterTurns = 1;
    drawTexture(t.get(), 60, 10, p);
    gMirrorX = 1;
    p.quarterTurns = 0;
    drawTexture(t.get(), 100, 0, p);  // lands at x 288..320, y 100..132
    gMirrorX = 0;
    saveFrame("draw_turns");
    EXPECT_TRUE(pixelNear(pixel(18, 18), red));
    EXPECT_TRUE(pixelNear(pixel(34, 18), green));
    EXPECT_TRUE(pixelNear(pixel(18, 34), blue));
    EXPECT_TRUE(pixelNear(pixel(34, 34), white));
    EXPECT_TRUE(pixelNear(pixel(84, 18), red)) << "turned: red at the top right";
    EXPECT_TRUE(pixelNear(pixel(68, 18), blue));
    EXPECT_TRUE(pixelNear(pixel(312, 108), red)) << "mirrored screen: red at the top right";
    EXPECT_TRUE(pixelNear(pixel(312, 124), green));
    EXPECT_TRUE(pixelNear(pixel(296, 108), blue));
}

TEST_F(DrawParamsTest, OpaqueSmallPictureShowsItsPaddingBlack) {
    clearFrame(0, 0, 1, 1);
    std::unique_ptr<Texture> t(solidTexture(100, 60, RGBA{255, 255, 255, 255}));
    DrawParams p;
    p.blendMode = BlendOpaque;
    drawTexture(t.get(), 0, 0, p);
    EXPECT_TRUE(pixelNear(pixel(50, 30), RGBA{255, 255, 255, 255}));
    EXPECT_TRUE(pixelNear(pixel(120, 30), RGBA{0, 0, 0, 0}, 0)) << "padding right of the picture";
    EXPECT_TRUE(pixelNear(pixel(50, 62), RGBA{0, 0, 0, 0}, 0)) << "padding below";
    EXPECT_TRUE(pixelNear(pixel(130, 30), RGBA{0, 0, 255, 255})) << "beyond the storage";
}

}  // namespace
