#pragma once

#include "graphics/Bitmap.h"

#include <vector>

// Box blur of a w x h byte plane (rows `inStride` apart) into `out` (rows `outStride` apart): each axis in turn
// averages a window of 2 x radius + 1 bytes, indices clamped to the plane (edge bytes repeat). `divide` maps a
// window sum to its average (256 x (2r + 1) entries), so the cost per pixel does not depend on the radius.
void boxBlurPlane(const unsigned char* in, int inStride, int w, int h, int radius, const int* divide,
                  unsigned char* out, int outStride);

// Box blur (window 2 x radius + 1, both axes) of the alpha of src's visible picture, laid into a plane that is
// larger than src's allocation by the radius on every side: out has (allocW + 2r) x (allocH + 2r) bytes.
void boxBlurAlpha(const Bitmap& src, int radius, std::vector<unsigned char>& out, int* outW, int* outH);

// A light halo around the picture: (245, 255, 255, min(blur x gain, 255)), not premultiplied, in a new bitmap
// 2 x radius larger than src's allocation. The source is left as it is.
Bitmap* makeShadowBitmap(const Bitmap* src, int radius, float gain);

// Thickens the picture's own alpha by its blur: a' = min(a + blur x gain, 255), colours scaled by a' / 255.
void glowBitmapInPlace(Bitmap* bitmap, int radius, float gain);
