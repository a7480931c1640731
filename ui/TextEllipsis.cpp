#include "ui/TextEllipsis.h"

#include "graphics/FontCache.h"
#include "ui/Utf8Step.h"

namespace {

const int kOneLineMode = 2;
const int kEllipsisCodePoint = 0x2026;
const char* const kEllipsis = "\xE2\x80\xA6";
const char* const kThreeDots = "...";

TextStyle oneLine(const TextStyle& style)
{
    TextStyle line = style;
    line.wrapMode = kOneLineMode;
    return line;
}

}  // namespace

int oneLineWidth(const std::string& text, int fontSize, const TextStyle& style)
{
    if (text.empty())
        return 0;
    TextSize size{0, 0};
    measureWrappedText(&size, text.c_str(), fontSize, oneLine(style), -1, -1);
    return size.width;
}

std::string fitWithEllipsis(const std::string& text, int fontSize, const TextStyle& style, int maxWidth)
{
    if (oneLineWidth(text, fontSize, style) <= maxWidth)
        return text;
    const std::string ellipsis = fontHasGlyph(style.fontName, fontSize, kEllipsisCodePoint) ? kEllipsis : kThreeDots;
    int keep = (int)text.size();
    while (keep > 0) {
        int shorter = keep - utf8LengthBefore(text, keep);
        while (shorter > 0 && text[shorter - 1] == ' ')
            shorter--;
        keep = shorter;
        if (oneLineWidth(text.substr(0, keep) + ellipsis, fontSize, style) <= maxWidth)
            break;
    }
    return text.substr(0, keep) + ellipsis;
}
