#include "ui/ShadowedText.h"

#include <algorithm>

#include "graphics/Texture.h"
#include "graphics/TextTexture.h"

namespace {

const int kRegionPadding = 1;

// Sum of three bytes -> their mean, by one lookup.
const DivisionTable& blurTable()
{
    static DivisionTable table;
    if (table.table.size() == 0)
        buildDivisionTable(&table, 1);
    return table;
}

// Each value becomes the mean of itself and its two neighbours along the pass (step 1: a row, else a column);
// at the ends the edge value counts twice.
void blurPass(const unsigned char* in, unsigned char* out, int count, int step, const int* divide)
{
    for (int i = 0; i < count; i++) {
        const int before = i > 0 ? i - 1 : 0;
        const int after = i + 1 < count ? i + 1 : count - 1;
        out[i * step] = (unsigned char)divide[in[before * step] + in[i * step] + in[after * step]];
    }
}

// The blue bytes of the area, blurred 3 x 3.
void blurredBlue(const PixelView& view, int w, int h, MonoBitmap& blurred)
{
    MonoBitmap across(w, h, true);
    const int* divide = blurTable().table.data();
    for (int y = 0; y < h; y++) {
        const RGBA* row = view.pixels + y * view.stride;
        for (int x = 0; x < w; x++)
            blurred.at(x, y) = row[x].b;
        blurPass(blurred.row(y), across.row(y), w, 1, divide);
    }
    for (int x = 0; x < w; x++)
        blurPass(&across.at(x, 0), &blurred.at(x, 0), h, blurred.allocW, divide);
}

// Lays the shadow (the blurred row above) under the text, fading the text by the colour alpha s.
void composeShadow(const PixelView& view, int w, int h, const MonoBitmap& blurred, int s)
{
    for (int y = 1; y < h; y++) {
        RGBA* row = view.pixels + y * view.stride;
        const unsigned char* shadow = blurred.row(y - 1);
        for (int x = 0; x < w; x++) {
            const int b = shadow[x];
            if (b == 0)
                continue;
            RGBA& p = row[x];
            const int a = p.a;
            const int faded = s >= 255 ? a : (s * a + 128) >> 8;
            // The text is drawn premultiplied: back to its own colour, then times the faded alpha.
            unsigned char* channel[3] = {&p.r, &p.g, &p.b};
            for (unsigned char* c : channel) {
                const int straight = a > 0 ? std::min(255, *c * 255 / a) : 0;
                *c = (unsigned char)(straight * faded / 255);
            }
            p.a = (unsigned char)std::max(b, faded);
        }
    }
}

}  // namespace

void rasteriseText(PixelView& view, const char* text, int width, int height, int fontSize, TextStyle style)
{
    if (!view.page || !view.pixels)
        return;
    const int w = std::min(width, view.width);
    const int h = std::min(height, view.height);
    if (w <= 0 || h <= 0)
        return;
    renderTextBitmap(view.page, text, fontSize, style, view.x, view.y, w, h);
    MonoBitmap blurred(w, h, true);
    blurredBlue(view, w, h, blurred);
    composeShadow(view, w, h, blurred, style.a);
}

SpriteRef* renderTextIntoTexture(SpriteRef* out, SpriteSheet* atlas, const char* text, int width, int height,
                                 int fontSize, TextStyle style)
{
    *out = atlas->reserveRegion(width, height, kRegionPadding);
    PixelView view = out->pixelView(0);
    rasteriseText(view, text, width, height, fontSize, style);
    return out;
}

Texture* makeTextBitmap(const char* text, int width, int height, int fontSize, TextStyle style)
{
    Bitmap* bitmap = new Bitmap(width, height, true);
    PixelView view;
    view.page = bitmap;
    view.pixels = bitmap->pixels;
    view.width = bitmap->width;
    view.height = bitmap->height;
    view.stride = bitmap->allocW;
    rasteriseText(view, text, width, height, fontSize, style);
    return new Texture(bitmap, false, false);
}
