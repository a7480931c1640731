#include "Core/Packer.h"

namespace {

// Reader state of one unpacking run; `failed` stops everything at the first bad step.
struct Depacker {
    const unsigned char* src;
    unsigned int srcLength;
    unsigned char* dst;
    unsigned int dstLength;
    unsigned int srcPos = 0;
    unsigned int dstPos = 0;
    unsigned int tag = 0;
    int bitsLeft = 0;
    bool failed = false;

    unsigned int getByte() {
        if (srcPos >= srcLength) {
            failed = true;
            return 0;
        }
        return src[srcPos++];
    }

    unsigned int getBit() {
        if (bitsLeft == 0) {
            tag = getByte();
            bitsLeft = 8;
        }
        --bitsLeft;
        unsigned int bit = (tag >> 7) & 1;
        tag = (tag << 1) & 0xFF;
        return bit;
    }

    // Values start at 2. Anything longer than the destination can only be damage.
    unsigned int getGamma() {
        unsigned int v = 1;
        do {
            v = 2 * v + getBit();
            if (v > 0x40000000u) failed = true;
        } while (!failed && getBit());
        return v;
    }

    void put(unsigned int byte) {
        if (failed) return;
        if (dstPos >= dstLength) {
            failed = true;
            return;
        }
        dst[dstPos++] = (unsigned char)byte;
    }

    // Byte by byte, so overlapping matches repeat their pattern.
    void copyBack(unsigned int offset, unsigned int length) {
        if (failed) return;
        if (offset == 0 || offset > dstPos || length > dstLength - dstPos) {
            failed = true;
            return;
        }
        for (unsigned int i = 0; i < length; ++i, ++dstPos) dst[dstPos] = dst[dstPos - offset];
    }
};

}  // namespace

unsigned int depackSafe(const unsigned char* src, unsigned int srcLength, unsigned char* dst, unsigned int dstLength) {
    if (!src || !dst || srcLength == 0 || dstLength == 0) return kDepackFailed;
    Depacker d{src, srcLength, dst, dstLength};
    unsigned int lastOffset = 0;
    bool afterMatch = false;
    d.put(d.getByte());
    while (!d.failed) {
        if (!d.getBit()) {  // literal
            d.put(d.getByte());
            afterMatch = false;
        } else if (!d.getBit()) {  // long match
            unsigned int g = d.getGamma();
            unsigned int offset, length;
            if (!afterMatch && g == 2) {
                offset = lastOffset;
                length = d.getGamma();
            } else {
                unsigned int high = afterMatch ? g - 2 : g - 3;
                offset = high * 256 + d.getByte();
                length = d.getGamma();
                if (offset >= 32000) ++length;
                if (offset >= 1280) ++length;
                if (offset < 128) length += 2;
                lastOffset = offset;
            }
            d.copyBack(offset, length);
            afterMatch = true;
        } else if (!d.getBit()) {  // short match; offset 0 ends the stream
            unsigned int b = d.getByte();
            unsigned int offset = b >> 1;
            if (d.failed) break;
            if (offset == 0) return d.dstPos;
            d.copyBack(offset, 2 + (b & 1));
            lastOffset = offset;
            afterMatch = true;
        } else {  // one byte from up to 15 back, or a zero
            unsigned int offset = 0;
            for (int i = 0; i < 4; ++i) offset = (offset << 1) | d.getBit();
            if (offset)
                d.copyBack(offset, 1);
            else
                d.put(0);
            afterMatch = false;
        }
    }
    return kDepackFailed;
}
