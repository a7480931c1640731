#ifndef KELZO_MENUS_SCREENSHOTSHADOW_H
#define KELZO_MENUS_SCREENSHOTSHADOW_H

#include <vector>

#include "graphics/Bitmap.h"

// The soft drop shadow that the cross-promotion page draws under each of its
// 64 x 96 screenshots: a rectangle of the screenshot's size inside an 8-pixel
// border, blurred by three box passes (nearly a Gaussian edge). It is made
// once per page and shared by the three screenshots.
//
//     Bitmap* shadow = makeScreenshotShadowBitmap();   // the caller owns it
//     ... drawn at (x + kShadowOffsetX, y + kShadowOffsetY) under a screenshot at (x, y)

const int kShadowWidth = 80;
const int kShadowHeight = 112;
const int kShadowBorder = 8;
const int kShadowAlpha = 200;       // of the rectangle before blurring
const int kShadowBlurRadius = 2;
const int kShadowBlurPasses = 3;
const int kShadowOffsetX = -8;      // the shadow lies 4 pixels lower than the picture
const int kShadowOffsetY = -4;

// Division table of a box blur: values[s] = s / (2 radius + 1) for every sum
// of 2 radius + 1 bytes, so a pass costs the same per pixel whatever the radius.
struct BoxBlurTable {
    std::vector<int> values;
    int count = 0;
    int radius = 0;
};
BoxBlurTable makeBoxBlurTable(int radius);

// One box-blur pass of source into destination (which may be the same
// bitmap) over the top-left width x height pixels; edges repeat the border
// pixels. The area is cut to what both bitmaps hold.
void prepareScreenshotBitmaps(const BoxBlurTable& table, const MonoBitmap& source, MonoBitmap& destination, int width,
                              int height);

// The shadow's coverage after the three passes (80 x 112 visible, power-of-two storage).
MonoBitmap* makeScreenshotShadowPlane();
// The shadow as premultiplied black: (0, 0, 0, coverage). The caller owns it.
Bitmap* makeScreenshotShadowBitmap();

#endif
