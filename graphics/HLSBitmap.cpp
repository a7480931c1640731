#include "graphics/HLSBitmap.h"

#include <algorithm>

HLS rgbToHls(uint32_t colour) {
    float R = ((colour >> 16) & 0xFF) / 255.0f, G = ((colour >> 8) & 0xFF) / 255.0f, B = (colour & 0xFF) / 255.0f;
    float M = std::max(R, std::max(G, B)), m = std::min(R, std::min(G, B));
    HLS out{0, (M + m) / 2, 0, (unsigned char)(colour >> 24)};
    if (M == m) return out;
    float d = M - m;
    out.s = out.l <= 0.5f ? d / (M + m) : d / (2 - M - m);
    if (R == M)
        out.h = 60 * (G - B) / d;
    else if (G == M)
        out.h = 60 * (2 + (B - R) / d);
    else
        out.h = 60 * (4 + (R - G) / d);
    if (out.h < 0) out.h += 360;
    if (out.h > 360) out.h -= 360;
    return out;
}

float hueToRgb(float p, float q, float t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0f / 6) return p + (q - p) * 6 * t;
    if (t < 0.5f) return q;
    if (t < 2.0f / 3) return p + (q - p) * 6 * (2.0f / 3 - t);
    return p;
}

uint32_t hlsToRgb(const HLS& c) {
    float q = c.l < 0.5f ? c.l + c.s * c.l : c.l + c.s * (1 - c.l);
    float p = 2 * c.l - q;
    float r = c.l, g = c.l, b = c.l;
    if (!(c.s == 0 && c.h == 0)) {
        float h = c.h / 360;
        r = hueToRgb(p, q, h + 1.0f / 3);
        g = hueToRgb(p, q, h);
        b = hueToRgb(p, q, h - 1.0f / 3);
    }
    auto byte = [](float v) { return (uint32_t)((int)(v * 255 + 0.5f) & 255); };
    return (byte(r) << 16) | (byte(g) << 8) | byte(b) | ((uint32_t)c.a << 24);
}

HLSBitmap::HLSBitmap(const Bitmap& source) {
    allocate(source.width, source.height, source.allocW, source.allocH);
    if (!source.pixels || !pixels) return;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) at(x, y) = rgbToHls(source.pixelWord(x, y));
}

void HLSBitmap::shiftHue(float delta) {
    if (!pixels) return;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) at(x, y).h += delta;
}

Bitmap* HLSBitmap::toBitmap(float hueShift, float lightShift) const {
    Bitmap* out = new Bitmap(width, height, allocW, allocH);
    if (!pixels) return out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            HLS c = at(x, y);
            if (hueShift != 0) {
                c.h += hueShift;
                if (c.h >= 360) c.h -= 360;
            }
            if (lightShift != 0) c.l = std::min(c.l + lightShift, 1.0f);
            out->at(x, y) = rgbaFromWord(hlsToRgb(c));
        }
    return out;
}
