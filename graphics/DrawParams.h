#pragma once

#include <cstdint>

class Texture;

// How a picture is put on the screen. Screen pixels of the 320 x 480 portrait screen, origin top left, y down.
// The defaults are the usual values: an ordinary premultiplied picture, unturned, unscaled, whole.
struct DrawParams {
    int angle = 0;              // whole degrees, clockwise about the picture's centre; 0 = none
    int blendMode = 126;        // BlendPremultiplied
    float alpha = 1.0f;
    uint16_t quarterTurns = 0;  // 0-3 clockwise quarter turns of the picture inside its quad
    uint8_t upright = 1;        // 0 = mirrored top to bottom (framebuffer copies are stored bottom row first)
    float scaleX = 1.0f;
    float scaleY = -1.0f;       // exactly -1: the same as scaleX
    uint8_t centreX = 0;        // x is the horizontal centre of the picture, not its left edge
    uint8_t centreY = 0;
    uint8_t insetTexel = 0;     // pull the right and bottom texture edges in by one texel
    uint8_t transpose = 0;      // exchange the picture's axes (mirror about its main diagonal)
    int pivotX = 0;             // added to every corner; rotating draws set it to the rotation centre
    int pivotY = 0;
    float uLeft = 0.0f;         // part of the picture: fractions of the texture storage (pixels for sheet regions)
    float uRight = 1.0f;
    float vTop = 0.0f;
    float vBottom = 1.0f;
    uint8_t tag = 0;            // free for the caller
    float r = 1.0f;             // tint
    float g = 1.0f;
    float b = 1.0f;

    float effectiveScaleY() const { return scaleY == -1.0f ? scaleX : scaleY; }
};

// While set, every quad is turned a quarter about the screen: game point (x, y) is drawn at (320 - y, x).
extern uint8_t gMirrorX;

// Draws the texture (or the part the params select) with its top-left corner at (x, y), unless centred.
void drawTexture(Texture* texture, float x, float y, DrawParams params);

// drawTexture for a picture of visible size width x height inside the texture (a sprite region's size):
// centring and rotation about the picture's centre, then emitQuad.
void drawTextureSized(Texture* texture, float width, float height, float x, float y, DrawParams params);

// Turns texture, position and params into the six vertices of one quad for the batch. It may change uRight and
// vBottom of the record it is given (callers pass their own copy) and leaves the centring flags as they are.
void emitQuad(Texture* texture, float x, float y, DrawParams* params);
