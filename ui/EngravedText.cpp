#include "ui/EngravedText.h"

#include "ui/MenuTextStyle.h"

namespace {

const int kHighlightGrey = 240;
// Wrapped text is never measured taller than this.
const int kMaxMeasuredHeight = 1024;
const int kRegionPadding = 1;

// The grey pass one row lower (its box one row shorter), then the black pass in the full box.
void drawEngraved(Bitmap* page, const char* text, int fontSize, TextStyle style, int x, int y, int w, int h)
{
    TextStyle grey = style;
    grey.r = grey.g = grey.b = kHighlightGrey;
    renderTextBitmap(page, text, fontSize, grey, x, y + 1, w, h - 1);
    TextStyle black = style;
    black.r = black.g = black.b = 0;
    renderTextBitmap(page, text, fontSize, black, x, y, w, h);
}

int measuredHeight(const char* text, int width, int fontSize)
{
    TextSize size{0, 0};
    measureWrappedText(&size, text, fontSize, defaultTextStyle(), width, kMaxMeasuredHeight);
    return size.height;
}

}  // namespace

SpriteRef* makeTextTexture(SpriteRef* out, SpriteSheet* atlas, const char* text, int width, int height, int fontSize,
                           TextStyle style)
{
    if (height == -1)
        height = measuredHeight(text, width, fontSize);
    *out = atlas->reserveRegion(width, height, kRegionPadding);
    PixelView view = out->pixelView(0);
    if (view.page)
        drawEngraved(view.page, text, fontSize, style, view.x, view.y, view.width, view.height);
    return out;
}

Bitmap* renderWrappedTextBitmap(const char* text, int width, int height, int fontSize, TextStyle style)
{
    if (height == -1)
        height = measuredHeight(text, width, fontSize);
    Bitmap* bitmap = new Bitmap(width, height, true);
    drawEngraved(bitmap, text, fontSize, style, 0, 0, width, height);
    return bitmap;
}
