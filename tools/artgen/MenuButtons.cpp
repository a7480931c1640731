#include "MenuButtons.h"

#include "MenuShading.h"

#include <cmath>

namespace {

const int kSpread = 200;

// Paints a stretchable face whose outline is given in the widened picture's coordinates.
void paintFace(cairo_t* cr, int w, int h, const Face& face,
               const std::function<double(double, double, double, double)>& outlineIn)
{
    paintStretchable(cr, w, h, kSpread, 0, [&](double x, double y, double vw, double vh) {
        Outline outline = [&](double px, double py) { return outlineIn(px, py, vw, vh); };
        double d = outline(x, y);
        if (d > 1)
            return Colour{0, 0, 0, 0};
        return bevelFace(face, -d, facingLight(outline, x, y), y, vh);
    });
}

// An arrow head on the left of a bar rounded on the right: the head reaches the full height where
// the bar begins, so the two make one pointed tag.
double backOutline(double x, double y, double w, double h)
{
    const double slope = 1.7;
    const double barStart = 0.8 + (h / 2 - 0.5) / slope;
    double bar = std::max(roundedBoxDistance(x, y, -100, 0.5, w + 99.5, h - 1, 7), barStart - x);
    double cy = h / 2;
    // Distance to the two slanted edges of the point (apex at x = 0.8), and to the bar's start.
    double k = 1.0 / std::hypot(1.0, slope);
    double upper = ((cy - y) - slope * (x - 0.8)) * k;
    double lower = ((y - cy) - slope * (x - 0.8)) * k;
    double head = std::max(std::max(upper, lower), x - barStart - 1);
    return std::min(bar, head);
}

}  // namespace

void drawGreyButton(cairo_t* cr, int w, int h, double radius)
{
    paintFace(cr, w, h, overlayFace(false), [radius](double x, double y, double vw, double vh) {
        return roundedBoxDistance(x, y, 0.5, 0.5, vw - 1, vh - 1, radius);
    });
}

void drawBackButton(cairo_t* cr)
{
    paintFace(cr, 30, 30, overlayFace(false), backOutline);
}

void drawFieldBackground(cairo_t* cr)
{
    // Plain inside, so that the label and the darkened text inset sit on even wood.
    Face plate{rgb(0x888888), rgb(0x7a7a7a), rgb(0x303030), 0.5, 1.2};
    paintFace(cr, 281, 47, plate, [](double x, double y, double vw, double vh) {
        return roundedBoxDistance(x, y, 0.5, 0.5, vw - 1, vh - 1, 10);
    });
}

void drawGreenButton(cairo_t* cr)
{
    Face green{rgb(0x8fd85a), rgb(0x2f7d22), rgb(0x163d0e), 0.45, 1.1};
    paintFace(cr, 25, 25, green, [](double x, double y, double vw, double vh) {
        return roundedBoxDistance(x, y, 0.5, 0.5, vw - 1, vh - 1, 10);
    });
    // A glossy band over the upper half, flat along the middle so it stretches too.
    paintStretchable(cr, 25, 25, kSpread, 0, [](double x, double y, double vw, double) {
        double d = roundedBoxDistance(x, y, 3.5, 2.5, vw - 7, 9, 4.5);
        return Colour{1, 1, 1, 0.35 * coverage(d) * (1 - (y - 2.5) / 11)};
    });
}

void drawSegment(cairo_t* cr, int part, bool pressed)
{
    Face leather = pressed ? Face{rgb(0x2e1a0c), rgb(0x4a2c16), rgb(0x140a04), -0.35, 1.1}
                           : Face{rgb(0x8a5a32), rgb(0x5a3418), rgb(0x1e1008), 0.45, 1.1};
    // The ends that meet a neighbour are cut square, the outer ends rounded.
    double left = part == 0 ? 0.5 : -20;
    double rightOverhang = part == 2 ? 0.5 : -20;
    paintFace(cr, 69, 30, leather, [left, rightOverhang](double x, double y, double vw, double vh) {
        return roundedBoxDistance(x, y, left, 0.5, vw - left - rightOverhang, vh - 1, 8);
    });
    if (part == 0)
        return;
    // A dark seam with a light edge where this segment meets the one on its left.
    cairo_rectangle(cr, 0, 1, 1, 28);
    setColour(cr, rgb(0x140a04, 0.9));
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 2, 1, 26);
    setColour(cr, rgb(0xf6e2b8, pressed ? 0.1 : 0.25));
    cairo_fill(cr);
}
