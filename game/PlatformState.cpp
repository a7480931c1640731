#include "game/PlatformState.h"

#include <cstring>

#include "Core/GameClock.h"
#include "Core/Thread.h"
#include "Core/Log.h"
#include "game/BvGameI.h"
#include "platform/GameWindow.h"
#include "platform/Pdl.h"
#include "sound/SoundManager.h"

PlatformState gPlatformState;
bool gAppActive = true;

namespace {

// A pass never takes more than this many events, so a flood cannot hold back
// the frame; what is left waits in the queue for the next pass.
const int kMaxEventsPerPass = 512;
const Uint8 kFocusedAndShown = SDL_APPINPUTFOCUS | SDL_APPACTIVE;

void loseFocus()
{
    logPrintf("LOG", "focus lost");
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
    logPrintf("LOG", "focus gained");
    gAppActive = true;
    // The picture may be stale or gone (covered, minimised): draw it again at once.
    gPlatformState.redrawRequested = true;
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
    gPlatformState.touchX = x;
    gPlatformState.touchY = y;
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
            gKeyReceiver->onKey(event.key.keysym.sym, event.key.keysym.mod, true, event.key.keysym.unicode);
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
            // A swipe is told by its moves: when the queue let the last ones go, the release stands in for them.
            const bool moved = event.button.x != gPlatformState.touchX || event.button.y != gPlatformState.touchY;
            if (gPlatformState.buttonDown && moved)
                touch(1, event.button.x, event.button.y);
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

int drainEvents()
{
    SDL_Event& event = gPlatformState.event;
    SDL_Event motion{};
    bool motionHeld = false;
    int taken = 0;
    while (taken < kMaxEventsPerPass && !gPlatformState.quitRequested && SDL_PollEvent(&event) > 0) {
        taken++;
        if (event.type == SDL_MOUSEMOTION) {
            motion = event;
            motionHeld = true;
            continue;
        }
        if (motionHeld)
            dispatchEvent(motion);
        motionHeld = false;
        dispatchEvent(event);
    }
    if (motionHeld)
        dispatchEvent(motion);
    return taken;
}

void checkFocusState()
{
    if (!gAppActive && (gPlatformState.readAppState() & kFocusedAndShown) == kFocusedAndShown) {
        logPrintf("LOG", "focus found by state");
        gainFocus();
    }
}

bool pumpEvents()
{
    if (!gAppActive)
        Thread::sleepMs(kInactiveRestMs);
    gPlatformState.eventsTaken = drainEvents();
    if (!gPlatformState.quitRequested)
        checkFocusState();
    if (gameWindowLost())
        gPlatformState.quitRequested = true;
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
