#pragma once
#include "PreviewSheet.h"

#include <cairo.h>

// Paints a play screen the way the game composes it: theme background, score board pieces blended
// into the wood, the banner, furballs with shadows and shading, a spark burst, the finger and the
// bottom bar. Everything comes from the generated sheets and box pictures.
void drawMockScreen(cairo_t* cr, int theme, const PreviewSheet& themeSheet, const PreviewSheet& common,
                    const char* dataDir);

// Score boards of the other modes (Frenzy with its bar and medal, Free Play, Beat the Clock) and
// the Arcade level-end overlay, stacked in one 320 x 480 picture over theme 0.
void drawHudVariants(cairo_t* cr, const PreviewSheet& themeSheet, const PreviewSheet& common, const char* dataDir);
