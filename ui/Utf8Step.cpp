#include "ui/Utf8Step.h"

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length a lead byte announces; 1 for a stray byte, so that damaged text still moves on.
int leadLength(unsigned char byte)
{
    if (byte < 0x80)
        return 1;
    if ((byte & 0xE0) == 0xC0)
        return 2;
    if ((byte & 0xF0) == 0xE0)
        return 3;
    if ((byte & 0xF8) == 0xF0)
        return 4;
    return 1;
}

}  // namespace

int utf8LengthBefore(const std::string& text, int pos)
{
    if (pos <= 0 || pos > (int)text.size())
        return 0;
    int start = pos - 1;
    while (start > 0 && pos - start < 4 && isContinuation((unsigned char)text[start]))
        start--;
    // A lead byte whose character does not reach pos: the last byte alone.
    if (start + leadLength((unsigned char)text[start]) != pos)
        return 1;
    return pos - start;
}

int utf8LengthAfter(const std::string& text, int pos)
{
    const int size = (int)text.size();
    if (pos < 0 || pos >= size)
        return 0;
    const int length = leadLength((unsigned char)text[pos]);
    for (int i = 1; i < length; i++)
        if (pos + i >= size || !isContinuation((unsigned char)text[pos + i]))
            return 1;
    return length;
}

bool isValidUtf8(const std::string& text)
{
    int pos = 0;
    const int size = (int)text.size();
    while (pos < size) {
        const unsigned char lead = (unsigned char)text[pos];
        const int length = leadLength(lead);
        if (length == 1 && lead >= 0x80)
            return false;
        if (utf8LengthAfter(text, pos) != length)
            return false;
        pos += length;
    }
    return true;
}
