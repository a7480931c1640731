#include "menus/GreenButton.h"

#include "graphics/Bitmap.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "ui/MenuTextStyle.h"
#include "ui/ShadowedText.h"

namespace {

const int kAtlasPadding = 1;

void halveColours(const PixelView& view)
{
    for (int y = 0; y < view.height; y++) {
        RGBA* row = view.pixels + y * view.stride;
        for (int x = 0; x < view.width; x++) {
            row[x].r >>= 1;
            row[x].g >>= 1;
            row[x].b >>= 1;
        }
    }
}

DrawParams pictureParams(float scaleX, float scaleY, float alpha)
{
    DrawParams p;
    p.blendMode = BlendPremultiplied;
    p.alpha = alpha;
    p.scaleX = scaleX;
    p.scaleY = scaleY;
    return p;
}

}  // namespace

GreenButton::GreenButton(SpriteSheet* sheet, const char* text, int extra, int size)
    : atlas(sheet), extraWidth(extra), fontSize(size)
{
    Bitmap* faceBitmap = loadStretchedBitmap("GreenButton_25x25.png", 0, extraWidth);
    TextStyle style = defaultTextStyle();
    style.align = 1;
    renderTextIntoTexture(&caption, atlas, text, extraWidth + kFaceSide, kCaptionHeight, fontSize, style);
    pressedFace = atlas->addBitmap(faceBitmap->clone(), true, kAtlasPadding);
    face = atlas->addBitmap(faceBitmap, true, kAtlasPadding);
    halveColours(pressedFace.pixelView(0));
}

void GreenButton::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle;
    (selected ? pressedFace : face).draw(x, y, pictureParams(scaleX, scaleY, alpha));
    const int drop = kCaptionDrop + (fontSize < kSmallFontBelow ? 1 : 0);
    caption.draw(x, y + drop, pictureParams(scaleX, scaleY, selected ? alpha * 0.5f : alpha));
}
