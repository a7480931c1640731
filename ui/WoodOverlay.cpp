#include "ui/WoodOverlay.h"

#include "graphics/SpriteSheet.h"

namespace {

int div255(int v)
{
    return (v + 128 + ((v + 128) >> 8)) >> 8;
}

}  // namespace

int woodOverlayChannel(int b, int s)
{
    if (b < 128)
        return div255(2 * b * s);
    return 255 - div255(2 * (255 - b) * (255 - s));
}

int woodBlendChannel(int c, int w, int a)
{
    int o = woodOverlayChannel(w, c);
    // Dark channels get a second pass so that engraved black does not vanish into dark grain.
    if (c + 48 < 128)
        o = woodOverlayChannel(o, c + 48);
    return (a * o) >> 8;
}

void applyWoodOverlay(RGBA* pixels, int width, int height, int stride, int screenX, int screenY, const Bitmap* wood)
{
    if (!pixels || !wood || !wood->pixels)
        return;
    for (int row = 0; row < height; row++) {
        const int sy = screenY + row;
        if (sy < 0 || sy >= wood->height)
            continue;
        RGBA* p = pixels + row * stride;
        for (int col = 0; col < width; col++) {
            const int sx = screenX + col;
            RGBA& px = p[col];
            if (px.a == 0 || sx < 0 || sx >= wood->width)
                continue;
            const RGBA& w = wood->at(sx, sy);
            px.r = (unsigned char)woodBlendChannel(px.r, w.r, px.a);
            px.g = (unsigned char)woodBlendChannel(px.g, w.g, px.a);
            px.b = (unsigned char)woodBlendChannel(px.b, w.b, px.a);
        }
    }
}

void applyWoodOverlay(const PixelView& view, int screenX, int screenY, const Bitmap* wood)
{
    applyWoodOverlay(view.pixels, view.width, view.height, view.stride, screenX, screenY, wood);
}

void applyWoodOverlay(Bitmap* picture, int screenX, int screenY, const Bitmap* wood)
{
    if (picture)
        applyWoodOverlay(picture->pixels, picture->width, picture->height, picture->allocW, screenX, screenY, wood);
}
