#pragma once

#include "Core/String.h"
#include "graphics/Bitmap.h"

// The bytes of the most recent file read by loadResourceFile. One buffer serves every image, so loading
// allocates nothing once it has grown to the largest file; a caller decodes before it reads the next file.
struct ResourceBuffer {
    ~ResourceBuffer() { delete[] data; }
    unsigned char* data = nullptr;
    int size = 0;      // valid bytes of the last read; 0 when the file could not be read
    int capacity = 0;  // only grows
};
extern ResourceBuffer gResourceCache;

// Largest image side the loader accepts; anything bigger is treated as damage (no texture is that large).
static const int kMaxImageSide = 4096;

// Reads the file `name`, or `name` + ".png" when the bare name does not open, into gResourceCache.
const ResourceBuffer& loadResourceFile(const String& name);

// Width and height from a PNG header; false (nothing written) when the bytes are not a readable PNG.
bool readPngHeader(const unsigned char* data, int size, int* width, int* height);

// Decodes a PNG into dst (dstW x dstH pixels, row stride dstW) at (x, y), clipped to dst and to maxW x maxH
// (-1 = no limit). Every colour type becomes 8-bit RGBA, premultiplied: colour x alpha / 255, rounded; alpha as
// stored. For a picture with alpha, the rest of each copied row and the rows below it are cleared; an opaque
// picture writes only its own pixels. A damaged or truncated stream returns false with nothing written.
bool decodePng(const unsigned char* data, int size, int x, int y, RGBA* dst, int dstW, int dstH, int maxW, int maxH);

// The picture loaded (alpha scale 1, power-of-two allocation) and stretched about its middle row and column:
// dy more rows and dx more columns (negative to shrink). Caller owns the result.
Bitmap* loadStretchedBitmap(const char* name, int dy, int dx);

// The picture enlarged about its middle: dy more rows repeat the row below the middle; dx more columns are shared
// between the columns just right of the first and second thirds. Caller owns the result.
Bitmap* loadCentreResizedBitmap(const char* name, int dy, int dx);

// The packed picture name + ".cmp": one packed stream of width x height RGBA pixels, taken as stored.
// A missing file or a stream that does not unpack to exactly that size gives a cleared picture.
Bitmap* loadPackedBitmap(const char* name, int width, int height);

// Writes width x height pixels (row stride `stride` pixels) as an 8-bit RGBA PNG. False when it could not.
bool writePng(const char* path, const RGBA* pixels, int width, int height, int stride);
