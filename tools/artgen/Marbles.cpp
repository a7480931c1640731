// Theme 5: glass marbles on velvet, each in its own hollow. Half-rate sheet: rows 0..17 turn the
// cat's-eye vanes inside the glass a third of a turn (so the loop is seamless), rows 18..35 do
// the same with a twisted ribbon. The theme brings its own shadow and a light overlay that
// flashes additively while a marble's special moment plays.
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

// Table order: red, blue, green, orange, cyan, yellow, purple, brown.
const int kGlass[8] = {0xe8302a, 0x2f6ee8, 0x33b54a, 0xff8c1a, 0x22c8e0, 0xffd428, 0x9a4ee0, 0x9a5a2c};

std::string marbleKey(int row, int colour)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "c%d r%d", colour, row);
    return buf;
}

void vane(cairo_t* cr, double length, double width)
{
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, width, -length * 0.3, width * 0.8, -length * 0.8, 0, -length);
    cairo_curve_to(cr, -width * 0.3, -length * 0.7, -width * 0.6, -length * 0.3, 0, 0);
    cairo_close_path(cr);
}

void drawMarble(cairo_t* cr, int size, int row, int colour)
{
    Colour c = rgb(kGlass[colour]);
    double cx = size / 2.0, cy = size / 2.0, R = 17.5;
    bool ribbon = row >= 18;
    double angle = (row % 18) * (2 * M_PI / 3) / 18;
    cairo_save(cr);
    circlePath(cr, cx, cy, R);
    setRadial(cr, {cx - 3, cy - 4, 1, cx, cy, R}, {{0, lighter(c, 0.35)}, {0.7, c}, {1, darker(c, 0.55)}});
    cairo_fill(cr);

    cairo_save(cr);
    circlePath(cr, cx, cy, R - 2.5);
    cairo_clip(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    if (!ribbon) {
        for (int i = 0; i < 3; ++i) {
            cairo_save(cr);
            cairo_rotate(cr, i * 2 * M_PI / 3);
            vane(cr, R - 3, 6.5);
            setColour(cr, withAlpha(darker(c, 0.35), 0.8));
            cairo_fill(cr);
            vane(cr, R - 4.5, 4.2);
            setColour(cr, withAlpha(lighter(c, 0.45), 0.9));
            cairo_fill(cr);
            vane(cr, R - 7, 1.8);
            setColour(cr, Colour{1, 1, 1, 0.85});
            cairo_fill(cr);
            cairo_restore(cr);
        }
    } else {
        cairo_scale(cr, 1.0, 0.55);
        for (int i = 0; i < 2; ++i) {
            cairo_rotate(cr, i * M_PI);
            cairo_new_path(cr);
            cairo_move_to(cr, -R, 0);
            cairo_curve_to(cr, -R * 0.4, -R * 0.9, R * 0.4, R * 0.9, R, 0);
            setColour(cr, withAlpha(rgb(0xffffff), 0.75));
            cairo_set_line_width(cr, 3.2);
            cairo_stroke(cr);
            cairo_move_to(cr, -R, 0);
            cairo_curve_to(cr, -R * 0.4, -R * 0.9, R * 0.4, R * 0.9, R, 0);
            setColour(cr, withAlpha(darker(c, 0.4), 0.7));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
    // Light that passes through the glass gathers low on the far side.
    softSpot(cr, cx + 5, cy + 8, 9, withAlpha(lighter(c, 0.6), 0.6));
    circlePath(cr, cx, cy, R - 0.6);
    setColour(cr, withAlpha(darker(c, 0.65), 0.9));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    gloss(cr, cx - 6, cy - 8, 7.5, 5, 0.75);
    ellipsePath(cr, cx - 7, cy - 9, 2.6, 1.8);
    setColour(cr, Colour{1, 1, 1, 0.95});
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawMarbleShadow(cairo_t* cr)
{
    softShadow(cr, 25, 27.5, 19, 0.82, 0.55);
    // The glass focuses a little light into its own shadow.
    softSpot(cr, 28, 31, 6, Colour{1, 1, 0.9, 0.3});
}

void drawCaustics(cairo_t* cr)
{
    cairo_save(cr);
    softSpot(cr, 22.5, 22.5, 22, Colour{0.55, 0.5, 0.35, 0.7});
    circlePath(cr, 22.5, 22.5, 18);
    setColour(cr, Colour{1, 0.95, 0.8, 0.5});
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // A bright glint with long rays at the highlight.
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 16, 14);
        cairo_rotate(cr, i * M_PI / 2 + M_PI / 4 * (i % 2 ? 0.0 : 0.0));
        cairo_move_to(cr, 0, -1.2);
        cairo_line_to(cr, 14, 0);
        cairo_line_to(cr, 0, 1.2);
        cairo_close_path(cr);
        setColour(cr, Colour{1, 1, 0.95, 0.9});
        cairo_fill(cr);
        cairo_restore(cr);
    }
    softSpot(cr, 16, 14, 6, Colour{1, 1, 1, 1});
    softSpot(cr, 30, 31, 4, Colour{1, 0.95, 0.85, 0.7});
    cairo_restore(cr);
}

void drawVelvet(cairo_t* cr)
{
    paintTexture(cr, 0, 70, 320, 363, [](int x, int y) {
        double n = fractalNoise(x * 0.015, y * 0.015, 4, 505);
        double fibre = fractalNoise(x * 1.3, y * 0.25, 2, 506);
        Colour c = mix(rgb(0x2a1f52), rgb(0x3d2b6e), n);
        return lighter(darker(c, 0.15 * fibre), 0.06 * (1 - fibre));
    });
    cairo_rectangle(cr, 0, 70, 320, 363);
    setRadial(cr, {160, 250, 60, 160, 250, 260}, {{0, Colour{1, 0.9, 1, 0.08}}, {1, Colour{0, 0, 0, 0.3}}});
    cairo_fill(cr);
    // A hollow for every cell, lit from the upper left.
    for (int y = 0; y < kBoardRows; ++y)
        for (int x = 0; x < kBoardColumns; ++x) {
            double cx = kBoardLeft + x * kCell + 22.5, cy = kBoardTop + y * kCell + 22.5;
            circlePath(cr, cx, cy, 17.5);
            setRadial(cr, {cx - 3, cy - 3, 4, cx, cy, 18}, {{0, Colour{0.05, 0.02, 0.12, 0.55}}, {0.8, Colour{0.05, 0.02, 0.12, 0.35}}, {1, Colour{0.8, 0.7, 1, 0.18}}});
            cairo_fill(cr);
        }
}

}  // namespace

ThemeArt marbleArt()
{
    return ThemeArt{45, 36, drawVelvet, marbleKey, drawMarble, drawMarbleShadow, drawCaustics};
}
