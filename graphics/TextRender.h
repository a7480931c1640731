#pragma once

#include "graphics/Bitmap.h"

// How a text is laid out and coloured; passed by value.
struct TextStyle {
    int wrapMode = 0;  // 0 word wrap at blanks within the box; 1 cut into pieces of a fitted byte count; else one line
    int align = 0;     // 0 left, 1 centred, 2 right (x is then the margin kept from the right edge), 3 centred both ways
    const char* fontName = "AmericanTypewriter-Bold";  // font file without ".ttf"
    int reserved[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    int r = 255;  // colour for the RGBA renderer, 0-255
    int g = 255;
    int b = 255;
    int a = 255;
};

struct TextSize {
    int width;
    int height;
};

// The size of the text laid out as the renderers lay it out, with maxWidth as the wrap width; the result is kept
// within maxWidth x maxHeight (-1: no limit). Lines are cut at "\n"; wrapped words flow into the next line.
TextSize* measureWrappedText(TextSize* out, const char* text, int fontSize, TextStyle style, int maxWidth,
                             int maxHeight);

// The height of one line of the style's font at that size: ascent and descent, what a box needs so that no
// letter loses its bottom ("g", "p", "Q"). 0 when the font cannot be opened.
int textLineHeight(TextStyle style, int fontSize);

// Draws the text in the style's colour over the RGBA bitmap, in the box (x, y, w, h); w and h of -1 reach to the
// bitmap's visible edge. The result stays premultiplied.
void renderTextBitmap(Bitmap* dest, const char* text, int fontSize, TextStyle style, int x, int y, int w, int h);

// The same layout as coverage (0-255) into a one-channel bitmap, replacing what was there. A null font name
// means the default font.
void renderTextBitmapMono(MonoBitmap* dest, const char* text, int align, const char* fontName, int fontSize,
                          int wrapMode, int x, int y, int w, int h);

// A byte count of the text's first line that fits within maxWidth (-1: any width): two thirds of the text when
// that fits, else the longest shorter prefix that does. Never splits a UTF-8 character; 0 when nothing fits.
int fitTextPrefix(const char* text, const char* fontName, int fontSize, int maxWidth);

// Where the letters of a one-line text reach, in pixels from the top of the line as the renderers draw it: the
// top of the highest glyph and the bottom of the lowest descender. {0, 0} for an empty text or no font.
struct TextInk {
    int top;
    int bottom;
};
TextInk measureOneLineInk(const char* text, const char* fontName, int fontSize);
