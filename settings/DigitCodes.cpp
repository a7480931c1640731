#include "settings/DigitCodes.h"

#include "Core/Alphabet.h"

void encodeDigits5(StreamOut& out, int value)
{
    if (value < 0)
        value = 0;
    while (value > 31) {
        out << alphabetChar((value & 31) + 32);
        value >>= 5;
    }
    out << alphabetChar(value);
}

int decodeDigits5(const char*& text)
{
    unsigned value = 0;
    for (int position = 0; *text != '\0'; position++) {
        int index = alphabetIndex(*text++);
        if (position * 5 < 32)
            value += static_cast<unsigned>(index & 31) << (position * 5);
        if (index <= 31)
            break;
    }
    return static_cast<int>(value);
}

void encodeDigits6(StreamOut& out, int value)
{
    if (value < 0)
        value = 0;
    for (;;) {
        out << alphabetChar(value & 63);
        if (value <= 63)
            break;
        value >>= 6;
    }
}

String keepAlphanumeric(const String& text)
{
    String kept;
    for (int i = 0; i < text.length(); i++) {
        char c = text[i];
        bool letterOrDigit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letterOrDigit)
            kept += c;
    }
    return kept;
}
