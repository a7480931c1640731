#ifndef KELZO_BOARD_NUMBERDISPLAY_H
#define KELZO_BOARD_NUMBERDISPLAY_H

#include <cstdint>

#include "Core/String.h"

// A number shown above the board: a box picture composed into the score
// board and a row of digits drawn over it every frame.
struct NumberDisplay {
    int32_t value = 0;      // negative shows as 0
    int32_t divisor = 100;  // one place above the highest digit: 100 two digits, 1000 three
    float x = 0.0f;
    float y = 0.0f;
    float alpha = 1.0f;
    uint8_t levelStyle = 0;
    float scale = 1.0f;     // the digits' size; smaller digits stay centred where full-size ones would sit

    // Stores the fields and composes the box into the score board.
    void init(int value, int divisor, bool levelStyle, float x, float y, float alpha);
    // Draws the digits (level numbers shifted to sit centred in their box).
    void draw();
};

// The divisor of the scores of the heads-up display: six digits in the
// wide box, since Arcade's highest levels pass 99,999 points.
const int kHudSixDigits = 1000000;

// The digits shown for a value: most significant first; returns their count.
int numberDigits(int value, int divisor, int digits[10]);
// The left shift of a level number inside its box.
float levelNumberShift(int value);
// The time-circle frame drawn for `frame` (-1 = none): frame 99 draws no
// gauge; past 25 a blinking gauge alternates with its mirror 63 - frame
// every 400 ms of the clock.
int timeCircleFrame(int frame, bool blink, int now);

// The clock gauge's frame 0..31 for a used fraction: 31 from 1 up, 0 at 0
// or below, else floor(fraction x 32).
int clockGaugeFrame(float fraction);

void drawNumberDigits(int value, int divisor, float x, float y, float alpha, float scale = 1.0f);
void drawTimeCircle(int frame, int x, int y, float alpha, bool blink, bool useBoardOffset);
void drawNumberBox(int divisor, float x, float y, bool levelStyle);
// A text engraved into the score board at (x, y): rendered only while the board rebuilds its cache, drawn from
// the cache in the frames after.
void drawTextIntoScoreBoard(const String& text, float x, float y);
// A label of the heads-up display engraved into the score board at (x, y), in a box of width x height: the
// font size steps down from `fontSize` until the text fits the width on one line (the desktop's free fonts run
// wider than the phone's).
void drawHudLabel(const String& text, int width, int x, int y, int height, int fontSize);
// The font size drawHudLabel uses: `fontSize`, or smaller until the text fits `width` (never below 9).
int hudLabelFontSize(const char* text, int width, int fontSize);
// The centre of the box a number of that kind is drawn in at x (NumberDisplay::init's x).
float numberBoxCentre(int divisor, float x, bool levelStyle);

// A label of the heads-up display over the thing it names (a number's box, the clock, the medal) centred at
// `centre`. Labels are laid out together: each keeps to its share of the row, up to halfway to the centres of its
// neighbours, and is shrunk until it fits there; within its share it sits centred over its thing when it can.
struct HudLabel {
    String text;
    float centre = 0.0f;
    int x = 0;          // laid out: the left edge and the font size
    int fontSize = 0;
    int width = 0;
};
// Lays out the labels, given left to right, in the row from x = rowLeft to rowRight.
void layOutHudLabels(HudLabel* labels, int count, int rowLeft, int rowRight);
// Lays them out across the screen, from rowLeft on, and engraves them into the score board.
void drawHudLabels(HudLabel* labels, int count, int rowLeft = 0);

// The Free Play picture of the heads-up display, its top-left corner at (x, y) (the board's offset added).
void drawFreePlayPicture(float x, float y);
// A picture file engraved into the score board at (x, y) the same way: read only while the board rebuilds.
void drawPictureIntoScoreBoard(const char* fileName, float x, float y);

#endif
