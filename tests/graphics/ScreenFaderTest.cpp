#include "tests/graphics/GlTestContext.h"

#include <memory>

#include "Core/GameClock.h"
#include "graphics/ScreenFader.h"

namespace {

class ScreenFaderTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        savedClock = gGameClock;
    }
    void TearDown() override {
        gGameClock = savedClock;
        gGlobalOpacity = 1.0f;
        GlTest::TearDown();
    }
    // One frame of the fader at raw clock time `now`; gives the opacity it leaves for the rest of the frame.
    float frameAt(ScreenFader& fader, int now, int* result = nullptr) {
        gGameClock.current = now;
        int r = fader.draw();
        if (result) *result = r;
        gRenderBatch.endFrame();
        return gGlobalOpacity;
    }
    GameClock savedClock;
};

TEST_F(ScreenFaderTest, Timeline) {
    ScreenFader fader;
    int running = 0;
    EXPECT_FLOAT_EQ(frameAt(fader, 500, &running), 1.0f);
    EXPECT_EQ(running, 0) << "idle";

    fader.capturePending = 1;
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_FLOAT_EQ(frameAt(fader, 1000 + 50 * frame, &running), 0.0f) << "frame " << frame;
        EXPECT_EQ(running, 1);
    }
    EXPECT_EQ(fader.capturePending, 0);
    ASSERT_NE(fader.snapshot, nullptr);
    // From the fourth frame on the opacity rises by 50/450 per 50 ms.
    for (int step = 1; step <= 9; ++step)
        EXPECT_NEAR(frameAt(fader, 1100 + 50 * step), step / 9.0f, 1e-5) << "step " << step;
    EXPECT_NE(fader.startTime, -1) << "elapsed exactly 450 is still fading";
    EXPECT_FLOAT_EQ(frameAt(fader, 1600, &running), 1.0f);
    EXPECT_EQ(running, 1) << "the frame that passes 450 ms still draws the picture";
    EXPECT_EQ(fader.startTime, -1);
    EXPECT_NE(fader.snapshot, nullptr);
    EXPECT_FLOAT_EQ(frameAt(fader, 1650, &running), 1.0f);
    EXPECT_EQ(running, 0);
    EXPECT_EQ(fader.snapshot, nullptr) << "freed on the frame after the fade";
}

TEST_F(ScreenFaderTest, ArmingAgainRestartsAndClockWrapIsCorrected) {
    ScreenFader fader;
    fader.capturePending = 1;
    for (int i = 0; i < 5; ++i) frameAt(fader, 2000 + 100 * i);
    EXPECT_GT(gGlobalOpacity, 0.4f);
    fader.capturePending = 1;
    EXPECT_FLOAT_EQ(frameAt(fader, 2600), 0.0f) << "a new capture starts over";
    EXPECT_EQ(fader.frameCount, 1);

    fader.frameCount = 3;
    fader.startTime = 2147483600;
    // 50 - 2147483600 wraps far below -10,000,000 and is corrected to 97 ms.
    EXPECT_NEAR(frameAt(fader, 50), 97.0f / 450.0f, 1e-5);
}

TEST_F(ScreenFaderTest, NewScreenComesUpOverTheOldPicture) {
    std::unique_ptr<Texture> blue(solidTexture(320, 480, RGBA{0, 0, 255, 255}));
    ScreenFader fader;
    DrawParams opaque;
    opaque.blendMode = BlendOpaque;
    // The old screen: red above, green below, so that a flipped or shifted picture shows.
    clearFrame(1, 0, 0, 1);
    std::unique_ptr<Texture> green(solidTexture(320, 240, RGBA{0, 255, 0, 255}));
    drawTexture(green.get(), 0, 240, opaque);
    gRenderBatch.endFrame();
    fader.capturePending = 1;

    gGameClock.current = 100;
    fader.draw();
    drawTexture(blue.get(), 0, 0, opaque);
    EXPECT_TRUE(pixelNear(pixel(160, 239), RGBA{255, 0, 0, 255})) << "the new screen is invisible at first";
    EXPECT_TRUE(pixelNear(pixel(0, 0), RGBA{255, 0, 0, 255}));
    EXPECT_TRUE(pixelNear(pixel(319, 479), RGBA{0, 255, 0, 255}));
    gRenderBatch.endFrame();

    fader.frameCount = 3;
    fader.startTime = 100;
    gGameClock.current = 325;  // halfway
    fader.draw();
    drawTexture(blue.get(), 0, 0, opaque);
    saveFrame("fader_halfway");
    EXPECT_TRUE(pixelNear(pixel(160, 239), RGBA{128, 0, 128, 255}, 3)) << "half old red, half new blue";
    EXPECT_TRUE(pixelNear(pixel(160, 240), RGBA{0, 128, 128, 255}, 3)) << "half old green, half new blue";
    EXPECT_TRUE(pixelNear(pixel(0, 0), RGBA{128, 0, 128, 255}, 3));
    EXPECT_TRUE(pixelNear(pixel(319, 479), RGBA{0, 128, 128, 255}, 3));
    gRenderBatch.endFrame();
}

}  // namespace
