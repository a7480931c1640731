#ifndef KELZO_UI_WOODOVERLAY_H
#define KELZO_UI_WOODOVERLAY_H

#include "graphics/Bitmap.h"

struct PixelView;

// Gives a picture the grain of the full-screen wood as if it were printed on it: each colour channel c of a
// pixel of alpha a over the wood value w at the pixel's screen position becomes
//     o = overlay(w, c);  when c + 48 < 128: o = overlay(o, c + 48);  c' = (a x o) >> 8
// with overlay(b, s) = 2bs/255 for b < 128, else 255 - 2(255-b)(255-s)/255 (rounded /255). Alpha stays.
// Pixels of alpha 0, at a negative screen position or off the wood are left as they are; no wood, no change.
// Done once, on the CPU, before the picture is uploaded.
void applyWoodOverlay(RGBA* pixels, int width, int height, int stride, int screenX, int screenY, const Bitmap* wood);
void applyWoodOverlay(const PixelView& view, int screenX, int screenY, const Bitmap* wood);
void applyWoodOverlay(Bitmap* picture, int screenX, int screenY, const Bitmap* wood);

// The overlay of one channel: s laid over the base b.
int woodOverlayChannel(int b, int s);
// The two-pass blend of one channel value c of alpha a over wood value w.
int woodBlendChannel(int c, int w, int a);

#endif
