#include "graphics/TextTexture.h"

#include <algorithm>
#include <vector>

#include "graphics/GlState.h"
#include "graphics/ShadowBitmap.h"
#include "graphics/TextRender.h"
#include "graphics/Texture.h"

uint8_t gTextRgbaByDefault = 0;

void buildDivisionTable(DivisionTable* table, int radius) {
    table->radius = radius;
    const int window = 2 * radius + 1, count = window * 256;
    table->table.clear();
    if (count < 1) return;
    table->table.setSize(count);
    for (int i = 0; i < count; ++i) table->table[i] = i / window;
}

static DivisionTable makeKernel(int radius) {
    DivisionTable kernel;
    buildDivisionTable(&kernel, radius);
    return kernel;
}

DivisionTable gTextHaloKernels[3] = {makeKernel(9), makeKernel(18), makeKernel(8)};

Bitmap* composeTextEffects(const MonoBitmap* coverage, const DivisionTable* kernel, bool golden,
                           const TextRect* region, int strength) {
    const int w = coverage->width, h = coverage->height, stride = coverage->allocW;
    Bitmap* out = new Bitmap(w, h, coverage->allocW, coverage->allocH);
    if (!coverage->pixels || !out->pixels) return out;
    const int r = kernel ? std::max(kernel->radius, 0) : 0;
    const int x0 = region ? std::max(region->x0 - r, 0) : 0, y0 = region ? std::max(region->y0 - r, 0) : 0;
    const int x1 = region ? std::min(region->x1 + r, w) : w, y1 = region ? std::min(region->y1 + r, h) : h;

    std::vector<unsigned char> halo((size_t)stride * coverage->allocH, 0);
    const bool kernelFits = kernel && kernel->table.size() >= 256 * (2 * r + 1);
    if (kernelFits && x1 > x0 && y1 > y0)
        boxBlurPlane(coverage->pixels + (size_t)y0 * stride + x0, stride, x1 - x0, y1 - y0, r, kernel->table.data(),
                     halo.data() + (size_t)y0 * stride + x0, stride);

    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const int c = coverage->at(x, y), g = halo[(size_t)y * stride + x];
            if (golden) {
                const int v = std::min((280 * c) >> 8, 255);
                out->at(x, y) = RGBA{(unsigned char)v, (unsigned char)v, (unsigned char)(v / 3),
                                     (unsigned char)std::min(v + ((g * strength) >> 2), 255)};
            } else {
                out->at(x, y) = RGBA{(unsigned char)c, (unsigned char)c, (unsigned char)c,
                                     (unsigned char)std::min(c + g, 255)};
            }
        }
    return out;
}

Texture::Texture(const char* text, int w, int h, int align, const char* fontName, int fontSize, int wrapMode,
                 float opacity, bool keepPixels, const DivisionTable* effect, bool golden, bool rgbaFlag,
                 int strength) {
    resetGlState();
    width = w;
    height = h;
    MonoBitmap* mono = new MonoBitmap(w, h, true);
    alpha = mono;
    renderTextBitmapMono(mono, text, align, fontName, fontSize, wrapMode, 0, 0, -1, -1);
    if (opacity != 1.0f && mono->pixels)
        for (int y = 0; y < mono->height; ++y)
            for (int x = 0; x < mono->width; ++x) mono->at(x, y) = (unsigned char)(int)(mono->at(x, y) * opacity);

    const TextRect region{0, 0, w, h};
    if (effect) {
        rgba = composeTextEffects(mono, effect, golden, &region, strength);
    } else if (rgbaFlag || gTextRgbaByDefault) {
        rgba = new Bitmap(mono->width, mono->height, mono->allocW, mono->allocH);
        for (int y = 0; y < mono->height && mono->pixels; ++y)
            for (int x = 0; x < mono->width; ++x) {
                const unsigned char c = mono->at(x, y);
                rgba->at(x, y) = gTextRgbaByDefault ? RGBA{0, 0, 0, c} : RGBA{c, c, c, c};
            }
    }
    if (rgba) {
        delete mono;
        alpha = nullptr;
    }
    upload(keepPixels);
}

Texture::Texture(const char* text, int w, int h, int fontSize, TextStyle style, bool keepPixels) {
    rgba = new Bitmap(w, h, true);
    width = w;
    height = h;
    renderTextBitmap(rgba, text, fontSize, style, 0, 0, -1, -1);
    upload(keepPixels);
}
