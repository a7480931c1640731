#include "MenuPanels.h"

#include "HudPictures.h"
#include "MenuShading.h"

#include <cmath>

namespace {

// The wood panel's corners are 11 x 11; the rounded edge stays inside them.
const double kPanelRadius = 9;

double panelOutline(double x, double y, double w, double h)
{
    return roundedBoxDistance(x, y, 0.5, 0.5, w - 1, h - 1, kPanelRadius);
}

double ease(double t)
{
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

const Colour kBubbleBody = rgb(0x2b1d14, 0.9);
const Colour kCream = rgb(0xf6e2b8);

}  // namespace

void drawWoodMask(cairo_t* cr)
{
    // A hard edge: the game copies wood wherever the blue byte is set, so there is no in between.
    paintStretchable(cr, 50, 50, 100, 100, [](double x, double y, double w, double h) {
        return panelOutline(x, y, w, h) <= 0 ? Colour{1, 1, 1, 1} : Colour{0, 0, 0, 0};
    });
}

void drawWoodHighlight(cairo_t* cr)
{
    paintStretchable(cr, 50, 50, 100, 100, [](double x, double y, double w, double h) {
        auto outline = [w, h](double px, double py) { return panelOutline(px, py, w, h); };
        double d = outline(x, y);
        if (d > 0)
            return Colour{0, 0, 0, 0};
        double depth = -d;
        double light = facingLight(outline, x, y);
        // A dark line right at the edge, then a lit (or shaded) band that fades out inwards.
        double edge = 0.55 * (1 - ease(depth - 0.6));
        double band = (1 - ease((depth - 1.5) / 4.0)) * std::fabs(light);
        if (edge >= band * 0.6)
            return Colour{0.1, 0.05, 0.02, edge};
        Colour c = light > 0 ? rgb(0xfff4dc) : rgb(0x1e1008);
        c.a = band * (light > 0 ? 0.6 : 0.4);
        return c;
    });
}

void drawMenuShadow(cairo_t* cr)
{
    // The shadow of a panel whose wood starts at column 10 and ends on row 80, blurred outwards and
    // kept only where the game reads it: the first 18 columns, their mirror and the last 33 rows.
    paintTexture(cr, 0, 0, 100, 100, [](int x, int y) {
        int folded = x < 50 ? x : 99 - x;
        bool read = folded < 18 || y >= 67;
        if (!read)
            return Colour{0, 0, 0, 0};
        double d = roundedBoxDistance(folded + 0.5, y + 0.5, 10, -60, 180, 142, 10);
        double a = 0.6 * (1 - ease((d + 3) / 12.0));
        return Colour{0.06, 0.03, 0.01, a};
    });
}

void drawDivider(cairo_t* cr)
{
    paintTexture(cr, 0, 0, 245, 3, [](int x, int y) {
        double fade = ease(std::min(x + 0.5, 244.5 - x) / 24.0);
        static const double grey[3] = {0.16, 0.32, 0.86};
        static const double alpha[3] = {0.85, 0.6, 0.7};
        return Colour{grey[y], grey[y], grey[y], alpha[y] * fade};
    });
}

void drawInstructionBubble(cairo_t* cr)
{
    // Flat body, so that the stretched middle stays even; the cream rim matches the bubble tail.
    paintStretchable(cr, 50, 50, 200, 200, [](double x, double y, double w, double h) {
        double d = roundedBoxDistance(x, y, 1, 1, w - 2, h - 2, 12);
        double depth = -d;
        Colour rim = withAlpha(kCream, 0.95);
        Colour inner = mix(lighter(kBubbleBody, 0.12), kBubbleBody, ease((depth - 1.6) / 3.0));
        Colour c = mix(rim, inner, ease(depth - 1.2));
        c.a = c.a * coverage(d);
        return c;
    });
}

void drawTipBorder(cairo_t* cr)
{
    paintStretchable(cr, 273, 132, 300, 300, [](double x, double y, double w, double h) {
        auto outline = [w, h](double px, double py) { return roundedBoxDistance(px, py, 1.5, 1.5, w - 3, h - 5, 14); };
        double d = outline(x, y);
        if (d > 0.5) {
            // A soft shadow under the bottom edge.
            double s = roundedBoxDistance(x, y, 3, 4.5, w - 6, h - 5, 14);
            return Colour{0, 0, 0, 0.35 * (1 - ease(s / 3.0))};
        }
        double depth = -d;
        Face brass{rgb(0xf7e3a8), rgb(0xb8862e), rgb(0x3a240c), 0.5, 1.0};
        Colour frame = bevelFace(brass, depth, facingLight(outline, x, y), 0, 1);
        Colour inside = rgb(0x24160c, 0.72);
        Colour c = mix(frame, inside, ease((depth - 3.6) / 1.2));
        // A thin dark line where the brass meets the inside.
        if (depth > 3.4 && depth < 5.2)
            c = mix(c, rgb(0x140a04, 0.9), 0.6 * (1 - std::fabs(depth - 4.3) / 0.9));
        c.a *= coverage(d);
        return c;
    });
}

void drawTipIcon(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 3.2, 0);
    cairo_scale(cr, 22.0 / 36, 22.0 / 36);
    drawHintIcon(cr);
    cairo_restore(cr);
}

void drawListOverlay(cairo_t* cr)
{
    int n = kListOverlaySize;
    paintStretchable(cr, n, n, 300, 300, [](double x, double y, double w, double h) {
        double d = roundedBoxDistance(x, y, 0.5, 0.5, w - 1, h - 1.5, 10);
        if (d > 0) {
            // A light lip under the sunken window.
            double lip = roundedBoxDistance(x, y, 0.5, 1.5, w - 1, h - 1.5, 10);
            return lip <= 0 ? Colour{1, 0.95, 0.85, 0.35 * coverage(lip)} : Colour{0, 0, 0, 0};
        }
        double depth = -d;
        Colour rim = rgb(0x140a04, 0.85);
        // Deeper shadow under the top edge than elsewhere.
        double topShade = 0.35 * (1 - ease((y - 1) / 9.0));
        Colour inside{0.06, 0.03, 0.01, 0.3 + topShade + 0.15 * (1 - ease((depth - 1) / 5.0))};
        Colour c = mix(rim, inside, ease(depth - 0.8));
        c.a *= coverage(d);
        return c;
    });
}

void drawListTopShadow(cairo_t* cr)
{
    paintStretchable(cr, kListShadowWidth, kListShadowHeight, 400, 0, [](double x, double y, double w, double) {
        double top = 1 - ease(y / 20.0);
        double side = 1 - ease(std::min(x, w - x) / 8.0);
        double a = std::max(0.45 * top * top, 0.25 * side);
        return Colour{0.05, 0.02, 0, a};
    });
}

void drawWindowGlass(cairo_t* cr)
{
    int n = kWindowGlassSize;
    paintStretchable(cr, n, n, 400, 400, [](double x, double y, double w, double h) {
        double d = roundedBoxDistance(x, y, 0.5, 0.5, w - 1, h - 1.5, 10);
        if (d > 0)
            return Colour{0, 0, 0, 0};
        double depth = -d;
        double shade = 0.5 * (1 - ease(depth / 12.0));
        // A sheen across the top of the glass, fading out well before the middle row.
        double sheen = 0.16 * (1 - ease((y - 6) / 30.0)) * ease((y - 2) / 4.0);
        if (sheen > shade)
            return Colour{1, 0.98, 0.92, sheen * coverage(d)};
        return Colour{0.04, 0.02, 0, shade * coverage(d)};
    });
}

void drawPeriodBar(cairo_t* cr)
{
    paintStretchable(cr, 284, 46, 200, 0, [](double x, double y, double w, double h) {
        // Square at the top where it meets the list, rounded below like the window it closes.
        double d = roundedBoxDistance(x, y, 0.5, -20, w - 1, h + 19.5, 10);
        if (d > 0)
            return Colour{0, 0, 0, 0};
        Colour c = mix(rgb(0x3a2414, 0.85), rgb(0x1c100a, 0.9), y / h);
        if (y < 1.5)
            c = rgb(0x0c0604, 0.9);
        else if (y < 2.5)
            c = mix(c, rgb(0xf6e2b8, 0.9), 0.35);
        c.a *= coverage(d);
        return c;
    });
}

void drawPageArrow(cairo_t* cr)
{
    cairo_move_to(cr, 0.3, 0.3);
    cairo_line_to(cr, 9.7, 0.3);
    cairo_line_to(cr, 5, 4.9);
    cairo_close_path(cr);
    setColour(cr, kCream);
    cairo_fill(cr);
}

void drawPageDot(cairo_t* cr)
{
    circlePath(cr, 2, 2, 1.9);
    setColour(cr, kCream);
    cairo_fill(cr);
}
