// Theme 2: fruit on a chequered tablecloth. Like the balls, fruit does not animate; the second
// face is the same fruit tipped a little to the side.
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

std::string fruitKey(int frame, int colour)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "c%d t%d", colour, frame >= 36 ? 1 : 0);
    return buf;
}

void shadeBody(cairo_t* cr, double cx, double cy, double r, const Colour& c)
{
    // Called with the fruit's outline as the current path.
    setRadial(cr, {cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r * 1.15}, {{0, lighter(c, 0.4)}, {0.55, c}, {1, darker(c, 0.45)}});
    cairo_fill_preserve(cr);
    setColour(cr, darker(c, 0.6));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void leaf(cairo_t* cr, double x, double y, double length, double angle, const Colour& c)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.3, -length * 0.45, length * 0.75, -length * 0.4, length, 0);
    cairo_curve_to(cr, length * 0.75, length * 0.4, length * 0.3, length * 0.45, 0, 0);
    cairo_close_path(cr);
    setColour(cr, c);
    cairo_fill_preserve(cr);
    setColour(cr, darker(c, 0.45));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, 1, 0);
    cairo_line_to(cr, length * 0.85, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void stem(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    setColour(cr, rgb(0x5a3a1a));
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0, y0 - 2, x1 - 1, y1 + 1, x1, y1);
    cairo_stroke(cr);
}

void apple(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0xd8261e);
    cairo_move_to(cr, cx, cy - 11);
    cairo_curve_to(cr, cx + 8, cy - 17, cx + 18, cy - 11, cx + 17, cy + 1);
    cairo_curve_to(cr, cx + 16, cy + 12, cx + 8, cy + 18, cx, cy + 15);
    cairo_curve_to(cr, cx - 8, cy + 18, cx - 16, cy + 12, cx - 17, cy + 1);
    cairo_curve_to(cr, cx - 18, cy - 11, cx - 8, cy - 17, cx, cy - 11);
    cairo_close_path(cr);
    shadeBody(cr, cx, cy, 17, c);
    softSpot(cr, cx, cy - 9, 4, withAlpha(darker(c, 0.5), 0.6));
    stem(cr, cx, cy - 9, cx + 2, cy - 18);
    leaf(cr, cx + 2, cy - 15, 10, -0.5, rgb(0x5cbf3a));
}

void orange(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0xff8f12);
    circlePath(cr, cx, cy, 16.5);
    shadeBody(cr, cx, cy, 16.5, c);
    Rng rng(31);
    for (int i = 0; i < 40; ++i) {
        double a = rng.range(0, 2 * M_PI), r = std::sqrt(rng.uniform()) * 14;
        circlePath(cr, cx + r * std::cos(a), cy + r * std::sin(a), 0.55);
    }
    setColour(cr, withAlpha(darker(c, 0.35), 0.4));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5;
        cairo_move_to(cr, cx, cy - 14);
        cairo_line_to(cr, cx + 3.2 * std::cos(a), cy - 14 + 2.4 * std::sin(a));
    }
    setColour(cr, rgb(0x3f7a1a));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    leaf(cr, cx + 1, cy - 15, 9, -0.8, rgb(0x4caf50));
}

void watermelon(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0x4aa83a);
    ellipsePath(cr, cx, cy, 17.5, 16);
    shadeBody(cr, cx, cy, 17, c);
    cairo_save(cr);
    ellipsePath(cr, cx, cy, 17, 15.5);
    cairo_clip(cr);
    setColour(cr, withAlpha(rgb(0x0f4a12), 0.85));
    cairo_set_line_width(cr, 2.6);
    for (int i = -3; i <= 3; ++i) {
        double x = cx + i * 5.2;
        cairo_move_to(cr, x, cy - 17);
        for (int k = 0; k < 8; ++k)
            cairo_line_to(cr, x + (k % 2 ? 1.6 : -1.6) + i * 0.9 * (k - 4) / 4.0, cy - 17 + (k + 1) * 4.3);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    setColour(cr, rgb(0x3a6a1a));
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, cx, cy - 15);
    cairo_curve_to(cr, cx + 1, cy - 19, cx + 5, cy - 19, cx + 4, cy - 16);
    cairo_stroke(cr);
}

void plum(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0x7a2a9a);
    ellipsePath(cr, cx, cy + 1, 15, 16.5);
    shadeBody(cr, cx, cy, 16, c);
    setColour(cr, withAlpha(darker(c, 0.5), 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, cx - 1, cy - 14);
    cairo_curve_to(cr, cx - 7, cy - 4, cx - 6, cy + 8, cx - 1, cy + 16);
    cairo_stroke(cr);
    softSpot(cr, cx + 5, cy + 3, 9, Colour{0.85, 0.8, 1, 0.25});
    stem(cr, cx, cy - 14, cx + 3, cy - 19);
}

void lime(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0x8fd21e);
    cairo_move_to(cr, cx - 20.5, cy);
    cairo_curve_to(cr, cx - 18, cy - 18.5, cx + 18, cy - 18.5, cx + 20.5, cy);
    cairo_curve_to(cr, cx + 18, cy + 18.5, cx - 18, cy + 18.5, cx - 20.5, cy);
    cairo_close_path(cr);
    shadeBody(cr, cx, cy, 17, c);
    Rng rng(33);
    for (int i = 0; i < 30; ++i) {
        double a = rng.range(0, 2 * M_PI), r = std::sqrt(rng.uniform());
        circlePath(cr, cx + 14 * r * std::cos(a), cy + 11 * r * std::sin(a), 0.5);
    }
    setColour(cr, withAlpha(darker(c, 0.3), 0.35));
    cairo_fill(cr);
}

void strawberry(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0xee2a4a);
    cairo_move_to(cr, cx, cy + 18);
    cairo_curve_to(cr, cx - 10, cy + 12, cx - 18, cy - 2, cx - 15, cy - 9);
    cairo_curve_to(cr, cx - 12, cy - 15, cx + 12, cy - 15, cx + 15, cy - 9);
    cairo_curve_to(cr, cx + 18, cy - 2, cx + 10, cy + 12, cx, cy + 18);
    cairo_close_path(cr);
    shadeBody(cr, cx, cy, 16, c);
    for (int row = 0; row < 5; ++row) {
        int count = 5 - row / 2;
        for (int i = 0; i < count; ++i) {
            double spread = 24 - row * 4.2;
            double x = cx - spread / 2 + spread * (i + 0.5) / count;
            double y = cy - 7 + row * 5;
            ellipsePath(cr, x, y, 0.9, 1.3);
        }
    }
    setColour(cr, rgb(0xffe27a));
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        double a = M_PI + i * M_PI / 4;
        leaf(cr, cx, cy - 11, 8, a, rgb(0x3fae3a));
    }
}

void melon(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0xffcf1a);
    ellipsePath(cr, cx, cy, 19.5, 16.5);
    shadeBody(cr, cx, cy, 18, c);
    cairo_save(cr);
    ellipsePath(cr, cx, cy, 19, 16);
    cairo_clip(cr);
    // Ribs running from end to end.
    setColour(cr, withAlpha(darker(c, 0.4), 0.5));
    cairo_set_line_width(cr, 1.1);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, cx - 19.5, cy);
        cairo_curve_to(cr, cx - 8, cy + i * 8, cx + 8, cy + i * 8, cx + 19.5, cy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    circlePath(cr, cx + 18.5, cy, 1.6);
    setColour(cr, rgb(0x8a6a10));
    cairo_fill(cr);
}

void blackberry(cairo_t* cr, double cx, double cy)
{
    Colour c = rgb(0x3a1850);
    static const double spots[][2] = {{0, -9},  {-6, -7}, {6, -7},  {-9, -1}, {-3, -2}, {3, -2},  {9, -1},
                                      {-7, 5},  {-1, 4},  {5, 4},   {-4, 10}, {2, 10},  {-1, 15}, {7, 9}};
    for (const auto& s : spots) {
        circlePath(cr, cx + s[0], cy + s[1] + 1, 4.6);
        setColour(cr, rgb(0x12061c));
        cairo_fill(cr);
    }
    for (const auto& s : spots) {
        double x = cx + s[0], y = cy + s[1];
        fillRadial(cr, x - 1, y - 1, 4.3, lighter(c, 0.35), darker(c, 0.3));
        circlePath(cr, x - 1.3, y - 1.4, 1.1);
        setColour(cr, Colour{1, 1, 1, 0.75});
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; ++i)
        leaf(cr, cx, cy - 12, 7, M_PI + i * M_PI / 4, rgb(0x4caf50));
}

void drawFruit(cairo_t* cr, int size, int frame, int colour)
{
    static void (*const fruits[8])(cairo_t*, double, double) = {apple, orange, watermelon, plum,
                                                                  lime,  strawberry, melon, blackberry};
    cairo_save(cr);
    double cx = size / 2.0, cy = size / 2.0 + 1;
    if (frame >= 36) {
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, 0.18);
        cairo_translate(cr, -cx, -cy);
    }
    fruits[colour](cr, cx, cy);
    gloss(cr, cx - 6, cy - 8, 6, 3.5, 0.55);
    cairo_restore(cr);
}

void drawTablecloth(cairo_t* cr)
{
    paintTexture(cr, 0, 70, 320, 363, [](int x, int y) {
        // Gingham: bands of 22.5 pixels cross, light where neither band is coloured.
        bool bandX = ((x - kBoardLeft + 450) * 2 / kCell) % 2 == 0;
        bool bandY = ((y - kBoardTop + 450) * 2 / kCell) % 2 == 0;
        Colour c = rgb(0xf6f2e8);
        if (bandX && bandY)
            c = rgb(0x4f8fd0);
        else if (bandX || bandY)
            c = rgb(0xa8c8ea);
        double weave = ((x + y) % 3 == 0 ? 0.04 : 0) + ((x - y + 300) % 4 == 0 ? -0.03 : 0);
        double n = fractalNoise(x * 0.03, y * 0.03, 3, 55);
        return darker(lighter(c, weave), 0.12 * n);
    });
    // Soft folds in the cloth.
    cairo_rectangle(cr, 0, 70, 320, 363);
    setLinear(cr, {0, 70, 320, 433}, {{0, Colour{0, 0, 0.1, 0.08}}, {0.5, Colour{1, 1, 1, 0.05}}, {1, Colour{0, 0, 0.1, 0.12}}});
    cairo_fill(cr);
}

}  // namespace

ThemeArt fruitArt()
{
    return ThemeArt{45, 72, drawTablecloth, fruitKey, drawFruit, nullptr, nullptr};
}
