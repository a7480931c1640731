#pragma once

#include <cstdint>

// Keeps the main loop from spinning on a desktop. The phone paced frames by its buffer swap; a desktop swap
// may return at once (no vsync, a virtual display), so frames are held to at most about 60 a second, and a
// pass of the loop that took no event and drew nothing rests a little before the next one: briefly while the
// player is active, longer once nothing has happened for a second, so that an idle game costs almost nothing.
class FramePacer {
public:
    static constexpr int64_t kFrameUs = 16667;  // 60 frames a second
    static constexpr int kIdleRestMs = 10;
    static constexpr int kDeepIdleRestMs = 30;
    static constexpr int64_t kDeepIdleAfterUs = 1000000;

    // Sleeps until a frame may start, then counts it as started.
    void beforeFrame();
    // An event came or a frame was drawn.
    void noteActivity();
    // The rest after a pass that did nothing.
    void idlePass();
    // The rest for a pass at nowUs after activity at lastActivityUs.
    static int restMs(int64_t nowUs, int64_t lastActivityUs);

    // How long to wait before a frame at nowUs, given when the previous frame was due; 0 when it may start.
    static int64_t waitUs(int64_t nowUs, int64_t nextFrameUs);
    // When the frame after one starting at startUs is due: one period after the previous due time, or after
    // startUs when the loop fell behind (no catching up with a burst of frames).
    static int64_t nextDueUs(int64_t startUs, int64_t previousDueUs);

    static int64_t nowUs();

private:
    int64_t nextFrameUs_ = 0;
    int64_t lastActivityUs_ = 0;
};
