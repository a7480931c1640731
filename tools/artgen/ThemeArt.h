#pragma once
#include "Canvas.h"

#include <string>

// What one theme contributes to its sheet. Frame numbers here are stored frame numbers: the
// region row of the sheet (for half-rate themes already halved). Pictures with equal keys are
// drawn once and shared by their regions.
struct ThemeArt {
    int frameSize;
    // Frame rows the theme really draws; rows past this share the pixels of row 0.
    int storedFrames;
    void (*drawBoardArea)(cairo_t* cr);  // the playing field, screen y 70 to 433
    std::string (*frameKey)(int frame, int colourIndex);
    void (*drawFrame)(cairo_t* cr, int size, int frame, int colourIndex);
    void (*drawShadow)(cairo_t* cr);   // the theme's own 45 x 45 shadow, or null
    void (*drawOverlay)(cairo_t* cr);  // the theme's own 45 x 45 additive overlay, or null
};

ThemeArt furballArt();
ThemeArt soccerArt();
ThemeArt fruitArt();
ThemeArt pandaArt();
ThemeArt turtleArt();
ThemeArt marbleArt();
// The art of theme 0..5 in the theme table's order.
ThemeArt themeArt(int theme);

// The board geometry every theme paints under: cell (x, y) at (3 + 45x, 73 + 45y).
const int kCell = 45;
const int kBoardLeft = 3;
const int kBoardTop = 73;
const int kBoardColumns = 7;
const int kBoardRows = 8;
