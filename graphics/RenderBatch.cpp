#include "graphics/RenderBatch.h"

#include <GLES/gl.h>

#include "Core/GameClock.h"
#include "graphics/GlState.h"
#include "graphics/Texture.h"

RenderBatch gRenderBatch;
float gGlobalOpacity = 1.0f;

int RenderBatch::appendVertices() {
    int first = positions.size();
    positions.setSize(first + 6);
    texCoords.setSize(first + 6);
    colours.setSize(first + 6);
    return first;
}

int RenderBatch::addQuad(Texture* texture, const float pos[12], const float uv[12], const DrawParams& params) {
    // Alpha textures are always drawn in the current colour with alpha blending.
    int blend = texture->alpha ? BlendModulateAlpha : params.blendMode;
    if (gGlobalOpacity != 1.0f && blend == BlendOpaque) blend = BlendPremultiplied;
    if (current && (current != texture || blend != blendMode)) flush();

    int first = appendVertices();
    float a = params.alpha * gGlobalOpacity;
    BatchColour colour = blend == BlendPremultiplied ? BatchColour{params.r * a, params.g * a, params.b * a, a}
                                                     : BatchColour{params.r, params.g, params.b, a};
    for (int i = 0; i < 6; ++i) {
        positions[first + i] = BatchPoint{pos[2 * i], pos[2 * i + 1]};
        texCoords[first + i] = BatchPoint{uv[2 * i], uv[2 * i + 1]};
        colours[first + i] = colour;
    }
    blendMode = blend;
    current = texture;
    return quadsThisFrame++;
}

void RenderBatch::flush() {
    const int count = positions.size();
    if (count == 0 || !current) return;
    setBlendMode(blendMode == BlendOpaque && gGlobalOpacity != 1.0f ? (int)BlendPremultiplied : blendMode);
    bindTexture(current);
    glVertexPointer(2, GL_FLOAT, 0, positions.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
    // Alpha textures are drawn in the current GL colour: their vertex colours do not apply.
    setColourArray(current->alpha == nullptr);
    if (!current->alpha) glColorPointer(4, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_TRIANGLES, 0, count);
    positions.setSize(0);
    texCoords.setSize(0);
    colours.setSize(0);
    current = nullptr;
    ++drawCallsThisFrame;
}

void RenderBatch::endFrame() {
    flush();
    int now = gGameClock.now();
    if (lastSampleTime == -1) lastSampleTime = now;
    if (now - lastSampleTime >= statsIntervalMs) {
        float quads = quadsThisFrame ? (float)quadsThisFrame : 1.0f;
        batchingPercent = 100 - (int)(drawCallsThisFrame / quads * 100);
        lastSampleTime = now;
    }
    quadsThisFrame = 0;
    drawCallsThisFrame = 0;
}
