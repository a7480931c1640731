#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "tests/game/ShellTestSupport.h"

namespace {

int passes(int count)
{
    int done = 0;
    while (done < count && mainLoopPass(nullptr))
        done++;
    return done;
}

class MainLoopTest : public ShellTest {
protected:
    void play(const char* script);
};

// Events come in bursts between two passes, as a desktop mouse sends them:
// "m" a pointer motion (to x = its index in the burst), "d" a button press,
// "u" a release, "g" a focus gain, "l" a focus loss; "|" runs one pass.
// Every burst must find room in SDL's queue (128 events), which it does only
// when the pass before emptied it.
void MainLoopTest::play(const char* script)
{
    int index = 0;
    for (const char* c = script; *c; c++, index++) {
        if (*c == '|') {
            mainLoopPass(nullptr);
            index = -1;
            continue;
        }
        SDL_Event event{};
        switch (*c) {
        case 'm': event = mouse(SDL_MOUSEMOTION, index, 0); break;
        case 'd': event = mouse(SDL_MOUSEBUTTONDOWN, index, 0); break;
        case 'u': event = mouse(SDL_MOUSEBUTTONUP, index, 0); break;
        case 'g': event = focus(1); break;
        case 'l': event = focus(0); break;
        }
        ASSERT_EQ(SDL_PushEvent(&event), 0) << "queue full at " << (c - script) << " of " << script;
    }
}

std::string motions(int count) { return std::string(size_t(count), 'm'); }

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


TEST_F(MainLoopTest, EachPassTakesEveryEventAndFoldsMotions)
{
    struct Case {
        std::string script;
        std::vector<std::vector<int>> touches;   // phase, x
        bool activeAfter;
        int resumes;
    };
    const std::string m100 = motions(100);
    const std::string m20 = motions(20);
    const Case cases[] = {
        // 200 motions, then a click: the click is whole, the motions (no button) go; the release lies a pixel
        // from the press, where the pointer first moves.
        {m100 + "|" + m100 + "du|", {{0, 100}, {1, 101}, {2, 101}}, true, 0},
        // A drag: each pass's run of motions arrives as its last one, and the release where it lies.
        {"d" + m100 + "|" + m100 + "u|", {{0, 0}, {1, 100}, {1, 99}, {1, 100}, {2, 100}}, true, 0},
        // Motions on both sides of a press: the press splits the run.
        {"mmmdmmmu|", {{0, 3}, {1, 6}, {1, 7}, {2, 7}}, true, 0},
        // 200 motions around a focus loss and as many around the gain: both changes arrive.
        {m100 + "|" + "l" + m100 + "|" + m100 + "|" + "g" + m100 + "|", {}, true, 1},
        {m100 + "|" + m20 + "l" + m100 + "|" + m100 + "|" + m20 + "g" + m100 + "|", {}, true, 1},
    };
    for (const Case& c : cases) {
        RecordingApp fresh;
        resetPlatformState();
        gPlatformState.game = &fresh;
        gPlatformState.readAppState = fakeAppState;
        play(c.script.c_str());
        std::vector<std::vector<int>> touches;
        for (const RecordedTouch& t : fresh.touches)
            touches.push_back({t.phase, t.x});
        EXPECT_EQ(touches, c.touches) << c.script;
        EXPECT_EQ(gAppActive, c.activeAfter) << c.script;
        EXPECT_EQ(fresh.resumes, c.resumes) << c.script;
        SDL_Event left;
        EXPECT_EQ(SDL_PollEvent(&left), 0) << "events left over: " << c.script;
    }
}

TEST_F(MainLoopTest, AQuitStopsTheEventsAfterIt)
{
    play("d");
    SDL_Event quit = plain(SDL_QUIT);
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    play("u");
    EXPECT_FALSE(mainLoopPass(nullptr));
    ASSERT_EQ(app.touches.size(), 1u);
    EXPECT_EQ(app.touches[0].phase, 0);
}

TEST_F(MainLoopTest, AFocusGainWhoseEventWasLostIsFoundInSdlsState)
{
    struct Case {
        int sdlState;
        bool resumed;
    };
    const Case cases[] = {
        {SDL_APPINPUTFOCUS | SDL_APPACTIVE, true},
        {SDL_APPINPUTFOCUS | SDL_APPACTIVE | SDL_APPMOUSEFOCUS, true},
        {SDL_APPACTIVE, false},                        // shown but another window has the keyboard
        {SDL_APPACTIVE | SDL_APPMOUSEFOCUS, false},    // the pointer passing over is no focus
        {SDL_APPINPUTFOCUS, false},                    // minimised
    };
    for (const Case& c : cases) {
        RecordingApp fresh;
        resetPlatformState();
        gPlatformState.game = &fresh;
        gPlatformState.readAppState = fakeAppState;
        gGameClock = GameClock();
        gGameClock.update();
        sdlAppState = -1;
        play("l|");
        ASSERT_FALSE(gAppActive);
        ASSERT_TRUE(gGameClock.paused);
        sdlAppState = c.sdlState;   // the gain happened, its event never came
        mainLoopPass(nullptr);
        EXPECT_EQ(gAppActive, c.resumed) << c.sdlState;
        EXPECT_EQ(fresh.resumes, c.resumed ? 1 : 0) << c.sdlState;
        EXPECT_EQ(gGameClock.paused, !c.resumed) << c.sdlState;
        // Back in focus, the picture is drawn again at once although nothing moves.
        EXPECT_EQ(fresh.frames, c.resumed ? 1 : 0) << c.sdlState;
    }
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
    // Each inactive pass rests a little first, so this stays to two passes.
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
