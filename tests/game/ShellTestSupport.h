#pragma once

// A stand-in application that records what the main loop asks of it, and a
// fixture that starts SDL's event queue without a display (the dummy video
// driver) and puts the loop's state back to its start values. The dummy
// driver always reports the window focused; the fixture's stand-in for SDL's
// state follows the application's own focus instead, unless a test sets
// ShellTest::sdlAppState.

#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <cstdlib>
#include <vector>

#include "Core/GameClock.h"
#include "game/BvGameI.h"
#include "game/PlatformState.h"

struct RecordedTouch {
    int phase;
    int x;
    int y;
    int secondX;
    int secondY;
};

class RecordingApp : public BvGameI {
public:
    bool drawFrame() override
    {
        frames++;
        return animating;
    }
    bool needsFrame() override { return wantsFrame; }
    void progressBarRect(float* position, float* size) override
    {
        position[0] = position[1] = 0;
        size[0] = size[1] = 1;
    }
    void handleTouch(int phase, TouchPoint at, TouchPoint second) override
    {
        touches.push_back(RecordedTouch{phase, at.x, at.y, second.x, second.y});
    }
    void pauseClock() override {}
    void resumeClock() override {}
    void pause() override { pauses++; }
    void resume() override { resumes++; }

    int frames = 0;
    bool animating = false;
    bool wantsFrame = false;
    int pauses = 0;
    int resumes = 0;
    std::vector<RecordedTouch> touches;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
        resetPlatformState();
        gGameClock = GameClock();
        gPlatformState.game = &app;
        sdlAppState = -1;
        gPlatformState.readAppState = fakeAppState;
    }

    void TearDown() override
    {
        resetPlatformState();
        SDL_Quit();
    }

    static SDL_Event mouse(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
    {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion.x = Uint16(x);
            event.motion.y = Uint16(y);
        } else {
            event.button.button = button;
            event.button.x = Uint16(x);
            event.button.y = Uint16(y);
        }
        return event;
    }

    static SDL_Event focus(int gain, Uint8 state = SDL_APPINPUTFOCUS)
    {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.gain = Uint8(gain);
        event.active.state = state;
        return event;
    }

    static SDL_Event plain(Uint8 type)
    {
        SDL_Event event{};
        event.type = type;
        return event;
    }

    // What SDL's state reports; -1: the application's own focus.
    static inline int sdlAppState = -1;
    static Uint8 fakeAppState()
    {
        if (sdlAppState >= 0)
            return Uint8(sdlAppState);
        return gAppActive ? Uint8(SDL_APPMOUSEFOCUS | SDL_APPINPUTFOCUS | SDL_APPACTIVE) : Uint8(SDL_APPACTIVE);
    }

    RecordingApp app;
};
