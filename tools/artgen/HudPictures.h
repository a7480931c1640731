#pragma once
#include <cairo.h>

// The heads-up pictures: digits, the clock gauge, number boxes, buttons, medals, the padlock and
// the bar pieces. Each draws at the origin of cr into its stated size.

void drawDigit(cairo_t* cr, int digit);          // 44 x 50, light digit with a dark outline
void drawSmallDigit(cairo_t* cr, int digit);     // 14 x 18, dark digit for the padlock
void drawClockFrame(cairo_t* cr, int frame);     // 36 x 36, 0..31 time used, 32..37 blinking 31..26
void drawTimeCircleBox(cairo_t* cr);             // 36 x 36 recess the clock sits in
void drawNumberBox(cairo_t* cr, int w, int h, bool level);  // engraved box for digits
void drawSkipLevelBox(cairo_t* cr);              // 64 x 28
void drawUndoIcon(cairo_t* cr);                  // 30 x 30
void drawHintIcon(cairo_t* cr);                  // 27 x 36
void drawMedal(cairo_t* cr, int grade, double scale);  // 36 x 52 at scale 1; grade 0 bronze .. 2 gold, 3 none
void drawPadlock(cairo_t* cr);                   // 44 x 50
void drawFrenzyGroove(cairo_t* cr);              // "Right_140x9.png"
void drawFrenzyBarBack(cairo_t* cr);             // 136 x 5
void drawFrenzyBarFill(cairo_t* cr);             // 16 x 5
void drawFrenzyBarEnd(cairo_t* cr);              // 5 x 5
void drawProgressCap(cairo_t* cr);               // 12 x 4
void drawProgressFill(cairo_t* cr);              // 12 x 24
void drawClockSeparator(cairo_t* cr);            // 6 x 20
void drawInfinity(cairo_t* cr);                  // 40 x 24
void drawRestartIcon(cairo_t* cr);               // "Restart_33x27.png"
