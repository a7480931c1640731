#pragma once

#include <cstdint>
#include <cstring>

// One pixel of an RGBA bitmap, in memory order. Pictures decoded from files are premultiplied.
struct RGBA {
    unsigned char r, g, b, a;
};

// A colour as one 32-bit word: r in bits 0-7, g 8-15, b 16-23, a 24-31 (the pixel bytes read little-endian).
uint32_t rgbaWord(RGBA p);
RGBA rgbaFromWord(uint32_t word);

// Allocation size for anything that may become a texture: at least 16, else the next power of two.
int nextPowerOfTwo(int n);

// Colour byte c premultiplied by alpha a: c x a / 255, rounded.
inline unsigned char premultiply(int c, int a) { return (unsigned char)((c * a + 127) / 255); }

// Blends a straight (not premultiplied) colour of alpha a over a premultiplied pixel; the result stays premultiplied.
inline void blendStraightOver(RGBA& dst, int r, int g, int b, int a) {
    int keep = 255 - a;
    dst.r = (unsigned char)((r * a + dst.r * keep + 127) / 255);
    dst.g = (unsigned char)((g * a + dst.g * keep + 127) / 255);
    dst.b = (unsigned char)((b * a + dst.b * keep + 127) / 255);
    dst.a = (unsigned char)((a * 255 + dst.a * keep + 127) / 255);
}

// Smallest common multiple of a and b (1 when there is nothing to multiply).
int leastCommonMultiple(int a, int b);

// A pixel array with two sizes: the allocation (what becomes the texture, also the row stride)
// and the visible picture in its top-left corner. Padding is zero unless an operation says otherwise.
template <typename T>
class BitmapBase {
public:
    virtual ~BitmapBase() { delete[] pixels; }
    BitmapBase(const BitmapBase&) = delete;
    BitmapBase& operator=(const BitmapBase&) = delete;

    T* pixels = nullptr;  // may be null once a texture upload freed it
    int allocW = 0;
    int allocH = 0;
    int width = 0;
    int height = 0;

    T* row(int y) { return pixels + y * allocW; }
    const T* row(int y) const { return pixels + y * allocW; }
    T& at(int x, int y) { return pixels[y * allocW + x]; }
    const T& at(int x, int y) const { return pixels[y * allocW + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Frees the pixel array (the sizes stay: drawing still reads the allocation size).
    void freePixels() {
        delete[] pixels;
        pixels = nullptr;
    }

protected:
    BitmapBase() = default;
    BitmapBase(int w, int h, bool pow2) { allocate(w, h, pow2 ? nextPowerOfTwo(w) : w, pow2 ? nextPowerOfTwo(h) : h); }

    // Sets the sizes and takes a zeroed array of allocW x allocH pixels (none for an empty allocation).
    void allocate(int w, int h, int aw, int ah) {
        delete[] pixels;
        pixels = nullptr;
        width = w < 0 ? 0 : w;
        height = h < 0 ? 0 : h;
        allocW = aw < 0 ? 0 : aw;
        allocH = ah < 0 ? 0 : ah;
        if (allocW > 0 && allocH > 0) pixels = new T[(size_t)allocW * allocH]();
    }
};

class MonoBitmap;

// RGBA bitmap. Whoever holds a Bitmap* deletes it, unless a texture or a sprite page took it over.
class Bitmap : public BitmapBase<RGBA> {
public:
    Bitmap() = default;
    // A cleared picture of the given visible size; power-of-two allocation when pow2.
    Bitmap(int width, int height, bool pow2);
    // A cleared picture with an allocation of exactly allocW x allocH (at least the visible size).
    Bitmap(int width, int height, int allocW, int allocH);
    // The image file `name` (".png" appended when the bare name does not exist), premultiplied,
    // alpha scaled by alphaScale. A missing or damaged file gives an empty picture (see ImageLoading.h).
    Bitmap(const char* name, float alphaScale, bool pow2);
    // A PNG held in memory, in an exact allocation.
    Bitmap(const void* png, int size);

    // The part of the bitmap that holds content; set to the visible picture, kept for callers.
    int rectX = 0, rectY = 0, rectW = 0, rectH = 0;

    void clear();
    Bitmap* clone() const;
    void scaleAlpha(float factor);
    // The picture dy rows taller and dx columns wider, by repeating (or dropping) its middle row and column.
    Bitmap* centreStretch(int dy, int dx) const;

    uint32_t pixelWord(int x, int y) const { return rgbaWord(at(x, y)); }

    // Software plotting; colours are words as rgbaWord gives them. A = the colour's alpha.
    void plotOver(int x, int y, uint32_t colour);           // blend over, alpha 255
    void plotOverMaxAlpha(int x, int y, uint32_t colour);   // blend over, alpha max(old, A)
    void plotPremultiplied(int x, int y, uint32_t colour);  // premultiplied over
    void plotIfVisible(int x, int y, uint32_t colour);      // store when A != 0
    void plotAdd(int x, int y, uint32_t colour);            // add A-weighted colour

    // Blits of a whole source picture at (x, y). Unlike the plain copies, these clip to this picture.
    void blitColourKey(const Bitmap& src, int x, int y, int w, int h);
    void blitNonTransparent(const Bitmap& src, int x, int y);
    void blitAdd(const Bitmap& src, int x, int y);
    void blitPremultiplied(const Bitmap& src, int x, int y);
    void blitOver(const Bitmap& src, int x, int y);
    void blitMonoGrey(const MonoBitmap& src, int x, int y);
    void blitMonoWhite(const MonoBitmap& src, int x, int y);
    // A horizontal (y1 == y2 ignored) or vertical run of pixels, end excluded.
    void drawAxisLine(int x1, int y1, int x2, int y2, uint32_t colour);

    // Reads h framebuffer rows of allocW pixels whose top edge is screen row y, bottom row first.
    void grabScreen(int x, int y, int w, int h);

    // Writes the visible picture as an RGBA PNG, pixels as stored. False when the file cannot be written.
    bool savePng(const char* path) const;

    // The colour key that blitColourKey skips.
    static const uint32_t kColourKey = 0x0001E240;

protected:
    // Sizes the bitmap from a PNG header and decodes into it; anything unreadable gives cleared pixels and a
    // log line naming `what`.
    void decodeFrom(const unsigned char* data, int size, bool pow2, const char* what);
    // The pixel a blending plot changes; null when the colour is invisible or the point outside, and also when
    // the colour is opaque and storeOpaque is set, which stores it as it is.
    RGBA* blendTarget(int x, int y, RGBA colour, bool storeOpaque);
    void resetRect() {
        rectX = rectY = 0;
        rectW = width;
        rectH = height;
    }
    friend Bitmap* loadPackedBitmap(const char*, int, int);
};

// One-channel coverage or alpha bitmap (rendered text), uploaded as an alpha texture.
class MonoBitmap : public BitmapBase<unsigned char> {
public:
    MonoBitmap() = default;
    MonoBitmap(int width, int height, bool pow2) : BitmapBase(width, height, pow2) {}
};

// Raw RGBA arrays: blend the source over the destination at (x, y), clipped to it and to maxW x maxH (-1: no limit).
void blendBlit(int x, int y, RGBA* dst, int dstW, int dstH, const RGBA* src, int srcW, int srcH, int maxW, int maxH);
// Raw arrays of any pixel size: copy the clipped source rectangle row by row.
void copyBlit(int x, int y, void* dst, int bytesPerPixel, int dstW, int dstH, const void* src, int srcW, int srcH,
              int maxW, int maxH);
