#pragma once
#include <cairo.h>

// Buttons and plates of the menus. The grey ones are laid over the menu wood by the game (an
// overlay blend), so they are neutral greys about 128 that only add a bevel and a rim; alpha gives
// the shape. All of them may be widened by repeating the middle column.

void drawGreyButton(cairo_t* cr, int w, int h, double radius);  // the caption buttons
void drawBackButton(cairo_t* cr);                  // "Back_30x30.png", arrow at the left end
void drawFieldBackground(cairo_t* cr);             // "FieldBackground_281x47.png"
void drawGreenButton(cairo_t* cr);                 // "GreenButton_25x25.png", drawn as it is
// Segments of the segmented control, 69 x 30, drawn as they are; part 0 left, 1 middle, 2 right.
void drawSegment(cairo_t* cr, int part, bool pressed);
