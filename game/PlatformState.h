#ifndef KELZO_GAME_PLATFORMSTATE_H
#define KELZO_GAME_PLATFORMSTATE_H

#include <SDL/SDL.h>
#include <cstdint>

#include "game/EngineKeyCallbackI.h"

class BvGameI;
struct PdlServiceParams;

// The main loop's state: what the event routing has seen and what the frame
// rule reads.
struct PlatformState {
    // The last frame reported movement; anyone may set it to get a frame on
    // the next pass.
    bool keepDrawing = false;
    // The connection-status service said the internet is reachable.
    bool connectionAvailable = false;
    SDL_Event event{};   // the event last taken
    // The game clock ran when the focus went and the loss paused it.
    bool clockPausedByFocus = false;
    BvGameI* game = nullptr;
    bool redrawRequested = false;   // an expose event asked for a frame
    bool buttonDown = false;        // motion is passed on only while set
    bool quitRequested = false;
    int32_t idlePasses = 0;         // passes without a frame since the last frame
    int32_t eventsTaken = 0;        // by the last pump step
};

extern PlatformState gPlatformState;
// The application has the input focus; only the event routing changes it.
extern bool gAppActive;
// Receiver of key presses; null while no text field holds the keyboard.
extern EngineKeyCallbackI* gKeyReceiver;

// One pump step: while active at most one event, while inactive a rest of
// 800 ms and then every pending event. True when a frame may follow (active,
// or a redraw was asked for), else the quit flag.
bool pumpEvents();
// Takes one event and routes it; false when none was pending.
bool pollAndDispatchEvent();
// Routes one event to the application, the key receiver and the flags.
void dispatchEvent(const SDL_Event& event);
// The connection-status service's answer.
bool onConnectionStatus(PdlServiceParams* params, void* user);
// Asks the platform for the connection status (answered through onConnectionStatus).
void requestConnectionStatus();

// Everything back to the start values (tests).
void resetPlatformState();

#endif
