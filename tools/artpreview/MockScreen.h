#pragma once
#include "PreviewSheet.h"

#include <cairo.h>

// Paints a play screen the way the game composes it: theme background, score board pieces blended
// into the wood, the banner, furballs with shadows and shading, a spark burst, the finger and the
// bottom bar. Everything comes from the generated sheets and box pictures.
void drawMockScreen(cairo_t* cr, int theme, const PreviewSheet& themeSheet, const PreviewSheet& common,
                    const char* dataDir);
