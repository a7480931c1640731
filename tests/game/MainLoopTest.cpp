#include <SDL/SDL.h>

#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "tests/game/ShellTestSupport.h"

using MainLoopTest = ShellTest;

namespace {

int passes(int count)
{
    int done = 0;
    while (done < count && mainLoopPass(nullptr))
        done++;
    return done;
}

}  // namespace

TEST_F(MainLoopTest, AnIdleApplicationGetsEveryEleventhPass)
{
    EXPECT_EQ(passes(10), 10);
    EXPECT_EQ(app.frames, 0);
    EXPECT_EQ(passes(1), 1);
    EXPECT_EQ(app.frames, 1);
    EXPECT_EQ(passes(22), 22);
    EXPECT_EQ(app.frames, 3);
}

TEST_F(MainLoopTest, MovementOrARequestDrawsEveryPass)
{
    struct Case {
        bool animating;
        bool wantsFrame;
        bool keepDrawingSetOutside;
    };
    const Case cases[] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (const Case& c : cases) {
        app.frames = 0;
        app.animating = c.animating;
        app.wantsFrame = c.wantsFrame;
        gPlatformState.keepDrawing = c.keepDrawingSetOutside || c.animating;
        for (int i = 0; i < 5; i++) {
            if (c.keepDrawingSetOutside)
                gPlatformState.keepDrawing = true;   // as the score screen asks for frames
            passes(1);
        }
        EXPECT_EQ(app.frames, 5) << c.animating << c.wantsFrame << c.keepDrawingSetOutside;
    }
}

TEST_F(MainLoopTest, AFrameClearsTheRedrawRequestAndTheIdleCount)
{
    app.animating = true;
    gPlatformState.keepDrawing = true;
    gPlatformState.redrawRequested = true;
    gPlatformState.idlePasses = 7;
    passes(1);
    EXPECT_FALSE(gPlatformState.redrawRequested);
    EXPECT_EQ(gPlatformState.idlePasses, 0);
}

TEST_F(MainLoopTest, OneEventPerPassWhileActive)
{
    for (int i = 0; i < 3; i++) {
        SDL_Event down = mouse(SDL_MOUSEBUTTONDOWN, i, i);
        ASSERT_EQ(SDL_PushEvent(&down), 0);
    }
    passes(1);
    EXPECT_EQ(app.touches.size(), 1u);
    passes(2);
    EXPECT_EQ(app.touches.size(), 3u);
}

TEST_F(MainLoopTest, QuitEndsTheLoopBeforeAnotherFrame)
{
    app.animating = true;
    gPlatformState.keepDrawing = true;
    SDL_Event quit = plain(SDL_QUIT);
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    EXPECT_FALSE(mainLoopPass(nullptr));
    EXPECT_EQ(app.frames, 0);
    EXPECT_FALSE(mainLoopPass(nullptr));
}

TEST_F(MainLoopTest, InactiveDrawsOnlyOnAnExposeRequestAndThenAtOnce)
{
    // Each inactive pass rests 800 ms, so this stays to two passes.
    app.animating = true;
    gPlatformState.keepDrawing = true;
    gAppActive = false;
    passes(1);
    EXPECT_EQ(app.frames, 0);
    app.animating = false;
    gPlatformState.keepDrawing = false;   // nothing moves: the idle count alone would hold the frame back
    SDL_Event expose = plain(SDL_VIDEOEXPOSE);
    ASSERT_EQ(SDL_PushEvent(&expose), 0);
    passes(1);
    EXPECT_EQ(app.frames, 1);
}
