#include "Core/Alphabet.h"

const char kAlphabet64[65] = "0123456789aAbBcCdDeEfFgGhHiIjJkKlLmMnNoOpPqQrRsStTuUvVwWxXyYzZ_-";

char alphabetChar(int index)
{
    return kAlphabet64[index & 63];
}

int alphabetIndex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return 10 + 2 * (c - 'a');
    if (c >= 'A' && c <= 'Z')
        return 11 + 2 * (c - 'A');
    if (c == '_')
        return 62;
    return 63;
}
