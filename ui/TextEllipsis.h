#ifndef KELZO_UI_TEXTELLIPSIS_H
#define KELZO_UI_TEXTELLIPSIS_H

#include <string>

#include "graphics/TextRender.h"

// A text cut to one line of at most maxWidth pixels in the style's font and size: a text that fits stays as it
// is; a longer one loses whole UTF-8 characters from its end (and the blanks before the cut) and ends with an
// ellipsis ("…", or "..." when the font has no such glyph). Never wrapped; the result may be just the ellipsis.
//
//     std::string shown = fitWithEllipsis(name, 15, style, 150);
std::string fitWithEllipsis(const std::string& text, int fontSize, const TextStyle& style, int maxWidth);

// Width of the text on one line in the style's font and size; 0 for an empty text.
int oneLineWidth(const std::string& text, int fontSize, const TextStyle& style);

#endif
