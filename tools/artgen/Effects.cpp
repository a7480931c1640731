#include "Effects.h"

#include "Canvas.h"

#include <cmath>

namespace {

// Explosion colours by family: 0 neutral, 1 red, 2 yellow, 3 green, 4 pink, 5 blue, 6 orange,
// 7 cyan, 8 purple, 9 black or brown.
const int kSparkColours[10] = {0xfff1b8, 0xff3b30, 0xffe02e, 0x6cf03a, 0xff5fb0,
                               0x3d9bff, 0xff9210, 0x2cf0ff, 0xb86bff, 0x5a4a44};

}  // namespace

void drawFurballShadow(cairo_t* cr)
{
    softShadow(cr, 22.5, 24.5, 21, 0.9, 0.6);
}

void drawFurballShading(cairo_t* cr)
{
    cairo_save(cr);
    circlePath(cr, 20.5, 20.5, 18.5);
    cairo_clip(cr);
    // Darker towards the lower right, light from the upper left.
    setRadial(cr, {15, 14, 4, 20.5, 20.5, 22}, {{0, Colour{0, 0, 0, 0}}, {0.65, Colour{0, 0, 0, 0.0}}, {1, Colour{0.05, 0.0, 0.1, 0.38}}});
    cairo_paint(cr);
    cairo_restore(cr);
    gloss(cr, 13.5, 10.5, 8.5, 5.5, 0.55);
    softSpot(cr, 12, 9.5, 2.2, Colour{1, 1, 1, 0.7});
}

void drawCellGlow(cairo_t* cr)
{
    circlePath(cr, 64, 64, 64);
    setRadial(cr, {64, 64, 0, 64, 64, 64}, {{0, Colour{1, 0.97, 0.8, 1}}, {0.35, Colour{1, 0.9, 0.55, 0.65}}, {0.7, Colour{1, 0.8, 0.35, 0.2}}, {1, Colour{1, 0.75, 0.3, 0}}});
    cairo_fill(cr);
}

void drawSpark(cairo_t* cr, int family, int step)
{
    Colour c = rgb(kSparkColours[family]);
    double cx = 8.5, cy = 8.5;
    softSpot(cr, cx, cy, 7.5, withAlpha(c, 0.75));
    starPath(cr, cx, cy, 7.3, 1.7, 4, step * M_PI / 12 + M_PI / 2);
    setRadial(cr, {cx, cy, 0, cx, cy, 7.3}, {{0, family == 9 ? rgb(0xd8d0c8) : lighter(c, 0.85)}, {0.45, c}, {1, withAlpha(family == 9 ? c : darker(c, 0.1), 0.6)}});
    cairo_fill(cr);
    circlePath(cr, cx, cy, 1.6);
    setColour(cr, Colour{1, 1, 1, 0.95});
    cairo_fill(cr);
}

void drawSparkle(cairo_t* cr)
{
    softSpot(cr, 12, 12, 10, Colour{1, 0.95, 0.7, 0.7});
    starPath(cr, 12, 12, 11.5, 2.2, 4, 0);
    setColour(cr, Colour{1, 1, 0.92, 1});
    cairo_fill(cr);
}

void drawFinger(cairo_t* cr)
{
    cairo_save(cr);
    Colour skin = rgb(0xffd2ae), shade = rgb(0xe9a77e), outline = rgb(0x7a4424);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Sleeve cuff.
    roundedRectPath(cr, 9, 44, 22, 9.5, 2.5);
    setColour(cr, rgb(0x2f7fe8));
    cairo_fill_preserve(cr);
    setColour(cr, darker(rgb(0x2f7fe8), 0.45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    roundedRectPath(cr, 9, 44, 22, 3, 1.5);
    setColour(cr, rgb(0xffffff, 0.5));
    cairo_fill(cr);
    // Fist with curled fingers.
    roundedRectPath(cr, 7, 24, 25, 21.5, 8);
    // Pointing finger.
    roundedRectPath(cr, 14, 1.5, 9.5, 30, 4.75);
    // Thumb across the front.
    ellipsePath(cr, 12.5, 31, 6.5, 4);
    setColour(cr, outline);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke_preserve(cr);
    setLinear(cr, {7, 0, 32, 0}, {{0, skin}, {0.6, skin}, {1, shade}});
    cairo_fill(cr);
    // Knuckle lines and the nail.
    setColour(cr, withAlpha(outline, 0.6));
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double y : {34.0, 39.0}) {
        cairo_move_to(cr, 20, y);
        cairo_line_to(cr, 30, y);
    }
    cairo_move_to(cr, 24, 29);
    cairo_line_to(cr, 30.5, 29);
    cairo_stroke(cr);
    roundedRectPath(cr, 16, 3.5, 5.5, 6, 2.5);
    setColour(cr, rgb(0xfff0e6));
    cairo_fill(cr);
    gloss(cr, 17, 14, 2, 6, 0.45);
    cairo_restore(cr);
}

void drawWrongMoveCross(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto cross = [cr]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 12);
        cairo_line_to(cr, 48, 59);
        cairo_move_to(cr, 48, 12);
        cairo_line_to(cr, 12, 59);
    };
    cairo_save(cr);
    cairo_translate(cr, 1.5, 2.5);
    cross();
    setColour(cr, Colour{0, 0, 0, 0.35});
    cairo_set_line_width(cr, 17);
    cairo_stroke(cr);
    cairo_restore(cr);
    cross();
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cross();
    setLinear(cr, {0, 10, 0, 61}, {{0, rgb(0xff6a5a)}, {1, rgb(0xc0141a)}});
    cairo_set_line_width(cr, 10.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawInstructionArrow(cairo_t* cr)
{
    cairo_save(cr);
    cairo_move_to(cr, 1, 2.5);
    cairo_line_to(cr, 9, 2.5);
    cairo_line_to(cr, 9, 0.6);
    cairo_line_to(cr, 15.3, 4);
    cairo_line_to(cr, 9, 7.4);
    cairo_line_to(cr, 9, 5.5);
    cairo_line_to(cr, 1, 5.5);
    cairo_close_path(cr);
    setColour(cr, rgb(0x3a1e00));
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xffe94a));
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawBubbleTail(cairo_t* cr)
{
    cairo_save(cr);
    cairo_move_to(cr, 5, 0);
    cairo_line_to(cr, 19, 0);
    cairo_curve_to(cr, 14, 10, 9, 19, 2, 25);
    cairo_curve_to(cr, 5, 17, 6, 8, 5, 0);
    cairo_close_path(cr);
    setColour(cr, rgb(0x2b1d14, 0.9));
    cairo_fill(cr);
    cairo_move_to(cr, 19, 0);
    cairo_curve_to(cr, 14, 10, 9, 19, 2, 25);
    cairo_curve_to(cr, 5, 17, 6, 8, 5, 0);
    setColour(cr, rgb(0xf6e2b8, 0.9));
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawTopBanner(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 320, 14);
    setLinear(cr, {0, 0, 0, 14}, {{0, Colour{0.18, 0.1, 0.04, 0.95}}, {0.2, Colour{0.1, 0.05, 0.02, 0.6}}, {0.5, Colour{0, 0, 0, 0.22}}, {1, Colour{0, 0, 0, 0}}});
    cairo_fill(cr);
}

void drawScoreboardShadow(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 320, 16);
    setLinear(cr, {0, 0, 0, 16}, {{0, Colour{0, 0, 0, 0.55}}, {1, Colour{0, 0, 0, 0}}});
    cairo_fill(cr);
}

void drawSoftBar(cairo_t* cr, int w, int h, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, w / 2.0, h / 2.0);
    circlePath(cr, 0, 0, 1);
    setRadial(cr, {0, 0, 0, 0, 0, 1}, {{0, Colour{1, 0.97, 0.85, alpha}}, {0.6, Colour{1, 0.93, 0.7, alpha * 0.45}}, {1, Colour{1, 0.9, 0.6, 0}}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawGlowBox(cairo_t* cr, int w, int h)
{
    // Layered rounded rectangles give a soft edge that is brightest along the rim.
    for (int i = 0; i < 10; ++i) {
        double inset = i * 1.6;
        roundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, 18 - i);
        setColour(cr, Colour{1, 0.93, 0.65, 0.06 + 0.02 * i});
        cairo_fill(cr);
    }
    roundedRectPath(cr, 17, 17, w - 34, h - 34, 8);
    setColour(cr, Colour{0, 0, 0, 0});
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    setRadial(cr, {w / 2.0, h / 2.0, 0, w / 2.0, h / 2.0, h / 2.0}, {{0, Colour{1, 0.95, 0.75, 0.08}}, {1, Colour{1, 0.93, 0.65, 0.25}}});
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void drawProgressDot(cairo_t* cr)
{
    circlePath(cr, 2.5, 2.5, 2.5);
    setColour(cr, rgb(0xffffff));
    cairo_fill(cr);
}

void drawEndOfPuzzleBadge(cairo_t* cr)
{
    cairo_save(cr);
    circlePath(cr, 40, 42, 36);
    setColour(cr, Colour{0, 0, 0, 0.3});
    cairo_fill(cr);
    fillRadial(cr, 40, 40, 36, rgb(0xfff3a0), rgb(0xc88a10));
    fillRadial(cr, 40, 40, 30, rgb(0x8de05a), rgb(0x2e8b1e));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 26, 41);
    cairo_line_to(cr, 36, 51);
    cairo_line_to(cr, 55, 29);
    setColour(cr, rgb(0x1a4a10));
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xffffff));
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    gloss(cr, 32, 22, 18, 8, 0.45);
    cairo_restore(cr);
}

void drawLevelEndPanel(cairo_t* cr)
{
    cairo_save(cr);
    roundedRectPath(cr, 3, 5, 234, 93, 16);
    setColour(cr, Colour{0, 0, 0, 0.35});
    cairo_fill(cr);
    roundedRectPath(cr, 2, 2, 236, 92, 16);
    setLinear(cr, {0, 2, 0, 94}, {{0, rgb(0x5a3418, 0.94)}, {1, rgb(0x2a160a, 0.94)}});
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0xf7c531));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundedRectPath(cr, 6.5, 6.5, 227, 83, 12);
    setColour(cr, rgb(0xfff3c0, 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawLevelEndGlow(cairo_t* cr)
{
    cairo_save(cr);
    // A golden halo around the panel's edge; the middle stays clear for the numbers.
    for (int i = 0; i < 8; ++i) {
        roundedRectPath(cr, 10 - i * 1.2, 10 - i * 1.2, 240 + i * 2.4, 100 + i * 2.4, 16 + i);
        setColour(cr, Colour{1, 0.85, 0.3, 0.12 - i * 0.012});
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
    Rng rng(404);
    for (int i = 0; i < 9; ++i) {
        double x = i % 2 ? rng.range(8, 252) : (i % 4 == 0 ? rng.range(4, 18) : rng.range(242, 256));
        double y = i % 2 ? (i % 3 == 0 ? rng.range(3, 12) : rng.range(108, 117)) : rng.range(10, 110);
        double r = rng.range(4, 8);
        softSpot(cr, x, y, r * 1.6, Colour{1, 0.95, 0.6, 0.6});
        starPath(cr, x, y, r, r * 0.22, 4, 0);
        setColour(cr, Colour{1, 1, 0.9, 0.95});
        cairo_fill(cr);
    }
    cairo_restore(cr);
}
