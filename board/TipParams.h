#ifndef KELZO_BOARD_TIPPARAMS_H
#define KELZO_BOARD_TIPPARAMS_H

#include <cstdint>

// Display options of one tip, as whoever asks for the tip passes them.
struct TipParams {
    int showMs = 9000;
    int delayMs = 0;
    int fadeOutMs = 1800;
    uint8_t dismissOnTouch = 1;
    float wobble = 0.0f;
    float scale = 1.0f;
    int x = -1;
    int y = -1;
    int styleAdjust = 0;
    uint8_t bubbleOption = 0;
    uint8_t flipArrow = 0;
    const char* body = nullptr;   // replaces the row's body text when set
    const char* title = nullptr;
};

#endif
