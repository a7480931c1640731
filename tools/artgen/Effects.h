#pragma once
#include <cairo.h>

// Pictures that move over the board and the menus: shadows and shading, glows, sparks, the
// finger, the wrong-move cross, the tutorial arrow, the bubble tail and the level-end overlays.
// Each draws at the origin of cr into its stated size.

void drawFurballShadow(cairo_t* cr);     // 45 x 45
void drawFurballShading(cairo_t* cr);    // 41 x 41
void drawCellGlow(cairo_t* cr);          // 128 x 128 (additive)
void drawSpark(cairo_t* cr, int family, int step);  // 17 x 17, family 0..9, rotation step 0..5 (15 degrees)
void drawSparkle(cairo_t* cr);           // 24 x 24
void drawFinger(cairo_t* cr);            // 38 x 54, fingertip at the top
void drawWrongMoveCross(cairo_t* cr);    // 60 x 71
void drawInstructionArrow(cairo_t* cr);  // 16 x 8, pointing right
void drawBubbleTail(cairo_t* cr);        // 22 x 26
void drawTopBanner(cairo_t* cr);         // 320 x 14
void drawScoreboardShadow(cairo_t* cr);  // 320 x 16
void drawSoftBar(cairo_t* cr, int w, int h, double alpha);  // light bar fading to both ends
void drawGlowBox(cairo_t* cr, int w, int h);                // additive rounded glow
void drawProgressDot(cairo_t* cr);       // 5 x 5
void drawEndOfPuzzleBadge(cairo_t* cr);  // 80 x 80
void drawLevelEndPanel(cairo_t* cr);     // 240 x 100
void drawLevelEndGlow(cairo_t* cr);      // 260 x 120
