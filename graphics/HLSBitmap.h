#pragma once

#include "graphics/Bitmap.h"

// Hue in degrees (0..360), lightness and saturation 0..1, and the alpha byte.
struct HLS {
    float h, l, s;
    unsigned char a;
};

// Colour words here carry red in bits 16-23, green 8-15, blue 0-7 and alpha 24-31.
HLS rgbToHls(uint32_t colour);
uint32_t hlsToRgb(const HLS& hls);
// One channel of the conversion back: t is first wrapped once into 0..1.
float hueToRgb(float p, float q, float t);

// A picture in HLS form, for hue and lightness shifts of a whole bitmap.
class HLSBitmap : public BitmapBase<HLS> {
public:
    explicit HLSBitmap(const Bitmap& source);
    void shiftHue(float delta);
    // A new bitmap with the hue turned by hueShift (wrapped below 360) and the lightness raised by lightShift (capped at 1).
    Bitmap* toBitmap(float hueShift, float lightShift) const;
};
