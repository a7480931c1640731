#ifndef KELZO_UI_BUBBLELIFE_H
#define KELZO_UI_BUBBLELIFE_H

#include <cstdint>

// The timing of a speech bubble: it waits out its delay, fades in, may be closed (which schedules a fade-out),
// fades out, stays invisible 3500 ms more and is then finished. Ages count from construction on the game clock
// (frozen while the game is paused), or on the running clock once the bubble is driven by an animation. All
// clock differences are wrap-guarded.
struct BubbleLife {
    // How the bubble shows this frame.
    struct Frame {
        bool visible = false;   // draw it, at opacity `factor`
        bool finished = false;  // the owner may delete it
        bool hide = false;      // empty it first
        float factor = 0.0f;
        // Its look changes with time (waiting to appear, fading in, fading out): it needs the next frame. A
        // bubble at full opacity, or faded out and waiting to be finished, looks the same on a later frame.
        bool changing = false;
    };

    static const int kFadeInMs = 600;       // fade-in while a fade-out is scheduled
    static const int kInvisibleTailMs = 3500;
    static const int kCloseGraceMs = 901;   // a young bubble keeps a scheduled fade-out unless forced

    // Stamps both start times now.
    BubbleLife();

    int gameAge() const;
    int runningAge() const;
    int age() const { return onRunningClock ? runningAge() : gameAge(); }
    // Schedules a fade-out of fadeOutMs from now, unless one is already scheduled and the bubble is younger
    // than 901 ms after its delay (force overrides); an earlier end already set is kept.
    void close(int fadeOutMs, bool force);
    Frame frame() const;
    // The late footer shows fadeInLength + footerDelay ms after the delay, once typing is complete or the
    // experiment "ttb" is 1.
    bool footerDue(bool typingDone) const;
    // How far the bubble is raised this frame: 5.5 px at most, one cycle every 647 ms.
    float wobbleOffset() const;

    int32_t startTime;
    int32_t startTimeRaw;
    int fadeOutEnd = 0;      // age (after the delay) at which the fade-out ends; 0: none scheduled
    uint8_t closing = 0;
    int delay = 0;
    uint8_t onRunningClock = 0;
    int fadeOutLength = 1800;
    int fadeInLength = -1;   // without a fade-out; -1: none
    int footerDelay = 0;
};

#endif
