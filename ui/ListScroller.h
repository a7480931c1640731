#ifndef KELZO_UI_LISTSCROLLER_H
#define KELZO_UI_LISTSCROLLER_H

#include "Core/Mutex.h"
#include "ui/ScrollSamples.h"

#include <cstdint>

// A vertical list scroller: a drag moves the list (positions are in units of 160 px), a quick
// release of more than 50 px flicks it at one fixed speed whatever its length, friction slows
// it, and pulling past either end by up to `margin` bounces back to rest exactly on the end
// (0.0001 at the top, maxPos at the bottom). It draws nothing: the owner feeds touches in and
// draws at what step() returns, once per frame.
//
// Every operation holds the scroller's own recursive mutex, because the list it scrolls is
// refilled from a worker thread: an owner that changes its list takes mutex() around the change
// and setMaxPos, so the main thread never scrolls a half-refilled list.
class ListScroller {
public:
    ListScroller(int bandHalfWidth, float margin, float maxPos);

    // 0 press, 1 move, anything else release; returns -1 (never consumes).
    int handleTouch(int phase, int x, int y);
    // Only within bandHalfWidth of the screen's centre column and 200 px of its centre row.
    void beginDrag(int x, int y);
    void drag(int y);
    void release(int y);
    // Once per frame: the position to draw at; *moving (may be null) whether it still moves.
    float step(bool* moving);

    void setMaxPos(float maxPos);
    float maxPosition() const;
    float shownPosition() const;
    float targetPosition() const;
    float currentVelocity() const;
    bool isDragging() const;
    bool isMoving() const;  // what the last step found

    Mutex& mutex() const { return mutex_; }
    void setClock(ScrollClock clock);

private:
    float clampTarget(float t) const;
    void applyPhysics();
    void applyFriction();
    void settleBounce(bool* moving);

    ScrollSamples samples_;
    float dragStartPosition_ = 0.0001f;
    float shown_ = 0.0001f;
    float target_ = 0.0001f;
    int dragging_ = 0;  // 0 none, 1 pressed, 2 moving
    int32_t dragStartTime_ = -1;
    int32_t lastStepTime_ = 0;
    int dragStartY_ = 0;
    bool bouncedBottom_ = false;
    bool bouncedTop_ = false;
    int bandHalfWidth_;
    bool moving_ = false;
    float velocity_ = 0.0f;
    float maxPos_;
    float margin_;  // how far past either end the list may be pulled
    mutable Mutex mutex_;
    ScrollClock now_ = gameClockNow;
};

#endif
