#include "tests/graphics/GlTestContext.h"

#include "graphics/LoadingScreen.h"

namespace {

// A game shell stand-in that counts what the loading screen asks of it.
class FakeHost : public LoadingScreenHostI {
public:
    void progressBarRect(float* position, float* size) override {
        position[0] = 60;
        position[1] = 400;
        size[0] = 200;
        size[1] = 10;
    }
    void swapBuffers() override { ++swaps; }
    bool pollAndDispatchEvent() override {
        ++polls;
        return pending > 0 && pending--;
    }
    bool isActive() override { return active; }
    bool redrawRequested() override { return redraw; }
    bool quitRequested() override { return quit; }

    int swaps = 0, polls = 0, pending = 0;
    bool active = true, redraw = false, quit = false;
};

class LoadingScreenTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        enterOwnFolder();
        // The splash: opaque dark blue all over.
        Bitmap splash(320, 480, false);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 320; ++x) splash.at(x, y) = RGBA{0, 0, 100, 255};
        ASSERT_TRUE(splash.savePng("Default.png"));
    }
};

TEST_F(LoadingScreenTest, BarShowsProgressOverTheSplash) {
    FakeHost host;
    LoadingScreen screen(&host);
    EXPECT_EQ(screen.showLoadingScreen(), 1);
    EXPECT_EQ(screen.barX, 60);
    EXPECT_EQ(screen.barWidth, 200);
    EXPECT_EQ(host.swaps, 1);
    EXPECT_EQ(host.polls, 1) << "one event per frame while active";
    const RGBA splash{0, 0, 100, 255}, background{0, 0, 50, 255}, fill{255, 255, 255, 255};
    EXPECT_TRUE(pixelNear(pixel(100, 100), splash));
    EXPECT_TRUE(pixelNear(pixel(61, 405), background)) << "progress 0: only the half-transparent background";
    EXPECT_TRUE(pixelNear(pixel(258, 405), background));

    screen.setLoadingProgress(50);
    saveFrame("loading_half");
    EXPECT_TRUE(pixelNear(pixel(61, 405), fill));
    EXPECT_TRUE(pixelNear(pixel(158, 405), fill));
    EXPECT_TRUE(pixelNear(pixel(162, 405), background));
    EXPECT_TRUE(pixelNear(pixel(160, 398), splash)) << "above the bar";

    screen.setLoadingProgress(250);
    EXPECT_EQ(screen.progress, 100);
    EXPECT_TRUE(pixelNear(pixel(258, 405), fill)) << "a full bar, no further";
    EXPECT_TRUE(pixelNear(pixel(262, 405), splash));
    EXPECT_EQ(gBlendMode, BlendPremultiplied) << "the bar gives back the blend it found";
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(LoadingScreenTest, ResultAndEventsWhileInactive) {
    FakeHost host;
    LoadingScreen screen(&host);
    screen.inactivePauseMs = 1;
    host.active = false;
    host.pending = 3;
    EXPECT_EQ(screen.showLoadingScreen(), 0);
    EXPECT_EQ(host.polls, 4) << "inactive: every pending event, after a pause";
    host.quit = true;
    EXPECT_EQ(screen.drawSplashOnly(), 1) << "the quit flag";
    host.quit = false;
    host.redraw = true;
    EXPECT_EQ(screen.setLoadingProgress(10), 1);
}

TEST_F(LoadingScreenTest, MissingSplashStillDrawsTheBar) {
    ASSERT_EQ(remove("Default.png"), 0);
    FakeHost host;
    LoadingScreen screen(&host);
    clearFrame(1, 0, 0, 1);
    screen.showLoadingScreen();
    screen.setLoadingProgress(100);
    EXPECT_TRUE(pixelNear(pixel(100, 405), RGBA{255, 255, 255, 255}));
}

}  // namespace
