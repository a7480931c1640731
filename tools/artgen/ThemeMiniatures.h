#pragma once
#include <cairo.h>

// Small pictures of the play screen built from the themes' own art: the theme menu's previews,
// the history screen's grass card and the title, icon and screenshots of Marbix, our marble game.

void drawThemePreview(cairo_t* cr, int theme);  // 136 x 195, a mid-tone band at y 154 to 174 for the name
void drawGrassTile(cairo_t* cr);                // "GrassTile_176x217.png"
void drawMarbixScreenshot(cairo_t* cr, int n);  // 64 x 96, n = 1..3
void drawMarbixIcon(cairo_t* cr);               // "MarbixIcon_57x86.png": the icon and its reflection
void drawMarbixTitle(cairo_t* cr);              // "MarbixTitle_243x110.png": the name in glass letters

const int kThemePreviewWidth = 136;
const int kThemePreviewHeight = 195;
const int kScreenshotWidth = 64;
const int kScreenshotHeight = 96;
