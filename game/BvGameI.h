#ifndef KELZO_GAME_BVGAMEI_H
#define KELZO_GAME_BVGAMEI_H

#include <cstdint>

#include "graphics/LoadingScreen.h"

// A pointer position in screen pixels.
struct TouchPoint {
    int32_t x;
    int32_t y;
};

// The application as the main loop drives it: frames, touches, focus and the
// game clock. It also carries the loading screen, which it shows while it
// starts; the loading screen swaps the buffers and serves the event queue
// through the main loop.
class BvGameI : public LoadingScreenHostI {
public:
    BvGameI();

    // Updates and draws one frame; true while something still moves, so that
    // the next pass draws again.
    virtual bool drawFrame() = 0;
    // Asked when the last frame reported no movement.
    virtual bool needsFrame() { return false; }
    // The loading screen's progress bar: top-left corner and size.
    void progressBarRect(float* position, float* size) override = 0;
    // phase 0 down, 1 move, 2 up; second is always (-1, -1).
    virtual void handleTouch(int phase, TouchPoint at, TouchPoint second) = 0;
    virtual void pauseClock() = 0;
    virtual void resumeClock() = 0;
    virtual void extraHook() {}
    // The application lost the input focus.
    virtual void pause() = 0;
    // The application regained it.
    virtual void resume() = 0;

    // The loading screen's needs, answered by the main loop.
    void swapBuffers() override;
    bool pollAndDispatchEvent() override;
    bool isActive() override;
    bool redrawRequested() override;
    bool quitRequested() override;

    LoadingScreen loadingScreen;
};

#endif
