#include "graphics/Bitmap.h"

#include <algorithm>

uint32_t rgbaWord(RGBA p) { return p.r | (p.g << 8) | (p.b << 16) | ((uint32_t)p.a << 24); }

RGBA rgbaFromWord(uint32_t w) {
    return RGBA{(unsigned char)(w & 0xFF), (unsigned char)((w >> 8) & 0xFF), (unsigned char)((w >> 16) & 0xFF),
                (unsigned char)(w >> 24)};
}

int nextPowerOfTwo(int n) {
    if (n <= 15) return 16;
    if ((n & (n - 1)) == 0) return n;
    int p = 8;
    while (p < n && p < (1 << 30)) p *= 2;
    return p;
}

int leastCommonMultiple(int a, int b) {
    if (a <= 0 || b <= 0) return 1;
    long long product = (long long)a * b;
    if (product < 2) return 1;
    for (long long n = 2; n <= product; ++n)
        if (n % a == 0 && n % b == 0) return (int)n;
    return 1;
}

Bitmap::Bitmap(int w, int h, bool pow2) : BitmapBase(w, h, pow2) { resetRect(); }

Bitmap::Bitmap(int w, int h, int aw, int ah) {
    allocate(w, h, std::max(aw, w), std::max(ah, h));
    resetRect();
}

void Bitmap::clear() {
    if (pixels) memset(pixels, 0, sizeof(RGBA) * (size_t)allocW * allocH);
}

Bitmap* Bitmap::clone() const {
    Bitmap* copy = new Bitmap(width, height, allocW, allocH);
    if (pixels && copy->pixels) memcpy(copy->pixels, pixels, sizeof(RGBA) * (size_t)allocW * allocH);
    return copy;
}

void Bitmap::scaleAlpha(float factor) {
    if (factor == 1.0f || !pixels) return;
    for (int y = 0; y < height; ++y) {
        RGBA* p = row(y);
        for (int x = 0; x < width; ++x) p[x].a = (unsigned char)(int)(factor * p[x].a);
    }
}

Bitmap* Bitmap::centreStretch(int dy, int dx) const {
    const int newW = width + dx, newH = height + dy;
    Bitmap* out = new Bitmap(newW, newH, true);
    if (!pixels || !out->pixels || newW <= 0 || newH <= 0 || width <= 0 || height <= 0) return out;
    int my = height / 2, mx = width / 2;
    if (dy < 0) my += dy / 2;
    if (dx < 0) mx += dx / 2;
    mx = std::max(0, std::min(mx, width));
    for (int y = 0; y < newH; ++y) {
        RGBA* d = out->row(y);
        if (y > my && y < my + dy) {
            memcpy(d, out->row(my), sizeof(RGBA) * newW);
            continue;
        }
        int sy = y <= my ? y : y - dy;
        if (sy < 0 || sy >= height) continue;
        const RGBA* s = row(sy);
        int col = std::min(mx, newW);
        memcpy(d, s, sizeof(RGBA) * col);
        for (int i = 0; i < dx && col < newW; ++i) d[col++] = s[std::min(mx, width - 1)];
        int from = dx >= 0 ? mx : mx - dx;
        int n = std::min(newW - col, width - from);
        if (n > 0) memcpy(d + col, s + from, sizeof(RGBA) * n);
    }
    return out;
}

// Plotting. The source colour is a word; A is its alpha.

static unsigned char overChannel(int src, int dst, int a) { return (unsigned char)((a * src + (255 - a) * dst) / 255); }

RGBA* Bitmap::blendTarget(int x, int y, RGBA c, bool storeOpaque) {
    if (!contains(x, y) || c.a == 0) return nullptr;
    RGBA* d = &at(x, y);
    if (storeOpaque && c.a == 255) {
        *d = c;
        return nullptr;
    }
    return d;
}

void Bitmap::plotOver(int x, int y, uint32_t colour) {
    RGBA c = rgbaFromWord(colour);
    if (RGBA* d = blendTarget(x, y, c, true))
        *d = RGBA{overChannel(c.r, d->r, c.a), overChannel(c.g, d->g, c.a), overChannel(c.b, d->b, c.a), 255};
}

void Bitmap::plotOverMaxAlpha(int x, int y, uint32_t colour) {
    RGBA c = rgbaFromWord(colour);
    if (RGBA* d = blendTarget(x, y, c, false))
        *d = RGBA{overChannel(c.r, d->r, c.a), overChannel(c.g, d->g, c.a), overChannel(c.b, d->b, c.a),
                  std::max(d->a, c.a)};
}

void Bitmap::plotPremultiplied(int x, int y, uint32_t colour) {
    RGBA c = rgbaFromWord(colour);
    RGBA* d = blendTarget(x, y, c, true);
    if (!d) return;
    // A premultiplied source over a premultiplied destination: src + dst x (1 - A).
    const int keep = 255 - c.a;
    auto channel = [keep](int src, int dst) { return (unsigned char)std::min(src + (dst * keep + 127) / 255, 255); };
    *d = RGBA{channel(c.r, d->r), channel(c.g, d->g), channel(c.b, d->b), channel(c.a, d->a)};
}

void Bitmap::plotIfVisible(int x, int y, uint32_t colour) {
    if (contains(x, y) && (colour >> 24) != 0) at(x, y) = rgbaFromWord(colour);
}

void Bitmap::plotAdd(int x, int y, uint32_t colour) {
    RGBA c = rgbaFromWord(colour);
    RGBA* d = blendTarget(x, y, c, true);
    if (!d) return;
    auto channel = [&c](int src, int dst) { return (unsigned char)std::min(dst + (c.a * src >> 8), 255); };
    *d = RGBA{channel(c.r, d->r), channel(c.g, d->g), channel(c.b, d->b), d->a};
}

// Calls plot(dstX, dstY, srcX, srcY) for the part of a w x h source at (x, y) that falls inside dst's visible picture.
template <typename Plot>
static void forEachClipped(const Bitmap& dst, int x, int y, int w, int h, Plot plot) {
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(w, dst.width - x), y1 = std::min(h, dst.height - y);
    for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) plot(x + sx, y + sy, sx, sy);
}

void Bitmap::blitColourKey(const Bitmap& src, int x, int y, int w, int h) {
    if (w == -1) w = src.width;
    if (h == -1) h = src.height;
    w = std::min(w, src.allocW);
    h = std::min(h, src.allocH);
    forEachClipped(*this, x, y, w, h, [&](int dx, int dy, int sx, int sy) {
        if (src.pixelWord(sx, sy) != kColourKey) at(dx, dy) = src.at(sx, sy);
    });
}

void Bitmap::blitNonTransparent(const Bitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height, [&](int dx, int dy, int sx, int sy) {
        if (src.at(sx, sy).a != 0) at(dx, dy) = src.at(sx, sy);
    });
}

void Bitmap::blitAdd(const Bitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height,
                   [&](int dx, int dy, int sx, int sy) { plotAdd(dx, dy, src.pixelWord(sx, sy)); });
}

void Bitmap::blitPremultiplied(const Bitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height,
                   [&](int dx, int dy, int sx, int sy) { plotPremultiplied(dx, dy, src.pixelWord(sx, sy)); });
}

void Bitmap::blitOver(const Bitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height,
                   [&](int dx, int dy, int sx, int sy) { plotOver(dx, dy, src.pixelWord(sx, sy)); });
}

void Bitmap::blitMonoGrey(const MonoBitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height, [&](int dx, int dy, int sx, int sy) {
        unsigned char v = src.at(sx, sy);
        at(dx, dy) = RGBA{v, v, v, 255};
    });
}

void Bitmap::blitMonoWhite(const MonoBitmap& src, int x, int y) {
    forEachClipped(*this, x, y, src.width, src.height, [&](int dx, int dy, int sx, int sy) {
        int v = src.at(sx, sy);
        if (v == 0) return;
        RGBA& d = at(dx, dy);
        d = RGBA{overChannel(255, d.r, v), overChannel(255, d.g, v), overChannel(255, d.b, v), 255};
    });
}

void Bitmap::drawAxisLine(int x1, int y1, int x2, int y2, uint32_t colour) {
    if (x1 == x2) {
        for (int y = y1; y < y2; ++y) plotOver(x1, y, colour);
    } else {
        for (int x = x1; x < x2; ++x) plotOver(x, y1, colour);
    }
}

// Clips a srcW x srcH source placed at (x, y) to a dstW x dstH destination and to maxW x maxH.
// Gives the first source column/row and the copied size; false when nothing is left.
static bool clipBlit(int x, int y, int dstW, int dstH, int srcW, int srcH, int maxW, int maxH, int* sx, int* sy,
                     int* w, int* h) {
    if (maxW != -1) srcW = std::min(srcW, maxW);
    if (maxH != -1) srcH = std::min(srcH, maxH);
    *sx = std::max(0, -x);
    *sy = std::max(0, -y);
    *w = std::min(srcW, dstW - x) - *sx;
    *h = std::min(srcH, dstH - y) - *sy;
    return *w > 0 && *h > 0;
}

void blendBlit(int x, int y, RGBA* dst, int dstW, int dstH, const RGBA* src, int srcW, int srcH, int maxW, int maxH) {
    int sx, sy, w, h;
    if (!dst || !src || !clipBlit(x, y, dstW, dstH, srcW, srcH, maxW, maxH, &sx, &sy, &w, &h)) return;
    for (int j = 0; j < h; ++j) {
        const RGBA* s = src + (size_t)(sy + j) * srcW + sx;
        RGBA* d = dst + (size_t)(y + sy + j) * dstW + x + sx;
        for (int i = 0; i < w; ++i)
            if (s[i].a) blendStraightOver(d[i], s[i].r, s[i].g, s[i].b, s[i].a);
    }
}

void copyBlit(int x, int y, void* dst, int bytesPerPixel, int dstW, int dstH, const void* src, int srcW, int srcH,
              int maxW, int maxH) {
    int sx, sy, w, h;
    if (!dst || !src || !clipBlit(x, y, dstW, dstH, srcW, srcH, maxW, maxH, &sx, &sy, &w, &h)) return;
    for (int j = 0; j < h; ++j)
        memcpy((char*)dst + ((size_t)(y + sy + j) * dstW + x + sx) * bytesPerPixel,
               (const char*)src + ((size_t)(sy + j) * srcW + sx) * bytesPerPixel, (size_t)w * bytesPerPixel);
}
