#include "graphics/ShadowBitmap.h"

#include <algorithm>

void boxBlurPlane(const unsigned char* in, int inStride, int w, int h, int radius, const int* divide,
                  unsigned char* out, int outStride) {
    if (w <= 0 || h <= 0) return;
    const int r = std::max(radius, 0);
    auto clampTo = [](int v, int hi) { return std::max(0, std::min(v, hi)); };
    std::vector<int> horizontal((size_t)w * h);
    for (int y = 0; y < h; ++y) {
        const unsigned char* c = in + (size_t)y * inStride;
        int sum = 0;
        for (int i = -r; i <= r; ++i) sum += c[clampTo(i, w - 1)];
        for (int x = 0; x < w; ++x) {
            horizontal[(size_t)y * w + x] = divide[sum];
            sum += c[std::min(x + r + 1, w - 1)] - c[std::max(x - r, 0)];
        }
    }
    for (int x = 0; x < w; ++x) {
        auto hs = [&](int y) { return horizontal[(size_t)clampTo(y, h - 1) * w + x]; };
        int sum = 0;
        for (int i = -r; i <= r; ++i) sum += hs(i);
        for (int y = 0; y < h; ++y) {
            out[(size_t)y * outStride + x] = (unsigned char)divide[sum];
            sum += hs(y + r + 1) - hs(y - r);
        }
    }
}

void boxBlurAlpha(const Bitmap& src, int radius, std::vector<unsigned char>& out, int* outW, int* outH) {
    const int r = std::max(radius, 0), n = 2 * r + 1;
    const int w = src.allocW + 2 * r, h = src.allocH + 2 * r;
    *outW = w;
    *outH = h;
    out.assign((size_t)w * h, 0);
    if (w <= 0 || h <= 0) return;

    std::vector<unsigned char> coverage((size_t)w * h, 0);
    if (src.pixels)
        for (int y = 0; y < src.height; ++y)
            for (int x = 0; x < src.width; ++x) coverage[(size_t)(y + r) * w + x + r] = src.at(x, y).a;
    std::vector<int> divide(256 * n);
    for (int i = 0; i < 256 * n; ++i) divide[i] = i / n;
    boxBlurPlane(coverage.data(), w, w, h, r, divide.data(), out.data(), w);
}

Bitmap* makeShadowBitmap(const Bitmap* src, int radius, float gain) {
    std::vector<unsigned char> blur;
    int w, h;
    boxBlurAlpha(*src, radius, blur, &w, &h);
    Bitmap* out = new Bitmap(w, h, true);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int a = (int)std::min(blur[(size_t)y * w + x] * gain, 255.0f);
            out->at(x, y) = RGBA{245, 255, 255, (unsigned char)a};
        }
    return out;
}

void glowBitmapInPlace(Bitmap* bitmap, int radius, float gain) {
    if (!bitmap || !bitmap->pixels) return;
    std::vector<unsigned char> blur;
    int w, h;
    boxBlurAlpha(*bitmap, radius, blur, &w, &h);
    const int r = std::max(radius, 0);
    for (int y = 0; y < bitmap->height; ++y)
        for (int x = 0; x < bitmap->width; ++x) {
            RGBA& p = bitmap->at(x, y);
            int a = (int)std::min(p.a + blur[(size_t)(y + r) * w + x + r] * gain, 255.0f);
            p = RGBA{(unsigned char)(p.r * a / 255), (unsigned char)(p.g * a / 255), (unsigned char)(p.b * a / 255),
                     (unsigned char)a};
        }
}
