#pragma once
#include "Canvas.h"

// Wood and the frame of the play screen that every theme shares: the score board on top
// (y 0 to 70) and the bar of the undo and hint buttons at the bottom (y 433 to 480).

const int kScoreBoardHeight = 70;
const int kBottomBarTop = 433;

// Wood grain, planks running across, into a w x h area at the origin of cr.
void drawWood(cairo_t* cr, int w, int h, const Colour& base, uint32_t seed, int plankHeight);
void drawScoreBoard(cairo_t* cr);
void drawBottomBar(cairo_t* cr);
// The whole 320 x 480 picture under the board of one theme.
void drawThemeBackground(cairo_t* cr, void (*boardArea)(cairo_t*));
// The menus' wood, 320 x 480.
void drawMenuWood(cairo_t* cr);
// A dark full-screen vignette laid over menu frames.
void drawShade(cairo_t* cr);
