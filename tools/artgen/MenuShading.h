#pragma once
#include "Canvas.h"

// Shading the menu pictures share: faces with a rim and a bevel lit from the top left, worked out
// per pixel from the distance to the outline so that stretchable pictures stay seamless.

// A signed distance to an outline (negative inside), in the picture's pixel coordinates.
using Outline = std::function<double(double, double)>;

// How much the outline at (x, y) faces the light: 1 towards the top left, -1 away from it.
double facingLight(const Outline& outline, double x, double y);

struct Face {
    Colour top;       // face colour at the top of the picture
    Colour bottom;    // and at the bottom
    Colour rim;       // the thin outline
    double bevel;     // how far the bevel lightens (and darkens) the face, 0..1
    double rimWidth;  // pixels
};

// The face colour at a pixel `depth` pixels inside the outline (negative outside), at height vy of
// vh; alpha is the pixel's coverage.
Colour bevelFace(const Face& face, double depth, double light, double vy, double vh);

// Neutral greys about 128: the game lays these over the menu wood, so only the bevel and the rim
// change the wood below. Pressed faces are darker with the light at the bottom.
Face overlayFace(bool pressed);
