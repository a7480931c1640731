#pragma once

#include <cstdint>

#include "graphics/Bitmap.h"

struct DivisionTable;
struct TextStyle;

// A GL texture made from an RGBA bitmap, a one-channel bitmap (an alpha texture) or a copy of the framebuffer.
// The GL texture has the source's power-of-two allocation; the picture sits in its top-left corner and
// width/height keep its visible size. The bitmaps stay attached after the upload (pixel arrays freed unless
// kept), because drawing reads their allocation size. Owners delete it, or hold it in OwnedPtr or Ref.
class Texture {
public:
    // The image file `name`, power-of-two allocation, alpha scaled by alphaScale.
    Texture(const char* name, float alphaScale, bool keepPixels);
    // The bitmap becomes the texture's, unless notOwned (a sprite page keeps its own bitmap).
    Texture(Bitmap* bitmap, bool keepPixels, bool notOwned);
    explicit Texture(MonoBitmap* bitmap, bool notOwned = false);
    // The bottom-left width x height pixels of the framebuffer, stored bottom row first.
    Texture(int width, int height);
    // A text laid out in a width x height box (align, font, size and wrap mode as in TextStyle) as coverage
    // scaled by opacity: an alpha texture drawn in the current colour; a white RGBA texture with `rgba`, a black
    // one while gTextRgbaByDefault is set; with an effect kernel an RGBA texture with a halo (TextTexture.h).
    Texture(const char* text, int width, int height, int align, const char* fontName, int fontSize, int wrapMode,
            float opacity, bool keepPixels, const DivisionTable* effect, bool golden, bool rgba, int strength);
    // A text drawn in the style's colour into a cleared RGBA picture of width x height.
    Texture(const char* text, int width, int height, int fontSize, TextStyle style, bool keepPixels);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    void upload(bool keepPixels);
    // Writes a bitmap's visible picture into the texture at (x, y).
    void updateRegion(const Bitmap* bitmap, int x, int y);
    // Copies a screen rectangle (GL's bottom-up rows) to the same offsets in the texture.
    void copyFromScreen(int x, int y, int w, int h);
    // The kept RGBA pixel at (x, y) as a word (r in the low byte); 0 when no pixels were kept.
    uint32_t pixelAt(int x, int y) const;

    // Storage size: the allocation of the rgba bitmap, else of the alpha bitmap, else the visible size.
    int storageWidth() const;
    int storageHeight() const;

    unsigned int id = 0;         // the GL texture name
    Bitmap* rgba = nullptr;
    MonoBitmap* alpha = nullptr; // non-null marks an alpha texture
    int width = 0;
    int height = 0;
    unsigned char notOwned = 0;  // 1: the bitmaps belong to someone else

};

// Textures uploaded since the start (the frame benchmark tells the frames that build one apart).
extern int gTextureUploads;

// The picture loaded and stretched about its middle (see loadStretchedBitmap).
Texture* makeStretchedTexture(const char* name, int dy, int dx);
// The packed picture name + ".cmp" of width x height pixels.
Texture* makePackedTexture(const char* name, int width, int height);
