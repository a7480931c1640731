#include "graphics/Texture.h"

#include <GLES/gl.h>

#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "graphics/RenderBatch.h"

Texture::Texture(const char* name, float alphaScale, bool keepPixels) {
    rgba = new Bitmap(name, alphaScale, true);
    width = rgba->width;
    height = rgba->height;
    upload(keepPixels);
}

Texture::Texture(Bitmap* bitmap, bool keepPixels, bool notOwnedBitmap) {
    rgba = bitmap;
    width = bitmap->width;
    height = bitmap->height;
    notOwned = notOwnedBitmap;
    upload(keepPixels);
}

Texture::Texture(MonoBitmap* bitmap, bool notOwnedBitmap) {
    alpha = bitmap;
    width = bitmap->width;
    height = bitmap->height;
    notOwned = notOwnedBitmap;
    upload(false);
}

Texture::Texture(int w, int h) {
    width = w;
    height = h;
    upload(false);
}

Texture::~Texture() {
    // A texture still waiting in the batch is drawn before its name goes away.
    if (gRenderBatch.current == this) gRenderBatch.flush();
    glDeleteTextures(1, &id);
    if (gBoundTexture == id) gBoundTexture = ~0u;
    if (!notOwned) {
        delete alpha;
        delete rgba;
    }
}

// The state every upload and region write starts from; the bind below is not recorded in the cache.
static void prepareTextureWrite() {
    setBlendMode(BlendOpaque);
    setColourArray(false);
    gBoundTexture = ~0u;
}

int gTextureUploads = 0;

void Texture::upload(bool keepPixels) {
    gTextureUploads++;
    prepareTextureWrite();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (rgba) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgba->allocW, rgba->allocH, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     rgba->pixels);
    } else if (alpha) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, alpha->allocW, alpha->allocH, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                     alpha->pixels);
    } else {
        gRenderBatch.flush();
        glBindTexture(GL_TEXTURE_2D, id);
        glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 0, 0, width, height, 0);
    }
    if (!keepPixels) {
        if (rgba) rgba->freePixels();
        if (alpha) alpha->freePixels();
    }
}

void Texture::updateRegion(const Bitmap* bitmap, int x, int y) {
    if (!bitmap || !bitmap->pixels) return;
    prepareTextureWrite();
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // GLES 1 has no row-length setting: a bitmap whose stride is wider than its picture goes up row by row.
    if (bitmap->allocW == bitmap->width) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, bitmap->width, bitmap->height, GL_RGBA, GL_UNSIGNED_BYTE,
                        bitmap->pixels);
    } else {
        for (int row = 0; row < bitmap->height; ++row)
            glTexSubImage2D(GL_TEXTURE_2D, 0, x, y + row, bitmap->width, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                            bitmap->row(row));
    }
}

void Texture::copyFromScreen(int x, int y, int w, int h) {
    gRenderBatch.flush();
    prepareTextureWrite();
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, x, y, x, y, w, h);
}

uint32_t Texture::pixelAt(int x, int y) const {
    if (!rgba || !rgba->pixels || x < 0 || y < 0 || x >= rgba->allocW || y >= rgba->allocH) return 0;
    return rgba->pixelWord(x, y);
}

int Texture::storageWidth() const { return rgba ? rgba->allocW : alpha ? alpha->allocW : width; }
int Texture::storageHeight() const { return rgba ? rgba->allocH : alpha ? alpha->allocH : height; }

Texture* makeStretchedTexture(const char* name, int dy, int dx) {
    return new Texture(loadStretchedBitmap(name, dy, dx), false, false);
}

Texture* makePackedTexture(const char* name, int width, int height) {
    return new Texture(loadPackedBitmap(name, width, height), false, false);
}
