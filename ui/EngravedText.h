#ifndef KELZO_UI_ENGRAVEDTEXT_H
#define KELZO_UI_ENGRAVEDTEXT_H

#include "graphics/SpriteSheet.h"
#include "graphics/TextRender.h"

// Text that sits on the menu wood: black letters over a light grey (240) copy one pixel lower, as if cut in.
// The style gives font, alignment and wrapping; its colour is replaced. Rendered once, when a menu is built.
//
//   SpriteRef title;
//   makeTextTexture(&title, &atlas, "Settings", 240, -1, 19, style);   // as tall as the text
//   Ref<ViewElementI> element(new IndexElement(title, true));          // wood blend at its place

// Engraved text in a new width x height region of the atlas. A height of -1 makes the region as tall as the text
// wrapped at width, measured in the default text style (not the caller's); a height lower than one line of the
// font, its engraving included, is raised to it, so that no letter loses its descender. Returns out.
SpriteRef* makeTextTexture(SpriteRef* out, SpriteSheet* atlas, const char* text, int width, int height, int fontSize,
                           TextStyle style);

// The same engraved text in a bitmap of its own: width x height visible (the height raised as above),
// power-of-two storage. Caller owns it.
Bitmap* renderWrappedTextBitmap(const char* text, int width, int height, int fontSize, TextStyle style);

// The height an engraved text box of that height gets: at least one whole line and its engraving.
int engravedBoxHeight(int height, int fontSize, TextStyle style);

// The largest size from fontSize down to kSmallestFittedSize at which the text, laid out in the style (wrapped or
// one line), fits width x height with whole lines; kSmallestFittedSize when none does.
const int kSmallestFittedSize = 9;
int fittedFontSize(const char* text, int width, int height, int fontSize, TextStyle style);

#endif
