#ifndef KELZO_GAME_PLATFORMSTATE_H
#define KELZO_GAME_PLATFORMSTATE_H

#include <SDL/SDL.h>
#include <cstdint>

#include "ui/EngineKeyCallbackI.h"

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
    bool redrawRequested = false;   // an expose or a regained focus asked for a frame
    bool buttonDown = false;        // motion is passed on only while set
    int touchX = 0;                 // where the game last heard of the pointer while the button was down
    int touchY = 0;
    bool quitRequested = false;
    int32_t idlePasses = 0;         // passes without a frame since the last frame
    int32_t eventsTaken = 0;        // by the last pump step
    // SDL's own record of the window's state (tests put a stand-in here).
    Uint8 (*readAppState)() = SDL_GetAppState;
};

// An inactive pass (and a loading-screen frame) rests this long before it
// takes the events: short enough that an expose or the focus coming back is
// answered at once, long enough that an unfocused game costs next to nothing.
constexpr int kInactiveRestMs = 50;

extern PlatformState gPlatformState;
// The application has the input focus; only the event routing changes it.
extern bool gAppActive;

// One pump step: every pending event (while inactive after a short rest),
// then the focus checked against SDL's state and the window against being
// destroyed. True when a frame may follow (active, or a redraw was asked
// for), else the quit flag.
//
// A desktop mouse sends up to 1000 motions a second and SDL's queue holds
// only 128 events, dropping the rest: taking one event per pass lost clicks
// and focus changes. So each pass empties the queue, and a focus gain whose
// event was dropped all the same is found in SDL's state.
bool pumpEvents();
// Takes every pending event and routes it in order; a run of consecutive
// pointer motions is routed as its last one (a drag needs only where the
// pointer is now). Stops after a quit. The number of events taken.
int drainEvents();
// Resumes when SDL's state says the window has the focus and is shown but
// the application is still paused (the gain event was lost).
void checkFocusState();
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
