// Theme 3: coloured pandas in a bamboo grove. Half-rate sheet: stored rows 0..17 are the idle
// face (every second frame), 18..35 the same with a big smile, 36..40 the wave.
#include "Glance.h"
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

// Table order: black, red, green, orange, pink, blue, purple, yellow.
const int kFur[8] = {0xf7f5f0, 0xf0524a, 0x62c650, 0xffa338, 0xff8ec4, 0x4f9bf0, 0xa66ad8, 0xffdc3a};
const int kPatch[8] = {0x1e1e22, 0x8e1512, 0x1f6a1c, 0xa04a00, 0xb02a70, 0x123d8a, 0x4a1878, 0x9a6a00};

struct PandaPose {
    Glance look;
    bool smile = false;
    int wave = -1;  // 0..4 while waving
};

PandaPose pandaPoseFor(int row)
{
    PandaPose p;
    if (row >= 36) {
        p.wave = row - 36;
        p.smile = true;
        p.look.lid = 1;
        return p;
    }
    p.smile = row >= 18;
    p.look = glanceAt((row % 18) * 2);
    return p;
}

std::string pandaKey(int row, int colour)
{
    PandaPose p = pandaPoseFor(row);
    char buf[64];
    std::snprintf(buf, sizeof buf, "c%d s%d w%d x%d y%d l%d", colour, p.smile, p.wave,
                  static_cast<int>(p.look.lookX * 4), static_cast<int>(p.look.lookY * 4),
                  static_cast<int>(p.look.lid * 4));
    return buf;
}

void paw(cairo_t* cr, double x, double y, double angle, const Colour& dark)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    ellipsePath(cr, 0, 0, 5.2, 6.2);
    setColour(cr, dark);
    cairo_fill_preserve(cr);
    setColour(cr, darker(dark, 0.5));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    setColour(cr, withAlpha(lighter(dark, 0.55), 0.9));
    ellipsePath(cr, 0, 1.5, 2.2, 1.8);
    cairo_fill(cr);
    for (int i = -1; i <= 1; ++i) {
        circlePath(cr, i * 2.2, -3, 0.95);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawPanda(cairo_t* cr, int size, int row, int colour)
{
    PandaPose pose = pandaPoseFor(row);
    Colour fur = rgb(kFur[colour]);
    Colour dark = rgb(kPatch[colour]);
    double cx = size / 2.0, cy = size / 2.0 + 2.5;
    cairo_save(cr);
    // Ears behind the head.
    for (int side = -1; side <= 1; side += 2) {
        circlePath(cr, cx + side * 12, cy - 12.5, 6.2);
        setColour(cr, dark);
        cairo_fill_preserve(cr);
        setColour(cr, darker(dark, 0.5));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        circlePath(cr, cx + side * 12, cy - 12, 3);
        setColour(cr, withAlpha(lighter(dark, 0.35), 0.8));
        cairo_fill(cr);
    }
    // Head.
    ellipsePath(cr, cx, cy, 17, 15.5);
    setColour(cr, darker(fur, 0.45));
    cairo_fill(cr);
    ellipsePath(cr, cx, cy, 16.2, 14.7);
    setRadial(cr, {cx - 5, cy - 6, 2, cx, cy, 18}, {{0, lighter(fur, 0.45)}, {0.6, fur}, {1, darker(fur, 0.2)}});
    cairo_fill(cr);
    // Muzzle.
    ellipsePath(cr, cx, cy + 6.5, 7.5, 5.2);
    setColour(cr, colour == 0 ? rgb(0xffffff) : lighter(fur, 0.7));
    cairo_fill(cr);
    // Eye patches and eyes.
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 6.6, ey = cy - 1.2;
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_rotate(cr, side * -0.5);
        ellipsePath(cr, 0, 0, 4.6, 6.2);
        setColour(cr, dark);
        cairo_fill(cr);
        cairo_restore(cr);
        if (pose.look.lid >= 0.99) {
            setColour(cr, rgb(0xffffff));
            cairo_set_line_width(cr, 1.5);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_move_to(cr, ex - 2.6, ey + 0.6);
            cairo_curve_to(cr, ex - 1.2, ey - 1.8, ex + 1.2, ey - 1.8, ex + 2.6, ey + 0.6);
            cairo_stroke(cr);
            continue;
        }
        circlePath(cr, ex, ey, 2.9);
        setColour(cr, rgb(0xffffff));
        cairo_fill(cr);
        double px = ex + pose.look.lookX * 1.1, py = ey + 0.3 + pose.look.lookY * 1.0;
        circlePath(cr, px, py, 1.9);
        setColour(cr, rgb(0x140c08));
        cairo_fill(cr);
        circlePath(cr, px - 0.7, py - 0.8, 0.7);
        setColour(cr, rgb(0xffffff));
        cairo_fill(cr);
        if (pose.look.lid > 0) {
            cairo_save(cr);
            circlePath(cr, ex, ey, 3.0);
            cairo_clip(cr);
            cairo_rectangle(cr, ex - 3.2, ey - 3.2, 6.4, 6.4 * pose.look.lid);
            setColour(cr, dark);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
    // Nose and mouth.
    ellipsePath(cr, cx, cy + 3.8, 2.6, 1.7);
    setColour(cr, rgb(0x1a1216));
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (pose.smile) {
        cairo_move_to(cr, cx - 3.6, cy + 6.8);
        cairo_curve_to(cr, cx - 2.8, cy + 11.5, cx + 2.8, cy + 11.5, cx + 3.6, cy + 6.8);
        cairo_close_path(cr);
        setColour(cr, rgb(0x6a1620));
        cairo_fill(cr);
        ellipsePath(cr, cx, cy + 9.4, 1.8, 1.0);
        setColour(cr, rgb(0xff7b8a));
        cairo_fill(cr);
        softSpot(cr, cx - 10.5, cy + 4, 3.2, rgb(0xff6a8a, 0.55));
        softSpot(cr, cx + 10.5, cy + 4, 3.2, rgb(0xff6a8a, 0.55));
    } else {
        setColour(cr, rgb(0x1a1216));
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, cx, cy + 5.2);
        cairo_line_to(cr, cx, cy + 6.8);
        cairo_move_to(cr, cx - 2.6, cy + 6.6);
        cairo_curve_to(cr, cx - 1.6, cy + 8.2, cx - 0.4, cy + 7.8, cx, cy + 6.8);
        cairo_curve_to(cr, cx + 0.4, cy + 7.8, cx + 1.6, cy + 8.2, cx + 2.6, cy + 6.6);
        cairo_stroke(cr);
    }
    if (pose.wave >= 0) {
        static const double pos[5][3] = {{35, 36, 0.0}, {37.5, 27, -0.35}, {38.5, 19.5, 0.3}, {38.5, 19.5, -0.45},
                                         {37.5, 27, 0.2}};
        const double* w = pos[pose.wave];
        paw(cr, w[0], w[1], w[2], dark);
    }
    cairo_restore(cr);
}

void drawBamboo(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 70, 320, 363);
    setLinear(cr, {0, 70, 0, 433}, {{0, rgb(0xbfe6a8)}, {1, rgb(0x7cc062)}});
    cairo_fill(cr);
    Rng rng(303);
    // Stalks: pale ones far back, greener ones nearer, each with a lit edge and joints.
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = 0; i < (layer ? 7 : 10); ++i) {
            double x = rng.range(-10, 330);
            double w = layer ? rng.range(11, 15) : rng.range(6, 9);
            Colour c = layer ? rgb(0x5e9e3c, 0.7) : rgb(0x94c878, 0.7);
            cairo_rectangle(cr, x, 70, w, 363);
            setColour(cr, c);
            cairo_fill(cr);
            cairo_rectangle(cr, x + w * 0.18, 70, w * 0.2, 363);
            setColour(cr, rgb(0xe8ffd8, layer ? 0.35 : 0.25));
            cairo_fill(cr);
            for (double y = 70 + rng.range(10, 60); y < 433; y += rng.range(55, 80)) {
                cairo_rectangle(cr, x - 1, y, w + 2, 2.5);
                setColour(cr, layer ? rgb(0x3e7a26, 0.75) : rgb(0x78ac5c, 0.7));
                cairo_fill(cr);
            }
        }
    }
    for (int i = 0; i < 46; ++i) {
        double x = rng.range(0, 320), y = rng.range(72, 430);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.range(0, 2 * M_PI));
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, 6, -3, 14, -2, 20, 0);
        cairo_curve_to(cr, 14, 2, 6, 3, 0, 0);
        setColour(cr, rgb(0x4a8e32, 0.55));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // A light mat of cells so the board stays calm under the pandas.
    for (int y = 0; y < kBoardRows; ++y)
        for (int x = 0; x < kBoardColumns; ++x) {
            roundedRectPath(cr, kBoardLeft + x * kCell + 1.5, kBoardTop + y * kCell + 1.5, kCell - 3, kCell - 3, 7);
            setColour(cr, (x + y) % 2 ? rgb(0xf4ffe8, 0.28) : rgb(0xf4ffe8, 0.18));
            cairo_fill(cr);
        }
}

}  // namespace

ThemeArt pandaArt()
{
    return ThemeArt{45, 41, drawBamboo, pandaKey, drawPanda, nullptr, nullptr};
}
