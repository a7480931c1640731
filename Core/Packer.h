#pragma once

// Unpacking of the packed data format (a byte-oriented LZ77 stream whose control bits sit in interleaved
// tag bytes). Every read is checked against the source length and every write and back-reference against
// the destination, so a damaged stream fails cleanly instead of running past its buffers.

static const unsigned int kDepackFailed = 0xFFFFFFFFu;

// Unpacks one stream; returns the number of bytes written, or kDepackFailed on a null pointer, a zero length,
// a stream that ends early or any overrun (nothing is written past the failing step).
unsigned int depackSafe(const unsigned char* src, unsigned int srcLength, unsigned char* dst, unsigned int dstLength);

// The small front the graphics code unpacks through.
class Packer {
public:
    unsigned int depack(const void* src, unsigned int srcLength, void* dst, unsigned int dstLength) {
        return depackSafe((const unsigned char*)src, srcLength, (unsigned char*)dst, dstLength);
    }
};
