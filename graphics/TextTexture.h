#pragma once

#include <cstdint>

#include "Core/Array.h"
#include "graphics/Bitmap.h"

// Blur kernel of the text halos: table[i] = i / (2 x radius + 1) for 256 x (2r + 1) entries, so a window sum
// of bytes maps to its average by one lookup.
struct DivisionTable {
    Array<int> table;
    int spare = 0;
    int radius = 0;
};

void buildDivisionTable(DivisionTable* table, int radius);

// The three halo kernels, of radius 9, 18 and 8, made at start-up.
extern DivisionTable gTextHaloKernels[3];

// End-exclusive rectangle of a text bitmap.
struct TextRect {
    int x0, y0, x1, y1;
};

// Text textures without an effect come out as black RGBA textures while this is set (the speech bubbles set it
// while they make their texts).
extern uint8_t gTextRgbaByDefault;

// An RGBA picture of the coverage with a blurred halo added around the letters as alpha without colour (a soft
// dark outline under premultiplied blending). Golden letters are tinted gold and the halo weighted by strength
// quarters; otherwise the letters are white. Only the region grown by the radius is composed; null region: all.
Bitmap* composeTextEffects(const MonoBitmap* coverage, const DivisionTable* kernel, bool golden,
                           const TextRect* region, int strength);
