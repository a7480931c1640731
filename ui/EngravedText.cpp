#include "ui/EngravedText.h"

#include <algorithm>
#include <string>

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

// The widest word of the text on a line of its own: a wrapped text whose word is wider than its box is cut.
int widestWord(const char* text, int fontSize, TextStyle style)
{
    style.wrapMode = 2;
    int widest = 0;
    std::string word;
    for (const char* p = text;; ++p) {
        if (*p && *p != ' ' && *p != '\n') {
            word += *p;
            continue;
        }
        TextSize measured{0, 0};
        if (!word.empty())
            measureWrappedText(&measured, word.c_str(), fontSize, style, -1, -1);
        widest = std::max(widest, measured.width);
        word.clear();
        if (!*p)
            return widest;
    }
}

}  // namespace

int engravedBoxHeight(int height, int fontSize, TextStyle style)
{
    // The grey copy lies one row below the black letters.
    return std::max(height, textLineHeight(style, fontSize) + 1);
}

int fittedFontSize(const char* text, int width, int height, int fontSize, TextStyle style)
{
    const bool wraps = style.wrapMode == 0;
    for (int size = fontSize; size > kSmallestFittedSize; size--) {
        TextSize measured{0, 0};
        measureWrappedText(&measured, text, size, style, wraps ? width : -1, -1);
        if (measured.height <= height && measured.width <= width && !(wraps && widestWord(text, size, style) > width))
            return size;
    }
    return kSmallestFittedSize;
}

SpriteRef* makeTextTexture(SpriteRef* out, SpriteSheet* atlas, const char* text, int width, int height, int fontSize,
                           TextStyle style)
{
    height = height == -1 ? measuredHeight(text, width, fontSize) : engravedBoxHeight(height, fontSize, style);
    *out = atlas->reserveRegion(width, height, kRegionPadding);
    PixelView view = out->pixelView(0);
    if (view.page)
        drawEngraved(view.page, text, fontSize, style, view.x, view.y, view.width, view.height);
    return out;
}

Bitmap* renderWrappedTextBitmap(const char* text, int width, int height, int fontSize, TextStyle style)
{
    height = height == -1 ? measuredHeight(text, width, fontSize) : engravedBoxHeight(height, fontSize, style);
    Bitmap* bitmap = new Bitmap(width, height, true);
    drawEngraved(bitmap, text, fontSize, style, 0, 0, width, height);
    return bitmap;
}
