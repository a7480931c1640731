#pragma once

#include "Core/Array.h"
#include "graphics/DrawParams.h"

class Texture;

struct BatchPoint {
    float x, y;
};
struct BatchColour {
    float r, g, b, a;
};

// Every textured quad of a frame ends here. Quads that share a texture and a blend mode are collected and drawn
// with one glDrawArrays when the texture or blend changes, when GL state they depend on is about to change, when
// a texture they use is deleted, and at the end of every frame. Main thread only.
class RenderBatch {
public:
    // Appends one quad given as six vertices (two triangles). Returns the quad count before the add.
    int addQuad(Texture* texture, const float positions[12], const float texCoords[12], const DrawParams& params);
    // Draws and empties the batch; an empty batch makes no GL call.
    void flush();
    // flush, plus the once-a-second batching statistic. Once per frame, before the buffer swap.
    void endFrame();

    Array<BatchPoint> positions;  // one element per vertex, screen pixels
    Array<BatchPoint> texCoords;
    Array<BatchColour> colours;
    int quadsThisFrame = 0;
    int drawCallsThisFrame = 0;
    int statsIntervalMs = 1000;
    Texture* current = nullptr;  // texture of the pending quads; null when empty
    int blendMode = -1;          // blend of the pending quads (kept after a flush)
    int lastSampleTime = -1;
    unsigned char colourArrayOn = 0;  // GL_COLOR_ARRAY is enabled
    int batchingPercent = 0;          // last sample: 100 - draw calls per quad, in percent

private:
    // Grows the three arrays by six vertices, returning the index of the first new one.
    int appendVertices();
};

extern RenderBatch gRenderBatch;
// Multiplies the alpha of every quad added; the screen cross-fade writes it.
extern float gGlobalOpacity;
