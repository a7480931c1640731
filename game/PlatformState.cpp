#include "game/PlatformState.h"

#include <cstring>

#include "Core/GameClock.h"
#include "Core/Thread.h"
#include "game/BvGameI.h"
#include "platform/Pdl.h"
#include "sound/SoundManager.h"

PlatformState gPlatformState;
bool gAppActive = true;
EngineKeyCallbackI* gKeyReceiver = nullptr;

namespace {

const int kInactiveRestMs = 800;

void loseFocus()
{
    gAppActive = false;
    if (!gGameClock.paused) {
        gPlatformState.clockPausedByFocus = true;
        gGameClock.pause();
    }
    if (gSoundManager)
        gSoundManager->stopThread();
    if (gPlatformState.game)
        gPlatformState.game->pause();
}

void gainFocus()
{
    gAppActive = true;
    if (gGameClock.paused && gPlatformState.clockPausedByFocus) {
        gPlatformState.clockPausedByFocus = false;
        gGameClock.resume();
    }
    if (gSoundManager)
        gSoundManager->startThread();
    if (gPlatformState.game)
        gPlatformState.game->resume();
}

void touch(int phase, int x, int y)
{
    gPlatformState.game->handleTouch(phase, TouchPoint{x, y}, TouchPoint{-1, -1});
}

}  // namespace

void dispatchEvent(const SDL_Event& event)
{
    BvGameI* game = gPlatformState.game;
    switch (event.type) {
    case SDL_ACTIVEEVENT:
        if (!(event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)))
            break;
        if (event.active.gain == 0 && gAppActive)
            loseFocus();
        else if (event.active.gain != 0 && !gAppActive)
            gainFocus();
        break;
    case SDL_KEYDOWN:
        if (gKeyReceiver && game)
            gKeyReceiver->onKey(event.key.keysym.sym, event.key.keysym.mod, true);
        break;
    case SDL_MOUSEMOTION:
        if (gPlatformState.buttonDown && game)
            touch(1, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (game) {
            gPlatformState.buttonDown = true;
            touch(0, event.button.x, event.button.y);
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (game) {
            gPlatformState.buttonDown = false;
            touch(2, event.button.x, event.button.y);
        }
        break;
    case SDL_QUIT:
        gPlatformState.quitRequested = true;
        break;
    case SDL_VIDEOEXPOSE:
        gPlatformState.redrawRequested = true;
        break;
    default:
        break;
    }
}

bool pollAndDispatchEvent()
{
    if (SDL_PollEvent(&gPlatformState.event) <= 0)
        return false;
    dispatchEvent(gPlatformState.event);
    return true;
}

bool pumpEvents()
{
    gPlatformState.eventsTaken = 0;
    if (!gAppActive) {
        Thread::sleepMs(kInactiveRestMs);
        while (pollAndDispatchEvent())
            gPlatformState.eventsTaken++;
    } else if (pollAndDispatchEvent()) {
        gPlatformState.eventsTaken = 1;
    }
    if (gPlatformState.redrawRequested || gAppActive)
        return true;
    return gPlatformState.quitRequested;
}

bool onConnectionStatus(PdlServiceParams* params, void*)
{
    const char* name = "isInternetConnectionAvailable";
    if (PDL_ParamExists(params, name)) {
        char value[128] = "";
        PDL_GetParamString(params, name, value, sizeof value);
        gPlatformState.connectionAvailable = strcmp(value, "true") == 0;
    }
    return true;
}

void requestConnectionStatus()
{
    PDL_ServiceCallWithCallback(kConnectionStatusService, "", onConnectionStatus, nullptr, true);
}

void resetPlatformState()
{
    gPlatformState = PlatformState();
    gAppActive = true;
    gKeyReceiver = nullptr;
}
