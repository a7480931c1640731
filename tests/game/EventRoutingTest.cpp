#include <SDL/SDL.h>

#include <array>
#include <vector>

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

struct PointerCase {
    const char* name;
    std::vector<SDL_Event> events;
    std::vector<std::array<int, 3>> touches;   // phase, x, y
};

// A release away from the last motion the game heard moves there first: a swipe whose motions the full queue
// let go is still a swipe. A release where the pointer already was adds nothing, so a fling keeps its speed.
TEST_F(EventRoutingTest, PointerBecomesTouchesAndMotionOnlyWhileDown)
{
    const PointerCase cases[] = {
        {"motion only while down, any button ends the touch",
         {mouse(SDL_MOUSEMOTION, 5, 6), mouse(SDL_MOUSEBUTTONDOWN, 10, 20), mouse(SDL_MOUSEMOTION, 30, 40),
          mouse(SDL_MOUSEBUTTONUP, 30, 40, SDL_BUTTON_RIGHT), mouse(SDL_MOUSEMOTION, 70, 80)},
         {{0, 10, 20}, {1, 30, 40}, {2, 30, 40}}},
        {"a release past the last motion moves there first",
         {mouse(SDL_MOUSEBUTTONDOWN, 10, 20), mouse(SDL_MOUSEMOTION, 30, 40), mouse(SDL_MOUSEBUTTONUP, 50, 60)},
         {{0, 10, 20}, {1, 30, 40}, {1, 50, 60}, {2, 50, 60}}},
        {"a swipe whose motions were all let go",
         {mouse(SDL_MOUSEBUTTONDOWN, 100, 200), mouse(SDL_MOUSEBUTTONUP, 160, 200)},
         {{0, 100, 200}, {1, 160, 200}, {2, 160, 200}}},
        {"a tap", {mouse(SDL_MOUSEBUTTONDOWN, 7, 8), mouse(SDL_MOUSEBUTTONUP, 7, 8)}, {{0, 7, 8}, {2, 7, 8}}},
        {"a release without a press", {mouse(SDL_MOUSEBUTTONUP, 9, 9)}, {{2, 9, 9}}},
    };
    for (const PointerCase& c : cases) {
        SCOPED_TRACE(c.name);
        app.touches.clear();
        for (const SDL_Event& event : c.events)
            dispatchEvent(event);
        ASSERT_EQ(app.touches.size(), c.touches.size());
        for (size_t i = 0; i < c.touches.size(); i++) {
            EXPECT_EQ(app.touches[i].phase, c.touches[i][0]) << "touch " << i;
            EXPECT_EQ(app.touches[i].x, c.touches[i][1]) << "touch " << i;
            EXPECT_EQ(app.touches[i].y, c.touches[i][2]) << "touch " << i;
            EXPECT_EQ(app.touches[i].secondX, -1);
            EXPECT_EQ(app.touches[i].secondY, -1);
        }
        EXPECT_FALSE(gPlatformState.buttonDown);
    }
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
