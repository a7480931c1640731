#include "ui/WoodPanel.h"

#include <algorithm>

#include "graphics/Bitmap.h"
#include "ui/SharedMenuTextures.h"

namespace {

const int kFrameMargin = 30;       // panel size minus the wood's size
const int kWoodLeft = 10;          // first wood column of the region
const int kRegionExtraWidth = 20;
const int kRegionCutHeight = 5;
const int kShadowFootRows = 20;
const int kShadowCorner = 51;       // shadow columns and rows 0..50 are taken as they are; 51 is the one repeated
const int kShadowSideColumns = 18;
const int kDefaultShapeSide = 50;
const int kPanelCorner = 11;
const int kPanelExtraWidth = 220;

// Shadow column for region column c: left 51 columns as they are, the right part aligned on the right edge,
// column 51 between.
int shadowColumn(int c, int regionWidth, int shadowWidth)
{
    if (c < kShadowCorner)
        return std::min(c, shadowWidth - 1);
    const int fromRight = regionWidth - 1 - c;
    if (fromRight < shadowWidth - 1 - kShadowCorner)
        return shadowWidth - 1 - fromRight;
    return std::min(kShadowCorner, shadowWidth - 1);
}

void drawShadowFoot(const PixelView& view, const Bitmap& shadow, int woodHeight)
{
    for (int i = 0; i < kShadowFootRows; i++) {
        const int row = woodHeight + i;
        const int sy = shadow.height - kShadowFootRows + i;
        if (row < 0 || row >= view.height || sy < 0)
            continue;
        RGBA* out = view.pixels + row * view.stride;
        for (int c = 0; c < view.width; c++)
            out[c] = shadow.at(shadowColumn(c, view.width, shadow.width), sy);
    }
}

void drawShadowSides(const PixelView& view, const Bitmap& shadow, int woodHeight)
{
    const int columns = std::min(kShadowSideColumns, std::min(shadow.width, view.width));
    for (int row = 0; row < woodHeight && row < view.height; row++) {
        // The top rows as they are; below them, the shadow's lower rows end at the wood's last row.
        const int sy = row < kShadowCorner ? row : std::max(shadow.height - woodHeight + row, kShadowCorner);
        if (sy < 0 || sy >= shadow.height)
            continue;
        RGBA* out = view.pixels + row * view.stride;
        for (int i = 0; i < columns; i++) {
            const RGBA left = shadow.at(i, sy);
            if (left.a != 0)
                out[i] = left;
            const RGBA right = shadow.at(shadow.width - 1 - i, sy);
            if (right.a != 0)
                out[view.width - 1 - i] = right;
        }
    }
}

struct WoodSource {
    const Bitmap* shape;
    const Bitmap* wood;
    const Bitmap* highlight;
    int cornerX, cornerY;
    int woodX, woodY;
};

void drawWood(const PixelView& view, const WoodSource& src, int woodWidth, int woodHeight)
{
    const Bitmap& shape = *src.shape;
    for (int row = 0; row < woodHeight && row < view.height; row++) {
        RGBA* out = view.pixels + row * view.stride;
        const int sy = nineSliceIndex(row, woodHeight, shape.height, src.cornerY);
        const int hy = src.highlight ? nineSliceIndex(row, woodHeight, src.highlight->height, src.cornerY) : 0;
        for (int t = 0; t < woodWidth && kWoodLeft + t < view.width; t++) {
            const int c = kWoodLeft + t;
            if (shape.at(nineSliceIndex(t, woodWidth, shape.width, src.cornerX), sy).b == 0)
                continue;
            const int wx = src.woodX + c, wy = src.woodY + row;
            if (src.wood && src.wood->contains(wx, wy))
                out[c] = src.wood->at(wx, wy);
            if (src.highlight)
                layWoodHighlight(out[c],
                             src.highlight->at(nineSliceIndex(t, woodWidth, src.highlight->width, src.cornerX), hy));
        }
    }
}

void applyBrightness(const PixelView& view, float brightness)
{
    const int factor = (int)(brightness * 255);
    for (int row = 0; row < view.height; row++) {
        RGBA* out = view.pixels + row * view.stride;
        for (int c = 0; c < view.width; c++) {
            RGBA& p = out[c];
            if (p.a != 255)
                continue;
            p.r = (unsigned char)std::min(255, (p.r * factor) >> 8);
            p.g = (unsigned char)std::min(255, (p.g * factor) >> 8);
            p.b = (unsigned char)std::min(255, (p.b * factor) >> 8);
        }
    }
}

bool usable(const Bitmap* b)
{
    return b && b->pixels && b->width > 0 && b->height > 0;
}

}  // namespace

int nineSliceIndex(int t, int size, int side, int corner)
{
    if (t < corner)
        return std::min(t, side - 1);
    const int fromEnd = size - t;
    if (fromEnd <= corner)
        return std::max(0, side - fromEnd);
    return std::min(corner, side - 1);
}

void layWoodHighlight(RGBA& p, const RGBA& h)
{
    const int ha = h.a;
    unsigned char* channel[3] = {&p.r, &p.g, &p.b};
    const unsigned char light[3] = {h.r, h.g, h.b};
    for (int k = 0; k < 3; k++) {
        const int sum = *channel[k] * (255 - ha) + light[k] * ha;
        *channel[k] = (unsigned char)std::min(255, sum / 255);
    }
    p.a = (unsigned char)std::max((int)p.a, ha);
}

SpriteRef* composeWoodPanel(SpriteRef* out, SpriteSheet* atlas, const Bitmap* shape, int cornerX, int cornerY,
                            int panelWidth, int panelHeight, const Bitmap* wood, const Bitmap* shadow,
                            float brightness, int woodX, int woodY)
{
    if (!usable(shape))
        shape = nullptr;
    const int shapeWidth = shape ? shape->width : kDefaultShapeSide;
    const int woodWidth = panelWidth - kFrameMargin + shapeWidth;
    const int woodHeight = panelHeight - kFrameMargin;
    *out = atlas->reserveRegion(woodWidth + kRegionExtraWidth, panelHeight - kRegionCutHeight, 1);
    PixelView view = out->pixelView(0);
    if (!view.pixels)
        return out;
    if (usable(shadow)) {
        drawShadowFoot(view, *shadow, woodHeight);
        drawShadowSides(view, *shadow, woodHeight);
    }
    if (shape) {
        const Bitmap* highlight = gSharedMenuTextures[kSharedWoodHighlight];
        WoodSource src{shape, usable(wood) ? wood : nullptr, usable(highlight) ? highlight : nullptr,
                       cornerX, cornerY, woodX, woodY};
        drawWood(view, src, woodWidth, woodHeight);
    }
    if (brightness != 1.0f)
        applyBrightness(view, brightness);
    return out;
}

SpriteRef* makeMenuTextPanel(SpriteRef* out, SpriteSheet* atlas, int height, int width, float brightness, int woodX,
                             int woodY)
{
    loadSharedMenuTextures();
    return composeWoodPanel(out, atlas, gSharedMenuTextures[kSharedWoodMask], kPanelCorner, kPanelCorner,
                            width + kPanelExtraWidth, height, gSharedMenuTextures[kSharedWood],
                            gSharedMenuTextures[kSharedMenuShadow], brightness, woodX, woodY);
}
