#include "ui/CombinedMenuFrame.h"

#include <algorithm>

#include "graphics/GlState.h"
#include "graphics/Texture.h"
#include "settings/AbSettings.h"
#include "ui/CustomImageElement.h"
#include "ui/IndexElement.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodPanel.h"

namespace {

const int kChildReserve = 8;
const int kStripPadding = 1;
// The shadow picture's last rows make the foot; its columns from each end make the sides.
const int kShadowMiddle = 50;

// Shade: a base opacity growing with "vo", lowered for large frames under "vll".
const float kShadeBase = 0.1f;
const float kShadePerVo = 0.085f;
const float kShadePerVll = 0.05f;
const float kShadeSizeDivisor = 3500.0f;
const int kShadeSizeStart = 50;

bool usable(const Bitmap* b)
{
    return b && b->pixels && b->width > 0 && b->height > 0;
}

// The shadow picture nine-sliced over the whole frame: columns from its left end and, mirrored, its right end;
// the foot from its last rows, the top from its first.
RGBA shadowPixel(const Bitmap& shadow, int fx, int fy, int frameWidth, int frameHeight)
{
    const int fromRight = frameWidth - 1 - fx;
    int sx = std::min(fx, kShadowMiddle);
    if (fromRight < kShadowMiddle)
        sx = shadow.width - 1 - fromRight;
    const int fromBottom = frameHeight - fy;
    int sy = std::min(fy, shadow.height - CombinedMenuFrame::kBottom - 1);
    if (fromBottom <= CombinedMenuFrame::kBottom)
        sy = shadow.height - fromBottom;
    sx = std::max(0, std::min(sx, shadow.width - 1));
    sy = std::max(0, std::min(sy, shadow.height - 1));
    return shadow.at(sx, sy);
}

}  // namespace

float CombinedMenuFrame::shadeAlpha(int width, int height, int vo, int vll)
{
    if (vo <= 2)
        return -1.0f;
    float a = kShadeBase + kShadePerVo * (float)(vo - 1);
    if (vll > 1) {
        a += kShadePerVll * (float)vll;
        const int side = std::max(width, height);
        if (side > kShadeSizeStart)
            a -= (float)vll * (float)(side - kShadeSizeStart) / kShadeSizeDivisor;
        a = std::max(0.0f, a);
    }
    return a;
}

RGBA CombinedMenuFrame::framePixel(int fx, int fy, int width, int height, int x, int y)
{
    const int frameWidth = width + 2 * kSide;
    const int frameHeight = height + kBorder + kBottom;
    RGBA p{0, 0, 0, 0};
    const Bitmap* shadow = gSharedMenuTextures[kSharedMenuShadow];
    if (usable(shadow))
        p = shadowPixel(*shadow, fx, fy, frameWidth, frameHeight);

    const Bitmap* mask = gSharedMenuTextures[kSharedWoodMask];
    const int woodWidth = width + 2 * kBorder;
    const int woodHeight = height + 2 * kBorder;
    const int t = fx - kWoodLeft;
    if (!usable(mask) || t < 0 || t >= woodWidth || fy >= woodHeight)
        return p;
    if (mask->at(nineSliceIndex(t, woodWidth, mask->width, kMaskCorner),
                 nineSliceIndex(fy, woodHeight, mask->height, kMaskCorner)).b == 0)
        return p;
    const Bitmap* wood = gSharedMenuTextures[kSharedWood];
    if (usable(wood) && wood->contains(x + fx, y + fy))
        p = wood->at(x + fx, y + fy);
    const Bitmap* highlight = gSharedMenuTextures[kSharedWoodHighlight];
    if (usable(highlight))
        layWoodHighlight(p, highlight->at(nineSliceIndex(t, woodWidth, highlight->width, kMaskCorner),
                                          nineSliceIndex(fy, woodHeight, highlight->height, kMaskCorner)));
    return p;
}

CombinedMenuFrame::CombinedMenuFrame(SpriteSheet* sheet, int width, int height, int x, int y) : atlas(sheet)
{
    loadSharedMenuTextures();
    children.reserve(kChildReserve);
    width = std::max(0, width);
    height = std::max(0, height);
    viewWidth = width + 2 * kSide;
    viewHeight = height + kBorder + kBottom;
    addInterior(width, height, x, y);
    addStrip(0, 0, width + 2 * kSide, kBorder, width, height, x, y);
    addStrip(0, kBorder, kSide, height, width, height, x, y);
    addStrip(width + kSide, kBorder, kSide, height, width, height, x, y);
    addStrip(0, height + kBorder, width + 2 * kSide, kBottom, width, height, x, y);
    addShade(width, height);
}

void CombinedMenuFrame::addStrip(int stripX, int stripY, int stripWidth, int stripHeight, int width, int height,
                                 int x, int y)
{
    const SpriteRef region = atlas->reserveRegion(stripWidth, stripHeight, kStripPadding);
    const PixelView view = region.pixelView(0);
    for (int row = 0; row < view.height; row++)
        for (int column = 0; column < view.width; column++)
            view.pixels[row * view.stride + column] =
                framePixel(stripX + column, stripY + row, width, height, x, y);
    ViewChild& child = addChild();
    child.element.reset(new IndexElement(region, false));
    child.x = stripX;
    child.y = stripY;
}

void CombinedMenuFrame::addInterior(int width, int height, int x, int y)
{
    ViewChild& child = addChild();
    child.x = kSide;
    child.y = kBorder;
    Ref<Texture> wood = menuWoodTexture();
    if (!wood)
        return;
    DrawParams params;
    params.blendMode = BlendPremultiplied;
    const float sw = (float)wood->storageWidth(), sh = (float)wood->storageHeight();
    params.uLeft = (float)(x + kSide) / sw;
    params.uRight = (float)(x + kSide + width) / sw;
    params.vTop = (float)(y + kBorder) / sh;
    params.vBottom = (float)(y + kBorder + height) / sh;
    child.element.reset(new CustomImageElement(wood, params));
}

void CombinedMenuFrame::addShade(int width, int height)
{
    const float alpha = shadeAlpha(width, height, gAbSettings.vo, gAbSettings.vll);
    if (alpha < 0.0f || !gMenuShadowTexture)
        return;
    const Texture* shade = gMenuShadowTexture.get();
    DrawParams params;
    params.blendMode = BlendPremultiplied;
    params.alpha = alpha;
    params.scaleX = (float)(width + 2 * kBorder) / (float)shade->width;
    params.scaleY = (float)(height + 2 * kBorder) / (float)shade->height;
    ViewChild& child = addChild();
    child.element.reset(new CustomImageElement(gMenuShadowTexture, params));
    child.x = kWoodLeft;
    child.y = 0;
}
