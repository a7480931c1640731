#pragma once

#include <cstdint>

// Untextured drawing over the batched pictures. Each call flushes the batch first and leaves texturing, the
// texture-coordinate array, the colour and the blend mode as the batch expects them.

// One line; colour 0xAARRGGBB.
void drawLine(const float* from, const float* to, uint32_t colour, float width, int blendMode);
// n segments from 2n points (x, y) with one colour of 4 floats (r, g, b, a) per point.
void drawColouredLines(const float* points, const float* colours, float width, int n, int blendMode);
// Filled triangles (x, y per vertex, one colour of 4 floats per vertex), moved by (dx, dy).
void drawColouredTriangles(const float* vertices, const float* colours, int vertexCount, float dx, float dy,
                           int blendMode);
