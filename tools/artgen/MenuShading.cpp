#include "MenuShading.h"

#include <cmath>

namespace {

double smoothStep(double edge0, double edge1, double x)
{
    double t = (x - edge0) / (edge1 - edge0);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

}  // namespace

double facingLight(const Outline& outline, double x, double y)
{
    double nx = outline(x + 0.5, y) - outline(x - 0.5, y);
    double ny = outline(x, y + 0.5) - outline(x, y - 0.5);
    double length = std::hypot(nx, ny);
    if (length < 1e-9)
        return 0;
    // The outward normal against light falling from the top left.
    return (-0.35 * nx - 0.94 * ny) / length;
}

Colour bevelFace(const Face& face, double depth, double light, double vy, double vh)
{
    Colour body = mix(face.top, face.bottom, vy / vh);
    Colour lit = light >= 0 ? lighter(body, face.bevel * light) : darker(body, face.bevel * -light);
    // Rim, then bevel, then the flat face, blended over a pixel each so the edges stay smooth.
    double bevelWidth = 2.2;
    Colour c = mix(face.rim, lit, smoothStep(face.rimWidth - 0.5, face.rimWidth + 0.5, depth));
    c = mix(c, body, smoothStep(face.rimWidth + bevelWidth - 0.7, face.rimWidth + bevelWidth + 0.7, depth));
    c.a = coverage(-depth);
    return c;
}

Face overlayFace(bool pressed)
{
    if (pressed)
        return Face{rgb(0x5c5c5c), rgb(0x6a6a6a), rgb(0x262626), -0.45, 1.2};
    return Face{rgb(0x8c8c8c), rgb(0x767676), rgb(0x303030), 0.55, 1.2};
}
