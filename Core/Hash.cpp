#include "Core/Hash.h"

namespace {

// h = (b0 * mul + add) mod m for the first byte, then h = (h * step + b * mul) mod m.
int chainedHash(const char* text, int length, uint32_t mul, uint32_t add, uint32_t step, uint32_t mod,
                int empty)
{
    if (length < 0)
        length = cStringLength(text);
    if (!text || length == 0)
        return empty;
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    uint32_t h = (bytes[0] * mul + add) % mod;
    for (int i = 1; i < length; i++)
        h = (h * step + bytes[i] * mul) % mod;
    return static_cast<int>(h);
}

} // namespace

int hashMod97(const char* text, int length)
{
    return chainedHash(text, length, 17, 91, 13, 97, 7);
}

int hashMod97(const String& text)
{
    return hashMod97(text.data(), text.length());
}

int hashMod4463(const char* text, int length)
{
    return chainedHash(text, length, 1951, 3340937, 1559, 4463, 2143);
}

int hashMod4463(const String& text)
{
    return hashMod4463(text.data(), text.length());
}

uint64_t fnv1Hash64(const void* bytes, int length, uint64_t start)
{
    const uint64_t prime = (uint64_t(1) << 40) + 435;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    uint64_t h = start;
    for (int i = 0; p && i < length; i++) {
        h *= prime;
        h ^= p[i];
    }
    return h;
}

uint64_t fnv1Hash64(const char* text, uint64_t start)
{
    return fnv1Hash64(text, cStringLength(text), start);
}
