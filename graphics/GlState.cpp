#include "graphics/GlState.h"

#include <GLES/gl.h>

#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

unsigned int gBoundTexture = ~0u;
int gBlendMode = -1;
RenderStats gRenderStats = {0, 0, 0};

// The screen height the clip rectangle is flipped against.
static const int kScreenHeight = 480;

void initGlState(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrthof(0, (GLfloat)width, (GLfloat)height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisable(GL_DITHER);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glColor4f(1, 1, 1, 1);
    gBoundTexture = ~0u;
    gBlendMode = -1;
    gRenderBatch.colourArrayOn = 0;
}

void bindTexture(const Texture* texture) {
    if (texture->id == gBoundTexture) return;
    ++gRenderStats.textureBinds;
    glBindTexture(GL_TEXTURE_2D, texture->id);
    gBoundTexture = texture->id;
}

// Texture colour times the vertex (primary) colour; the alpha combiner stays at GL's defaults.
static void setModulatingCombiner() {
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvf(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvf(GL_TEXTURE_ENV, GL_SRC0_RGB, GL_PRIMARY_COLOR);
    glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvf(GL_TEXTURE_ENV, GL_SRC1_RGB, GL_TEXTURE);
    glTexEnvf(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
}

int setBlendMode(int id) {
    if (id == gBlendMode) return 0;
    if (id == BlendOpaque) {
        glDisable(GL_BLEND);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glColor4f(1, 1, 1, 1);
    } else {
        glEnable(GL_BLEND);
        setModulatingCombiner();
        switch (id) {
            case BlendAdditiveAlpha: glBlendFunc(GL_SRC_ALPHA, GL_ONE); break;
            case BlendAlpha: glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA); break;
            case BlendPremultiplied:
            case BlendPremultiplied2: glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA); break;
            case BlendErase: glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA); break;
            case BlendAdditive: glBlendFunc(GL_ONE, GL_ONE); break;
            case BlendModulateAlpha:
                glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
                glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
                break;
            default: return 0;
        }
    }
    ++gRenderStats.blendChanges;
    gBlendMode = id;
    return 1;
}

void setColourArray(bool on) {
    if (on == (gRenderBatch.colourArrayOn != 0)) return;
    if (on)
        glEnableClientState(GL_COLOR_ARRAY);
    else
        glDisableClientState(GL_COLOR_ARRAY);
    gRenderBatch.colourArrayOn = on;
}

void resetGlState() {
    setBlendMode(BlendOpaque);
    setColourArray(false);
    gBoundTexture = ~0u;
}

void setClipRect(float x1, float y1, float x2, float y2) {
    gRenderBatch.flush();
    glScissor((int)x1, (int)(kScreenHeight - y2), (int)(x2 - x1), (int)(y2 - y1));
    glEnable(GL_SCISSOR_TEST);
}

void disableClip() {
    gRenderBatch.flush();
    glDisable(GL_SCISSOR_TEST);
}

void Bitmap::grabScreen(int x, int y, int w, int h) {
    (void)w;
    gRenderBatch.flush();
    if (!pixels || h <= 0) return;
    h = h < allocH ? h : allocH;
    glReadPixels(x, kScreenHeight - y - h, allocW, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}
