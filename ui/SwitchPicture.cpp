#include "ui/SwitchPicture.h"

#include "graphics/Bitmap.h"

#include <algorithm>

namespace {

RGBA stripPixel(const Bitmap& strip, int x, int y)
{
    return strip.contains(x, y) ? strip.at(x, y) : RGBA{0, 0, 0, 0};
}

unsigned char times(unsigned char a, unsigned char b) { return (unsigned char)(a * b / 255); }

}  // namespace

Bitmap* composeSwitchPicture(const Bitmap& mask, const Bitmap& strip, int offset)
{
    Bitmap* out = new Bitmap(mask.width, mask.height, true);
    const int w = mask.width;
    for (int y = 0; y < mask.height; y++) {
        if (w > 0 && mask.at(0, y).a == 255) {
            for (int x = 0; x < w; x++)
                out->at(x, y) = stripPixel(strip, offset + x, y);
            continue;
        }
        for (int x = 0; x < w; x++) {
            const RGBA m = mask.at(x, y);
            if (m.a == 255) {
                // An opaque pixel in the right half opens no run beyond itself.
                const int runEnd = std::max(x, w - 1 - x);
                for (; x <= runEnd; x++)
                    out->at(x, y) = stripPixel(strip, offset + x, y);
                x--;
                continue;
            }
            const RGBA s = stripPixel(strip, offset + x, y);
            out->at(x, y) = RGBA{times(s.r, m.r), times(s.g, m.g), times(s.b, m.b), times(s.a, m.a)};
        }
    }
    return out;
}
