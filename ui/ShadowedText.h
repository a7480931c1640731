#ifndef KELZO_UI_SHADOWEDTEXT_H
#define KELZO_UI_SHADOWEDTEXT_H

#include "graphics/SpriteSheet.h"
#include "graphics/TextRender.h"

class Texture;

// Light text on darker pictures: the text in the style's colour with a soft dark shadow one pixel lower,
// blurred over 3 x 3 pixels. A colour alpha below 255 fades the letters but not their shadow. The shadow is
// composed from the second row of the area down, so the first row stays as drawn. Rendered once, at build time.

// Shadowed text drawn into the width x height area of a sheet region (its pixels must not be uploaded yet).
void rasteriseText(PixelView& view, const char* text, int width, int height, int fontSize, TextStyle style);

// A new width x height region of the atlas with shadowed text in it. Returns out.
SpriteRef* renderTextIntoTexture(SpriteRef* out, SpriteSheet* atlas, const char* text, int width, int height,
                                 int fontSize, TextStyle style);

// Shadowed text in a texture of its own (width x height visible). Caller owns it.
Texture* makeTextBitmap(const char* text, int width, int height, int fontSize, TextStyle style);

#endif
