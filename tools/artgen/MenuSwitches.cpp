#include "MenuSwitches.h"

#include "Canvas.h"
#include "MenuShading.h"

#include <cmath>

namespace {

const int kStripWidth = 145;
const int kSwitchHeight = 25;
const double kCapsuleRadius = 12.5;

void centredWord(cairo_t* cr, const char* word, double boxX, double boxWidth, const Colour& colour)
{
    cairo_select_font_face(cr, "Roboto Slab", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 13);
    cairo_text_extents_t e;
    cairo_text_extents(cr, word, &e);
    double x = boxX + (boxWidth - e.width) / 2 - e.x_bearing;
    double y = 12.5 - e.height / 2 - e.y_bearing;
    cairo_move_to(cr, x, y);
    setColour(cr, colour);
    cairo_show_text(cr, word);
}

}  // namespace

void drawSwitchStrip(cairo_t* cr, bool withWords)
{
    double knobMiddle = (kSwitchKnobFirst + kSwitchKnobLast + 1) / 2.0;
    paintTexture(cr, 0, 0, kStripWidth, kSwitchHeight, [knobMiddle](int x, int y) {
        double t = (y + 0.5) / kSwitchHeight;
        if (x < knobMiddle)
            return mix(rgb(0x2a1608), rgb(0x5a3418), t);  // on: dark walnut, lighter towards the bottom
        return mix(rgb(0xd8c49c), rgb(0xfbf1da), t);      // off: cream
    });
    // The knob: a brass pill over columns 53 to 91.
    double left = kSwitchKnobFirst, width = kSwitchKnobLast + 1 - kSwitchKnobFirst;
    Face brass{rgb(0xfbe7a0), rgb(0xa8741e), rgb(0x4a2c08), 0.45, 1.0};
    Outline outline = [left, width](double px, double py) {
        return roundedBoxDistance(px, py, left, 0, width, kSwitchHeight, kCapsuleRadius);
    };
    Canvas knob(kStripWidth, kSwitchHeight);
    paintPixels(knob.surface, kSwitchKnobFirst, 0, static_cast<int>(width), kSwitchHeight, [&](int x, int y) {
        double px = x + 0.5, py = y + 0.5;
        return bevelFace(brass, -outline(px, py), facingLight(outline, px, py), py, kSwitchHeight);
    });
    cairo_set_source_surface(cr, knob.surface, 0, 0);
    cairo_paint(cr);
    // Three grip lines in the middle of the knob.
    for (int i = -1; i <= 1; ++i) {
        double x = knobMiddle + i * 4;
        cairo_rectangle(cr, x - 1, 7, 1, 11);
        setColour(cr, rgb(0x5a3c10, 0.55));
        cairo_fill(cr);
        cairo_rectangle(cr, x, 7, 1, 11);
        setColour(cr, rgb(0xfff6d0, 0.6));
        cairo_fill(cr);
    }
    if (withWords) {
        centredWord(cr, "ON", 0, kSwitchKnobFirst, rgb(0xffffff));
        centredWord(cr, "OFF", kSwitchKnobLast + 1, kStripWidth - kSwitchKnobLast - 1, rgb(0x000000));
    }
}

void drawSwitchMask(cairo_t* cr)
{
    paintTexture(cr, 0, 0, 92, kSwitchHeight, [](int x, int y) {
        // Measured from the nearer end, so both halves come out alike to the last bit.
        double folded = std::min(x, 91 - x) + 0.5;
        double d = roundedBoxDistance(folded, y + 0.5, 0, 0, 200, kSwitchHeight, kCapsuleRadius);
        double a = d <= -0.5 ? 1.0 : coverage(d);
        return Colour{1, 1, 1, a};
    });
}

void drawSwitchGloss(cairo_t* cr)
{
    paintTexture(cr, 0, 0, 92, 27, [](int x, int y) {
        double folded = std::min(x, 91 - x) + 0.5;
        double py = y + 0.5;
        double d = roundedBoxDistance(folded, py, 0, 1, 200, kSwitchHeight, kCapsuleRadius);
        if (d > 0) {
            // Soft shadow below the capsule only.
            double below = roundedBoxDistance(folded, py, 1.5, 2.5, 200, kSwitchHeight, kCapsuleRadius);
            double a = py > 13 ? 0.45 * (1 - std::min(1.0, std::max(0.0, below + 0.5) / 2.0)) : 0;
            return Colour{0, 0, 0, a * (d > 0.5 ? 1 : 0.5)};
        }
        double depth = -d;
        // A dark line along the edge, and a gloss over the upper half.
        if (depth < 1.2)
            return Colour{0.08, 0.04, 0.02, 0.55 * coverage(d) * (1.2 - depth) / 1.2 + 0.0};
        double gloss = roundedBoxDistance(folded, py, 5, 2.5, 200, 9, 4.5);
        if (gloss < 0.5)
            return Colour{1, 1, 1, 0.4 * coverage(gloss) * (1 - (py - 2.5) / 12)};
        return Colour{0, 0, 0, 0};
    });
}

void drawSliderKnob(cairo_t* cr)
{
    cairo_save(cr);
    softShadow(cr, 14, 15.5, 13.5, 1.0, 0.45);
    fillRadial(cr, 14, 13.5, 12.2, rgb(0x4a2c08), rgb(0x2a1604));
    circlePath(cr, 14, 13.5, 11.2);
    setRadial(cr, {10, 9, 1, 14, 13.5, 12}, {{0, rgb(0xfff3b0)}, {0.55, rgb(0xe0b04a)}, {1, rgb(0x9a6a18)}});
    cairo_fill(cr);
    circlePath(cr, 14, 13.5, 6);
    setRadial(cr, {15, 15, 1, 14, 13.5, 6}, {{0, rgb(0xe8c060)}, {1, rgb(0xb8862e)}});
    cairo_fill(cr);
    gloss(cr, 12, 8.5, 6.5, 3.5, 0.6);
    cairo_restore(cr);
}

void drawSliderFill(cairo_t* cr)
{
    // Laid over the wood like the empty groove beside it, but filled with warm light.
    Face fill{rgb(0xfff0b8), rgb(0xd8a040), rgb(0x2a1a10), 0.3, 1.0};
    paintStretchable(cr, 140, 9, 300, 0, [&fill](double x, double y, double vw, double vh) {
        Outline outline = [vw, vh](double px, double py) { return roundedBoxDistance(px, py, 0.5, 0.5, vw - 1, vh - 1, 4); };
        return bevelFace(fill, -outline(x, y), facingLight(outline, x, y), y, vh);
    });
}
