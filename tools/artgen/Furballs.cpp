// Theme 0: round fluffy creatures with big eyes on a grass board. The game turns each picture by
// quarter turns, so the face looks towards the bottom of the picture and the light comes from the
// shading picture laid over it (common sheet), not from the picture itself.
#include "Glance.h"
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

const int kPalette[8] = {0xe53935, 0xfdd835, 0x7cc93a, 0xf45fa6, 0x2f7fe8, 0xfb8c00, 0x22c7dd, 0x9b4dca};

struct Face {
    double lookX = 0;
    double lookY = 0;
    double lid = 0;      // 0 open .. 1 shut
    int expression = 0;  // 0 content, 1 delighted, 2 surprised
};

Face faceFor(int frame)
{
    Face f;
    if (frame >= 72) {
        f.expression = 2;
        return f;
    }
    f.expression = frame >= 36 ? 1 : 0;
    Glance g = glanceAt(frame % 36);
    f.lookX = g.lookX;
    f.lookY = g.lookY;
    f.lid = g.lid;
    return f;
}

std::string furballKey(int frame, int colour)
{
    Face f = faceFor(frame);
    char buf[64];
    std::snprintf(buf, sizeof buf, "c%d e%d x%d y%d l%d", colour, f.expression, static_cast<int>(f.lookX * 4),
                  static_cast<int>(f.lookY * 4), static_cast<int>(f.lid * 4));
    return buf;
}

void drawFluff(cairo_t* cr, double cx, double cy, double radius, const Colour& c, int colour)
{
    Rng rng(1000 + colour);
    const int tufts = 72;
    for (int layer = 0; layer < 2; ++layer) {
        Colour tone = layer == 0 ? darker(c, 0.35) : c;
        setColour(cr, tone);
        for (int i = 0; i < tufts; ++i) {
            double a = 2 * M_PI * (i + rng.range(-0.3, 0.3)) / tufts;
            double len = radius + (layer == 0 ? rng.range(3.2, 5.2) : rng.range(1.6, 3.6));
            double spread = rng.range(0.07, 0.12);
            double base = radius - 2.5;
            cairo_move_to(cr, cx + base * std::cos(a - spread), cy + base * std::sin(a - spread));
            double bend = rng.range(-0.08, 0.08);
            cairo_line_to(cr, cx + len * std::cos(a + bend), cy + len * std::sin(a + bend));
            cairo_line_to(cr, cx + base * std::cos(a + spread), cy + base * std::sin(a + spread));
            cairo_close_path(cr);
        }
        cairo_fill(cr);
    }
}

void drawBody(cairo_t* cr, double cx, double cy, double radius, const Colour& c, int colour)
{
    drawFluff(cr, cx, cy, radius, c, colour);
    fillRadial(cr, cx, cy, radius + 0.5, lighter(c, 0.22), darker(c, 0.12));
    // Soft fur texture: short strokes a shade lighter and darker.
    Rng rng(2000 + colour);
    cairo_set_line_width(cr, 0.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 60; ++i) {
        double a = rng.range(0, 2 * M_PI);
        double r = std::sqrt(rng.uniform()) * (radius - 1.5);
        double x = cx + r * std::cos(a);
        double y = cy + r * std::sin(a);
        double dir = a + rng.range(-0.4, 0.4);
        setColour(cr, i % 2 ? withAlpha(lighter(c, 0.45), 0.35) : withAlpha(darker(c, 0.3), 0.3));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 2.2 * std::cos(dir), y + 2.2 * std::sin(dir));
        cairo_stroke(cr);
    }
}

void drawEye(cairo_t* cr, double x, double y, double rx, double ry, const Face& f, const Colour& body, bool left)
{
    Colour outline = darker(body, 0.6);
    if (f.lid >= 0.99) {
        // Shut: a curved lash line; delighted eyes close into happy arches.
        setColour(cr, rgb(0x2a1a10));
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        if (f.expression == 1) {
            cairo_move_to(cr, x - rx, y + 1.5);
            cairo_curve_to(cr, x - rx * 0.5, y - 3.5, x + rx * 0.5, y - 3.5, x + rx, y + 1.5);
        } else {
            cairo_move_to(cr, x - rx, y);
            cairo_curve_to(cr, x - rx * 0.5, y + 3, x + rx * 0.5, y + 3, x + rx, y);
        }
        cairo_stroke(cr);
        return;
    }
    ellipsePath(cr, x, y, rx + 0.9, ry + 0.9);
    setColour(cr, outline);
    cairo_fill(cr);
    ellipsePath(cr, x, y, rx, ry);
    setRadial(cr, {x, y - ry * 0.3, 0, x, y, ry * 1.1}, {{0, rgb(0xffffff)}, {1, rgb(0xdfe6ee)}});
    cairo_fill(cr);

    double pupil = f.expression == 2 ? rx * 0.42 : rx * 0.62;
    double px = x + f.lookX * (rx - pupil - 0.3);
    double py = y + 1.2 + f.lookY * (ry - pupil - 0.6);
    if (f.expression == 2)
        py = y;
    cairo_save(cr);
    ellipsePath(cr, x, y, rx, ry);
    cairo_clip(cr);
    fillRadial(cr, px, py, pupil, rgb(0x3b2a22), rgb(0x120a06));
    circlePath(cr, px - pupil * 0.35, py - pupil * 0.4, pupil * 0.38);
    setColour(cr, rgb(0xffffff, 0.95));
    cairo_fill(cr);
    circlePath(cr, px + pupil * 0.35, py + pupil * 0.35, pupil * 0.16);
    cairo_fill(cr);
    if (f.lid > 0) {
        // The lid comes down over the eye in the body's colour.
        cairo_rectangle(cr, x - rx - 1, y - ry - 1, 2 * rx + 2, (2 * ry + 2) * f.lid);
        setColour(cr, darker(body, 0.05));
        cairo_fill(cr);
        setColour(cr, outline);
        cairo_set_line_width(cr, 1.1);
        cairo_move_to(cr, x - rx, y - ry - 1 + (2 * ry + 2) * f.lid);
        cairo_line_to(cr, x + rx, y - ry - 1 + (2 * ry + 2) * f.lid);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    (void)left;
}

void drawMouth(cairo_t* cr, double cx, double y, const Face& f, const Colour& body)
{
    Colour line = rgb(0x3a160e);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (f.expression == 0) {
        setColour(cr, line);
        cairo_set_line_width(cr, 1.3);
        cairo_move_to(cr, cx - 3.2, y - 0.6);
        cairo_curve_to(cr, cx - 1.5, y + 1.6, cx + 1.5, y + 1.6, cx + 3.2, y - 0.6);
        cairo_stroke(cr);
    } else if (f.expression == 1) {
        cairo_move_to(cr, cx - 5, y - 1.5);
        cairo_curve_to(cr, cx - 4, y + 4.5, cx + 4, y + 4.5, cx + 5, y - 1.5);
        cairo_close_path(cr);
        setColour(cr, rgb(0x7a1a1a));
        cairo_fill_preserve(cr);
        setColour(cr, line);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        ellipsePath(cr, cx, y + 2.0, 2.4, 1.3);
        setColour(cr, rgb(0xff7b8a));
        cairo_fill(cr);
        // Rosy cheeks.
        softSpot(cr, cx - 9.5, y - 2.5, 3.5, withAlpha(lighter(rgb(0xff5c8a), 0.2), 0.55));
        softSpot(cr, cx + 9.5, y - 2.5, 3.5, withAlpha(lighter(rgb(0xff5c8a), 0.2), 0.55));
    } else {
        ellipsePath(cr, cx, y + 0.8, 2.4, 3.0);
        setColour(cr, rgb(0x5a1010));
        cairo_fill_preserve(cr);
        setColour(cr, line);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    (void)body;
}

void drawFurball(cairo_t* cr, int size, int frame, int colour)
{
    Face f = faceFor(frame);
    Colour c = rgb(kPalette[colour]);
    double cx = size / 2.0;
    double cy = size / 2.0;
    drawBody(cr, cx, cy, 16.0, c, colour);
    double eyeY = cy + 1.5;
    double rx = f.expression == 2 ? 5.4 : 4.9;
    double ry = f.expression == 2 ? 6.8 : 6.0;
    drawEye(cr, cx - 6.2, eyeY, rx, ry, f, c, true);
    drawEye(cr, cx + 6.2, eyeY, rx, ry, f, c, false);
    if (f.expression == 2) {
        // Raised brows.
        setColour(cr, darker(c, 0.55));
        cairo_set_line_width(cr, 1.3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, cx - 10, eyeY - 9.5);
        cairo_curve_to(cr, cx - 8, eyeY - 11.5, cx - 5, eyeY - 11.5, cx - 3, eyeY - 10);
        cairo_move_to(cr, cx + 3, eyeY - 10);
        cairo_curve_to(cr, cx + 5, eyeY - 11.5, cx + 8, eyeY - 11.5, cx + 10, eyeY - 9.5);
        cairo_stroke(cr);
    }
    drawMouth(cr, cx, cy + 10.5, f, c);
}

void drawGrass(cairo_t* cr)
{
    paintTexture(cr, 0, 70, 320, 363, [](int x, int y) {
        double n = fractalNoise(x * 0.05, y * 0.05, 4, 77);
        double fine = fractalNoise(x * 0.6, y * 0.18, 2, 78);
        Colour base = mix(rgb(0x3f8a2c), rgb(0x5aa83a), n);
        int cx = (x - kBoardLeft) / kCell;
        int cy = (y - kBoardTop) / kCell;
        bool inBoard = x >= kBoardLeft && y >= kBoardTop && cx < kBoardColumns && cy < kBoardRows;
        if (inBoard && (cx + cy) % 2 == 0)
            base = lighter(base, 0.07);
        else if (inBoard)
            base = darker(base, 0.05);
        return darker(base, 0.18 * (fine - 0.5));
    });
    // Blades of grass.
    Rng rng(79);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2600; ++i) {
        double x = rng.range(-5, 325);
        double y = rng.range(68, 436);
        double len = rng.range(2.5, 6.5);
        double lean = rng.range(-0.5, 0.5);
        Colour c = rng.below(3) == 0 ? rgb(0x7cc45a, 0.5) : rgb(0x2f6e22, 0.45);
        setColour(cr, c);
        cairo_set_line_width(cr, rng.range(0.6, 1.1));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + lean * len, y - len);
        cairo_stroke(cr);
    }
    // A few tiny flowers.
    for (int i = 0; i < 40; ++i) {
        double x = rng.range(4, 316);
        double y = rng.range(76, 430);
        Colour petal = rng.below(2) ? rgb(0xffffff, 0.85) : rgb(0xfff59d, 0.85);
        for (int k = 0; k < 5; ++k) {
            double a = k * 2 * M_PI / 5;
            circlePath(cr, x + 1.3 * std::cos(a), y + 1.3 * std::sin(a), 0.9);
        }
        setColour(cr, petal);
        cairo_fill(cr);
        circlePath(cr, x, y, 0.7);
        setColour(cr, rgb(0xf9a825));
        cairo_fill(cr);
    }
    // The grid of the cells: a dark line with a light one beside it, like a groove.
    const Colour lines[2] = {rgb(0x1f4d14, 0.35), rgb(0xc8f0a0, 0.18)};
    cairo_set_line_width(cr, 1.0);
    for (int pass = 0; pass < 2; ++pass) {
        double offset = 0.5 + pass;
        for (int i = 0; i <= kBoardColumns; ++i) {
            cairo_move_to(cr, kBoardLeft + i * kCell + offset, kBoardTop);
            cairo_line_to(cr, kBoardLeft + i * kCell + offset, kBoardTop + kBoardRows * kCell);
        }
        for (int j = 0; j <= kBoardRows; ++j) {
            cairo_move_to(cr, kBoardLeft, kBoardTop + j * kCell + offset);
            cairo_line_to(cr, kBoardLeft + kBoardColumns * kCell, kBoardTop + j * kCell + offset);
        }
        setColour(cr, lines[pass]);
        cairo_stroke(cr);
    }
}

}  // namespace

ThemeArt furballArt()
{
    return ThemeArt{45, 73, drawGrass, furballKey, drawFurball, nullptr, nullptr};
}
