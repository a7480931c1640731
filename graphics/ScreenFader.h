#pragma once

#include <cstdint>

class Texture;

// The cross-fade between two screens. The screen switch sets capturePending; the next draw() copies the
// framebuffer as it stands before anything of that frame is drawn, and for the following 450 ms (counted from
// the third frame after the capture) draws that picture first in every frame while lowering gGlobalOpacity, so
// the new screen comes up over the old one. It reads the game clock's raw `current` time, so a paused game
// clock does not hold the fade.
class ScreenFader {
public:
    ~ScreenFader();
    // Once per frame, before anything else is drawn. 1 while a fade is running.
    int draw();
    void capture();

    int frameCount = 0;              // frames drawn since the capture
    uint8_t capturePending = 0;      // capture on the next draw
    int startTime = -1;              // game-clock time the fade started; -1 = no fade
    Texture* snapshot = nullptr;     // the captured picture (owned)

    static const int kCaptureSize = 512;
    static const int kFadeMs = 450;
};

extern ScreenFader gScreenFader;
