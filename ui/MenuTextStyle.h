#ifndef KELZO_UI_MENUTEXTSTYLE_H
#define KELZO_UI_MENUTEXTSTYLE_H

#include "graphics/TextRender.h"

struct PixelView;

// The toolkit's text style: "AmericanTypewriter-Bold", opaque white, left-aligned, word-wrapped.
void defaultTextStyle(TextStyle& style);
TextStyle defaultTextStyle();

// Text into a sheet region at (x, y) inside it, clipped to the rest of the region.
void drawTextInView(PixelView& view, const char* text, int fontSize, TextStyle style, int x, int y);

// The width of the text in the default style at that size, unwrapped.
int menuTextWidth(const char* text, int fontSize);

#endif
