#include "ui/MenuTextStyle.h"

#include "graphics/SpriteSheet.h"

void defaultTextStyle(TextStyle& style)
{
    style = TextStyle();
    style.wrapMode = 0;
    style.align = 0;
    style.fontName = "AmericanTypewriter-Bold";
    style.r = style.g = style.b = style.a = 255;
}

TextStyle defaultTextStyle()
{
    TextStyle style;
    defaultTextStyle(style);
    return style;
}

void drawTextInView(PixelView& view, const char* text, int fontSize, TextStyle style, int x, int y)
{
    if (!view.page)
        return;
    renderTextBitmap(view.page, text, fontSize, style, view.x + x, view.y + y, view.width - x, view.height - y);
}

int menuTextWidth(const char* text, int fontSize)
{
    TextSize size{0, 0};
    measureWrappedText(&size, text, fontSize, defaultTextStyle(), -1, -1);
    return size.width;
}
