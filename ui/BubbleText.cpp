#include "ui/BubbleText.h"

#include "Core/GameClock.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/Texture.h"
#include "ui/ElementDrawParams.h"

#include <algorithm>

namespace {

// Past the last inked column, a typed row waits this long (in px of cursor run) before the next begins.
const int kRowMargin = 45;
const int kLastRowMargin = 165;
const float kMsPerPixel = 3.1f;

}  // namespace

InkRect findInk(const Bitmap& picture)
{
    InkRect ink;
    if (!picture.pixels)
        return ink;
    for (int y = 0; y < picture.height; y++) {
        for (int x = 0; x < picture.width; x++) {
            if (picture.at(x, y).a == 0)
                continue;
            if (ink.left < 0) {
                ink.left = ink.right = x;
                ink.top = y;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.bottom = y;
        }
    }
    return ink;
}

TypingCursor::TypingCursor(const InkRect& inked, float typingSpeed)
    : ink(inked), speed(typingSpeed), rowTop(inked.top), x((float)inked.left), done(typingSpeed <= 0.0f || inked.empty())
{
}

void TypingCursor::advance(int elapsedMs)
{
    if (done || elapsedMs <= 0)
        return;
    x += (float)elapsedMs / (kMsPerPixel * speed);
    for (;;) {
        const float rowEnd = (float)(ink.right + (lastRow() ? kLastRowMargin : kRowMargin));
        if (x <= rowEnd)
            return;
        if (rowTop + kRowHeight >= ink.bottom - 27) {
            done = true;
            return;
        }
        rowTop += kRowHeight;
        x = (float)ink.left + (x - rowEnd);
    }
}

TextStyle BubbleText::style()
{
    TextStyle s;
    s.align = 1;
    s.fontName = "AmericanTypewriter-Bold";
    s.r = 246;
    s.g = 226;
    s.b = 184;
    return s;
}

BubbleText::BubbleText(const char* text, int pointSize, int wrapWidth, float revealSpeed)
    : fontSize(pointSize), cursor(InkRect(), 0.0f)
{
    TextSize size;
    measureWrappedText(&size, text, fontSize, style(), wrapWidth, -1);
    // Centred lines in a box of the wrap width: the text's centre is the box's.
    const int w = std::max(wrapWidth, size.width);
    texture = new Texture(text, std::max(w, 1), std::max(size.height, 1), fontSize, style(), true);
    if (texture->rgba)
        ink = findInk(*texture->rgba);
    cursor = TypingCursor(ink, revealSpeed);
}

BubbleText::~BubbleText() { delete texture; }

int BubbleText::width() { return texture ? texture->width : 0; }

int BubbleText::height() { return texture ? texture->height : 0; }

void BubbleText::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    if (!texture)
        return;
    DrawParams p = elementDrawParams(scaleX, scaleY, alpha, angle, BlendPremultiplied);
    if (!cursor.done) {
        const int now = gGameClock.current;
        if (!started) {
            started = true;
            lastStepTime = now;
        }
        cursor.advance(gameTimeDiff(now, lastStepTime));
        lastStepTime = now;
    }
    if (cursor.done) {
        drawTexture(texture, px, py, p);
        return;
    }
    // The rows above the cursor whole, the cursor's row up to the cursor.
    const float sw = (float)texture->storageWidth(), sh = (float)texture->storageHeight();
    const float sy = p.effectiveScaleY();
    if (cursor.rowTop > 0) {
        DrawParams above = p;
        above.vBottom = (float)cursor.rowTop / sh;
        drawTexture(texture, px, py, above);
    }
    DrawParams row = p;
    row.vTop = (float)cursor.rowTop / sh;
    row.vBottom = (float)std::min(cursor.rowTop + TypingCursor::kRowHeight, texture->height) / sh;
    row.uRight = std::min(cursor.x, (float)texture->width) / sw;
    if (row.uRight > 0.0f && row.vBottom > row.vTop)
        drawTexture(texture, px, py + (float)cursor.rowTop * sy, row);
}
