#include "graphics/Lines.h"

#include <GLES/gl.h>

#include "graphics/GlState.h"
#include "graphics/RenderBatch.h"

// Switches to untextured drawing in blendMode; gives the blend mode to restore afterwards (-1: none).
static int beginUntextured(int blendMode) {
    gRenderBatch.flush();
    int previous = -1;
    if (blendMode != gBlendMode) {
        previous = gBlendMode;
        setBlendMode(blendMode);
    }
    glDisable(GL_TEXTURE_2D);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    return previous;
}

static void endUntextured(int previousBlend) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glColor4f(1, 1, 1, 1);
    glLineWidth(1);
    glEnable(GL_TEXTURE_2D);
    if (previousBlend != -1) setBlendMode(previousBlend);
}

void drawLine(const float* from, const float* to, uint32_t colour, float width, int blendMode) {
    const float points[4] = {from[0], from[1], to[0], to[1]};
    int previous = beginUntextured(blendMode);
    glLineWidth(width);
    glVertexPointer(2, GL_FLOAT, 0, points);
    setColourArray(false);
    glColor4ub((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, colour >> 24);
    glDrawArrays(GL_LINES, 0, 2);
    endUntextured(previous);
}

void drawColouredLines(const float* points, const float* colours, float width, int n, int blendMode) {
    if (n <= 0) return;
    int previous = beginUntextured(blendMode);
    bool colourArrayWasOn = gRenderBatch.colourArrayOn;
    glLineWidth(width);
    glVertexPointer(2, GL_FLOAT, 0, points);
    setColourArray(true);
    glColorPointer(4, GL_FLOAT, 0, colours);
    glDrawArrays(GL_LINES, 0, 2 * n);
    setColourArray(colourArrayWasOn);
    endUntextured(previous);
}

void drawColouredTriangles(const float* vertices, const float* colours, int vertexCount, float dx, float dy,
                           int blendMode) {
    if (vertexCount <= 0) return;
    int previous = beginUntextured(blendMode);
    bool colourArrayWasOn = gRenderBatch.colourArrayOn;
    glPushMatrix();
    glTranslatef(dx, dy, 0);
    glVertexPointer(2, GL_FLOAT, 0, vertices);
    setColourArray(true);
    glColorPointer(4, GL_FLOAT, 0, colours);
    glDrawArrays(GL_TRIANGLES, 0, vertexCount);
    glPopMatrix();
    setColourArray(colourArrayWasOn);
    endUntextured(previous);
}
