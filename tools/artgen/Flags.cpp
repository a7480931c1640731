#include "Flags.h"

#include "Canvas.h"

#include <cmath>

namespace {

const double kW = kFlagWidth, kH = kFlagHeight;

void band(cairo_t* cr, double x, double y, double w, double h, int colour)
{
    cairo_rectangle(cr, x, y, w, h);
    setColour(cr, rgb(colour));
    cairo_fill(cr);
}

void thirdsAcross(cairo_t* cr, int left, int middle, int right)
{
    band(cr, 0, 0, kW / 3 + 0.5, kH, left);
    band(cr, kW / 3, 0, kW / 3 + 0.5, kH, middle);
    band(cr, 2 * kW / 3, 0, kW / 3, kH, right);
}

void unionFlag(cairo_t* cr)
{
    band(cr, 0, 0, kW, kH, 0x012169);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // White diagonals, then thinner red ones set off to the side, turning about the middle.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kW, kH);
    cairo_move_to(cr, kW, 0);
    cairo_line_to(cr, 0, kH);
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, 8.5);
    cairo_stroke(cr);
    double k = 1.4;
    const double offsets[4][4] = {{0, 0, 1, 1}, {1, 0, -1, 1}, {1, 1, -1, -1}, {0, 1, 1, -1}};
    for (int i = 0; i < 4; ++i) {
        double x0 = offsets[i][0] * kW, y0 = offsets[i][1] * kH;
        double dx = offsets[i][2] * kW / 2, dy = offsets[i][3] * kH / 2;
        double nx = -dy, ny = dx, len = std::hypot(nx, ny);
        double side = (i % 2 == 0 ? 1 : -1) * k;
        cairo_move_to(cr, x0 + nx / len * side, y0 + ny / len * side);
        cairo_line_to(cr, x0 + dx + nx / len * side, y0 + dy + ny / len * side);
    }
    setColour(cr, rgb(0xc8102e));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    band(cr, kW / 2 - 7, 0, 14, kH, 0xffffff);
    band(cr, 0, kH / 2 - 7, kW, 14, 0xffffff);
    band(cr, kW / 2 - 4.2, 0, 8.4, kH, 0xc8102e);
    band(cr, 0, kH / 2 - 4.2, kW, 8.4, 0xc8102e);
}

}  // namespace

void drawFlag(cairo_t* cr, FlagOf country)
{
    cairo_save(cr);
    roundedRectPath(cr, 0, 0, kW, kH, 4);
    cairo_clip(cr);
    switch (country) {
    case FlagOf::Britain:
        unionFlag(cr);
        break;
    case FlagOf::Germany:
        band(cr, 0, 0, kW, kH / 3 + 0.5, 0x1a1a1a);
        band(cr, 0, kH / 3, kW, kH / 3 + 0.5, 0xdd0000);
        band(cr, 0, 2 * kH / 3, kW, kH / 3, 0xffce00);
        break;
    case FlagOf::Spain:
        band(cr, 0, 0, kW, kH, 0xc60b1e);
        band(cr, 0, kH / 4, kW, kH / 2, 0xffc400);
        break;
    case FlagOf::France:
        thirdsAcross(cr, 0x0055a4, 0xffffff, 0xef4135);
        break;
    case FlagOf::Italy:
        thirdsAcross(cr, 0x009246, 0xffffff, 0xce2b37);
        break;
    }
    // A soft sheen from the top left, a little shade at the bottom.
    cairo_rectangle(cr, 0, 0, kW, kH);
    setLinear(cr, {0, 0, kW * 0.4, kH}, {{0, Colour{1, 1, 1, 0.38}}, {0.45, Colour{1, 1, 1, 0.08}}, {1, Colour{0, 0, 0, 0.16}}});
    cairo_fill(cr);
    cairo_restore(cr);
    roundedRectPath(cr, 0.5, 0.5, kW - 1, kH - 1, 3.6);
    setColour(cr, rgb(0x1a1008, 0.75));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}
