#pragma once

// The few pieces of fixed-function GL state the game caches, and every change of them. Each function that
// changes state the quad batch depends on empties the batch first. Main thread only.

// Blend ids; the id is also what DrawParams::blendMode holds.
enum BlendMode {
    BlendAdditiveAlpha = 123,   // src alpha, one
    BlendOpaque = 124,          // no blending; texture replaces colour
    BlendAlpha = 125,           // src alpha, one minus src alpha
    BlendPremultiplied = 126,   // one, one minus src alpha: the ordinary picture blend
    BlendErase = 127,           // zero, one minus src alpha
    BlendPremultiplied2 = 128,  // as 126 in GL; the batch never turns it into premultiplied vertex colours
    BlendAdditive = 129,        // one, one
    BlendModulateAlpha = 130,   // GL_MODULATE, src alpha blending: alpha textures in the current colour
};

struct RenderStats {
    int textureBinds;
    int blendChanges;
    int spare;  // zeroed with the others by the game shell
};

extern unsigned int gBoundTexture;  // texture last bound by bindTexture; ~0u = unknown
extern int gBlendMode;              // blend id last applied; -1 = none yet
extern RenderStats gRenderStats;

class Texture;

// The GL state the game draws with: viewport and projection over width x height with the origin top left and
// y down, premultiplied blending, textures on, vertex and texture-coordinate arrays on, dither, alpha test,
// stencil, fog and depth test off, byte-aligned pixel rows. Also forgets every cached value.
void initGlState(int width, int height);

void bindTexture(const Texture* texture);
// Applies a blend id; 1 when it changed anything, 0 when it was current already or unknown.
int setBlendMode(int id);
// End of frame: opaque blend, colour array off, bind cache unknown.
void resetGlState();
// Clips drawing to a rectangle in screen coordinates (y down, 480 rows).
void setClipRect(float x1, float y1, float x2, float y2);
void disableClip();

// Turns the vertex colour array on or off, keeping the batch's record of it in step.
void setColourArray(bool on);
