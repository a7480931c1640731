#include <SDL/SDL.h>

#include "Core/GameClock.h"
#include "game/PlatformState.h"
#include "tests/game/ShellTestSupport.h"

namespace {

class RecordingKeys : public EngineKeyCallbackI {
public:
    void onKey(int sym, int mod, bool down, int unicode) override
    {
        keys.push_back({sym, mod, down ? 1 : 0, unicode});
    }
    std::vector<std::vector<int>> keys;
};

SDL_Event key(Uint8 type, SDLKey sym, SDLMod mod, Uint16 unicode = 0)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    event.key.keysym.unicode = unicode;
    return event;
}

}  // namespace

using EventRoutingTest = ShellTest;

TEST_F(EventRoutingTest, PointerBecomesTouchesAndMotionOnlyWhileDown)
{
    dispatchEvent(mouse(SDL_MOUSEMOTION, 5, 6));           // no button down: dropped
    dispatchEvent(mouse(SDL_MOUSEBUTTONDOWN, 10, 20));
    dispatchEvent(mouse(SDL_MOUSEMOTION, 30, 40));
    dispatchEvent(mouse(SDL_MOUSEBUTTONUP, 50, 60, SDL_BUTTON_RIGHT));   // any button ends the touch
    dispatchEvent(mouse(SDL_MOUSEMOTION, 70, 80));          // dropped again
    ASSERT_EQ(app.touches.size(), 3u);
    const int expected[3][3] = {{0, 10, 20}, {1, 30, 40}, {2, 50, 60}};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(app.touches[i].phase, expected[i][0]);
        EXPECT_EQ(app.touches[i].x, expected[i][1]);
        EXPECT_EQ(app.touches[i].y, expected[i][2]);
        EXPECT_EQ(app.touches[i].secondX, -1);
        EXPECT_EQ(app.touches[i].secondY, -1);
    }
    EXPECT_FALSE(gPlatformState.buttonDown);
}

TEST_F(EventRoutingTest, KeysReachOnlyAnInstalledReceiverAndOnlyPresses)
{
    RecordingKeys keys;
    dispatchEvent(key(SDL_KEYDOWN, SDLK_a, KMOD_NONE));     // no receiver: dropped
    gKeyReceiver = &keys;
    dispatchEvent(key(SDL_KEYDOWN, SDLK_b, KMOD_LSHIFT, 'B'));
    dispatchEvent(key(SDL_KEYUP, SDLK_b, KMOD_LSHIFT));     // releases never
    gPlatformState.game = nullptr;
    dispatchEvent(key(SDL_KEYDOWN, SDLK_c, KMOD_NONE));     // no application: dropped
    ASSERT_EQ(keys.keys.size(), 1u);
    EXPECT_EQ(keys.keys[0], (std::vector<int>{SDLK_b, KMOD_LSHIFT, 1, 'B'})) << "with the character SDL made";
}

TEST_F(EventRoutingTest, FocusLossAndGainPauseAndResumeOnce)
{
    gGameClock.update();
    ASSERT_FALSE(gGameClock.paused);
    dispatchEvent(focus(0));
    dispatchEvent(focus(0, SDL_APPACTIVE));   // already inactive: nothing more
    EXPECT_FALSE(gAppActive);
    EXPECT_TRUE(gGameClock.paused);
    EXPECT_TRUE(gPlatformState.clockPausedByFocus);
    EXPECT_EQ(app.pauses, 1);

    dispatchEvent(focus(1));
    dispatchEvent(focus(1));
    EXPECT_TRUE(gAppActive);
    EXPECT_FALSE(gGameClock.paused);
    EXPECT_FALSE(gPlatformState.clockPausedByFocus);
    EXPECT_EQ(app.resumes, 1);
}

TEST_F(EventRoutingTest, AClockPausedBeforeTheFocusLossStaysPaused)
{
    gGameClock.pause();
    dispatchEvent(focus(0));
    EXPECT_FALSE(gPlatformState.clockPausedByFocus);
    dispatchEvent(focus(1));
    EXPECT_TRUE(gGameClock.paused);
}

TEST_F(EventRoutingTest, MouseFocusAloneIsNoFocusChange)
{
    dispatchEvent(focus(0, SDL_APPMOUSEFOCUS));
    EXPECT_TRUE(gAppActive);
    EXPECT_EQ(app.pauses, 0);
}

TEST_F(EventRoutingTest, WithoutAnApplicationOnlyTheFlagsChange)
{
    gPlatformState.game = nullptr;
    dispatchEvent(mouse(SDL_MOUSEBUTTONDOWN, 1, 1));
    EXPECT_FALSE(gPlatformState.buttonDown);
    dispatchEvent(focus(0));
    EXPECT_FALSE(gAppActive);
    dispatchEvent(plain(SDL_VIDEOEXPOSE));
    dispatchEvent(plain(SDL_QUIT));
    EXPECT_TRUE(gPlatformState.redrawRequested);
    EXPECT_TRUE(gPlatformState.quitRequested);
    EXPECT_TRUE(app.touches.empty());
    EXPECT_EQ(app.pauses, 0);
}

TEST_F(EventRoutingTest, PollTakesOneQueuedEventAtATime)
{
    SDL_Event down = mouse(SDL_MOUSEBUTTONDOWN, 3, 4);
    SDL_Event up = mouse(SDL_MOUSEBUTTONUP, 3, 4);
    ASSERT_EQ(SDL_PushEvent(&down), 0);
    ASSERT_EQ(SDL_PushEvent(&up), 0);
    EXPECT_TRUE(pollAndDispatchEvent());
    EXPECT_EQ(app.touches.size(), 1u);
    EXPECT_TRUE(pollAndDispatchEvent());
    EXPECT_EQ(app.touches.size(), 2u);
    EXPECT_FALSE(pollAndDispatchEvent());
}
