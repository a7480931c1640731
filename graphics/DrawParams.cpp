#include "graphics/DrawParams.h"

#include <cmath>
#include <utility>

#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

uint8_t gMirrorX = 0;

// The quarter-turn mirror turns about the 320-pixel screen width.
static const float kScreenWidth = 320.0f;
// Degrees to radians as the game has always turned its pictures (3.14 / 180, not pi / 180).
static const float kDegreesToRadians = 0.0174444448f;

void drawTexture(Texture* texture, float x, float y, DrawParams params) {
    drawTextureSized(texture, (float)texture->width, (float)texture->height, x, y, params);
}

void drawTextureSized(Texture* texture, float width, float height, float x, float y, DrawParams params) {
    const float sy = params.effectiveScaleY();
    if (params.centreX) {
        x -= 0.5f * params.scaleX * width;
        params.centreX = 0;
    }
    if (params.centreY) {
        y -= 0.5f * sy * height;
        params.centreY = 0;
    }
    if (params.angle == 0) {
        emitQuad(texture, x, y, &params);
        return;
    }
    params.pivotX = (int)(x + 0.5f * params.scaleX * width);
    params.pivotY = (int)(y + 0.5f * sy * height);
    emitQuad(texture, -0.5f * params.scaleX * width, -0.5f * sy * height, &params);
}

void emitQuad(Texture* texture, float x, float y, DrawParams* p) {
    const float allocW = (float)texture->storageWidth(), allocH = (float)texture->storageHeight();
    const float sy = p->effectiveScaleY();
    if (p->centreX) x -= 0.5f * p->scaleX * texture->width;
    if (p->centreY) y -= 0.5f * sy * texture->height;
    if (p->insetTexel) {
        p->uRight -= 1.0f / allocW;
        p->vBottom -= 1.0f / allocH;
    }
    // Large pictures draw only their visible part; small ones draw their whole storage, padding included.
    if (allocW > 200 && allocH > 200 && p->uRight == 1.0f && p->vBottom == 1.0f) {
        p->uRight = texture->width / allocW;
        p->vBottom = texture->height / allocH;
    }
    const float w = allocW * p->scaleX * (p->uRight - p->uLeft);
    const float h = allocH * sy * (p->vBottom - p->vTop);
    const bool transposed = (p->quarterTurns & 1) ? true : p->transpose != 0;
    const float ex = transposed ? h : w, ey = transposed ? w : h;

    float left, right, top, bottom;
    if (gMirrorX) {
        left = kScreenWidth - (y + ey);
        right = kScreenWidth - y;
        top = x + ex;
        bottom = x;
    } else {
        left = x;
        right = x + ex;
        top = y;
        bottom = y + ey;
    }
    const bool turnedHalfway = p->quarterTurns == 1 || p->quarterTurns == 2;
    if (turnedHalfway == (p->upright != 0) || p->transpose) std::swap(top, bottom);
    if (p->quarterTurns == 2 || p->quarterTurns == 3 || p->transpose) std::swap(left, right);

    // Corners C0..C3 with their texture coordinates.
    float cx[4], cy[4];
    cx[0] = left, cy[0] = bottom;
    cx[3] = right, cy[3] = top;
    if ((gMirrorX != 0) == transposed) {
        cx[1] = right, cy[1] = bottom;
        cx[2] = left, cy[2] = top;
    } else {
        cx[1] = left, cy[1] = top;
        cx[2] = right, cy[2] = bottom;
    }
    const float cu[4] = {p->uLeft, p->uRight, p->uLeft, p->uRight};
    const float cv[4] = {p->vBottom, p->vBottom, p->vTop, p->vTop};

    if (p->angle == 0) {
        for (int i = 0; i < 4; ++i) {
            cx[i] += p->pivotX;
            cy[i] += p->pivotY;
        }
    } else {
        const float a = p->angle * kDegreesToRadians, c = cosf(a), s = sinf(a);
        for (int i = 0; i < 4; ++i) {
            float X = cx[i], Y = cy[i];
            cx[i] = p->pivotX + X * c - Y * s;
            cy[i] = p->pivotY + X * s + Y * c;
        }
    }

    // Triangles C2-C0-C1 and C1-C3-C2.
    static const int order[6] = {2, 0, 1, 1, 3, 2};
    float positions[12], texCoords[12];
    for (int i = 0; i < 6; ++i) {
        positions[2 * i] = cx[order[i]];
        positions[2 * i + 1] = cy[order[i]];
        texCoords[2 * i] = cu[order[i]];
        texCoords[2 * i + 1] = cv[order[i]];
    }
    gRenderBatch.addQuad(texture, positions, texCoords, *p);
}
