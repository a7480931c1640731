#include "HudPictures.h"

#include "Canvas.h"

#include <cmath>
#include <string>

namespace {

const char* kDigitFont = "Roboto Slab";

void digitPath(cairo_t* cr, int digit, double size, double cx, double baselineCentreY)
{
    cairo_select_font_face(cr, kDigitFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    std::string text(1, static_cast<char>('0' + digit));
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, baselineCentreY - e.height / 2 - e.y_bearing);
    cairo_text_path(cr, text.c_str());
}

void metalGradient(cairo_t* cr, double x, double y, double r, int grade)
{
    static const int light[3] = {0xf3b27a, 0xf4f6f8, 0xfff3a0};
    static const int mid[3] = {0xc7773a, 0xb9c0c8, 0xf7c531};
    static const int dark[3] = {0x7a3f16, 0x6e7680, 0xb07a10};
    setRadial(cr, {x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r}, {{0, rgb(light[grade])}, {0.6, rgb(mid[grade])}, {1, rgb(dark[grade])}});
}

Colour remainingColour(double remaining)
{
    Colour green = rgb(0x4caf50), yellow = rgb(0xffc107), red = rgb(0xf4433a);
    if (remaining > 0.5)
        return mix(yellow, green, (remaining - 0.5) * 2);
    return mix(red, yellow, remaining * 2);
}

// Engraved shapes look cut into the score board: dark inside, light lower lip.
void engrave(cairo_t* cr, void (*path)(cairo_t*, double, double, double, double), double x, double y, double w,
             double h)
{
    path(cr, x, y + 1, w, h);
    setColour(cr, rgb(0xe8e0d0));
    cairo_fill(cr);
    path(cr, x, y, w, h);
    setColour(cr, rgb(0x1a1410));
    cairo_fill(cr);
    path(cr, x + 1, y + 1.5, w - 2, h - 2.5);
    setLinear(cr, {0, y, 0, y + h}, {{0, rgb(0x0e0a08)}, {0.35, rgb(0x2c241e)}, {1, rgb(0x3a3028)}});
    cairo_fill(cr);
}

void boxPath(cairo_t* cr, double x, double y, double w, double h)
{
    roundedRectPath(cr, x, y, w, h, 6);
}

void discPath(cairo_t* cr, double x, double y, double w, double h)
{
    ellipsePath(cr, x + w / 2, y + h / 2, w / 2, h / 2);
}

}  // namespace

void drawDigit(cairo_t* cr, int digit)
{
    cairo_save(cr);
    digitPath(cr, digit, 50, 22 + 1.5, 25 + 2);
    setColour(cr, rgb(0x000000, 0.35));
    cairo_set_line_width(cr, 7);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    digitPath(cr, digit, 50, 22, 25);
    setColour(cr, rgb(0x3b2412));
    cairo_set_line_width(cr, 6.5);
    cairo_stroke_preserve(cr);
    setLinear(cr, {0, 5, 0, 45}, {{0, rgb(0xffffff)}, {0.5, rgb(0xfff6d8)}, {1, rgb(0xffd45a)}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawSmallDigit(cairo_t* cr, int digit)
{
    cairo_save(cr);
    digitPath(cr, digit, 18, 7, 9.5);
    setColour(cr, rgb(0xfff0b0, 0.6));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0x3a2208));
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawTimeCircleBox(cairo_t* cr)
{
    engrave(cr, discPath, 0.5, 0.5, 35, 34.5);
}

void drawClockFrame(cairo_t* cr, int frame)
{
    bool blink = frame >= 32;
    int shown = blink ? 63 - frame : frame;
    double used = shown / 32.0;
    double cx = 18, cy = 17.5, r = 15;
    cairo_save(cr);
    if (blink)
        softSpot(cr, cx, cy, 18, rgb(0xff3020, 0.9));
    // Bezel and face.
    circlePath(cr, cx, cy, r + 1.8);
    setLinear(cr, {0, cy - r, 0, cy + r}, {{0, blink ? rgb(0xffb0a0) : rgb(0xfff1c0)}, {1, blink ? rgb(0xb71c1c) : rgb(0xa0702a)}});
    cairo_fill(cr);
    fillRadial(cr, cx, cy - 2, r + 1, blink ? rgb(0xffe8e4) : rgb(0xfffdf4), blink ? rgb(0xf3b0a8) : rgb(0xe8dcc0));
    // The time that is left, as a wedge that shrinks clockwise from twelve o'clock.
    double start = -M_PI / 2 + used * 2 * M_PI;
    double end = 3 * M_PI / 2;
    Colour c = blink ? rgb(0xff2a1a) : remainingColour(1 - used);
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r - 1.2, start, end);
    cairo_close_path(cr);
    setRadial(cr, {cx - 4, cy - 5, 1, cx, cy, r}, {{0, lighter(c, 0.35)}, {1, c}});
    cairo_fill(cr);
    // Ticks.
    setColour(cr, rgb(0x4a3020, 0.8));
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        double inner = i % 3 == 0 ? r - 4 : r - 2.5;
        cairo_move_to(cr, cx + inner * std::cos(a), cy + inner * std::sin(a));
        cairo_line_to(cr, cx + (r - 0.8) * std::cos(a), cy + (r - 0.8) * std::sin(a));
    }
    cairo_stroke(cr);
    // The hand points at the edge of the time left.
    setColour(cr, rgb(0x2a1a10));
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + (r - 3) * std::cos(start), cy + (r - 3) * std::sin(start));
    cairo_stroke(cr);
    fillRadial(cr, cx, cy, 2.3, rgb(0xffe082), rgb(0x8a5a10));
    gloss(cr, cx - 3, cy - 8, 8, 4, 0.55);
    cairo_restore(cr);
}

void drawNumberBox(cairo_t* cr, int w, int h, bool level)
{
    cairo_save(cr);
    if (level) {
        // A raised light rim makes the level box stand out from the plain ones.
        roundedRectPath(cr, 0.5, 0.5, w - 1, h - 1, 7);
        setColour(cr, rgb(0xf0e6c8));
        cairo_fill(cr);
        engrave(cr, boxPath, 2.5, 2.5, w - 5, h - 5);
    } else {
        engrave(cr, boxPath, 0.5, 0.5, w - 1, h - 1.5);
    }
    cairo_restore(cr);
}

void drawSkipLevelBox(cairo_t* cr)
{
    drawNumberBox(cr, 64, 28, false);
    cairo_save(cr);
    setColour(cr, rgb(0xf2ead8));
    for (int i = 0; i < 2; ++i) {
        double x = 22 + i * 11;
        cairo_move_to(cr, x, 7);
        cairo_line_to(cr, x + 10, 14);
        cairo_line_to(cr, x, 21);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawUndoIcon(cairo_t* cr)
{
    cairo_save(cr);
    circlePath(cr, 15, 16, 14);
    setColour(cr, rgb(0x000000, 0.3));
    cairo_fill(cr);
    fillRadial(cr, 15, 15, 14, rgb(0xa86a3a), rgb(0x5a3418));
    circlePath(cr, 15, 15, 13.2);
    setColour(cr, rgb(0xf0d0a0, 0.6));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // A counter-clockwise arrow.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        setColour(cr, pass == 0 ? rgb(0x2a1608) : rgb(0xfffaf0));
        cairo_set_line_width(cr, pass == 0 ? 5.2 : 3.0);
        cairo_new_path(cr);
        cairo_arc(cr, 15.5, 16, 7, -M_PI * 0.95, M_PI * 0.55);
        cairo_stroke(cr);
        cairo_move_to(cr, 3.8, 13.5);
        cairo_line_to(cr, 9.6, 8.8);
        cairo_line_to(cr, 11.5, 16.2);
        cairo_close_path(cr);
        if (pass == 0) {
            cairo_set_line_width(cr, 2.2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    gloss(cr, 11, 7, 8, 4, 0.35);
    cairo_restore(cr);
}

void drawHintIcon(cairo_t* cr)
{
    cairo_save(cr);
    softSpot(cr, 12.5, 13.5, 13.5, rgb(0xfff3a0, 0.55));
    // Screw base.
    roundedRectPath(cr, 7, 24, 11, 10, 2.5);
    setLinear(cr, {7, 0, 18, 0}, {{0, rgb(0x707880)}, {0.4, rgb(0xe4e8ec)}, {1, rgb(0x5a6066)}});
    cairo_fill(cr);
    setColour(cr, rgb(0x3a4046, 0.7));
    cairo_set_line_width(cr, 0.9);
    for (double y : {27.0, 30.0}) {
        cairo_move_to(cr, 7.5, y);
        cairo_line_to(cr, 17.5, y + 1);
    }
    cairo_stroke(cr);
    // Bulb.
    circlePath(cr, 12.5, 13, 11.5);
    cairo_move_to(cr, 6, 21);
    cairo_line_to(cr, 19, 21);
    cairo_line_to(cr, 17.5, 25.5);
    cairo_line_to(cr, 7.5, 25.5);
    cairo_close_path(cr);
    setColour(cr, rgb(0x8a5200));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    setRadial(cr, {9, 9, 1, 12.5, 13, 13}, {{0, rgb(0xfffbe0)}, {0.55, rgb(0xffd740)}, {1, rgb(0xf59a00)}});
    cairo_fill(cr);
    gloss(cr, 8.5, 6.5, 4.5, 3, 0.8);
    cairo_restore(cr);
}

void drawMedal(cairo_t* cr, int grade, double scale)
{
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    bool none = grade >= 3;
    // Ribbon.
    Colour ribbonA = none ? rgb(0xffffff, 0.25) : rgb(0x1e63c8);
    Colour ribbonB = none ? rgb(0xffffff, 0.15) : rgb(0xd63030);
    cairo_move_to(cr, 5, 1);
    cairo_line_to(cr, 15, 1);
    cairo_line_to(cr, 22, 22);
    cairo_line_to(cr, 13, 24);
    cairo_close_path(cr);
    setColour(cr, ribbonA);
    cairo_fill(cr);
    cairo_move_to(cr, 31, 1);
    cairo_line_to(cr, 21, 1);
    cairo_line_to(cr, 14, 22);
    cairo_line_to(cr, 23, 24);
    cairo_close_path(cr);
    setColour(cr, ribbonB);
    cairo_fill(cr);
    if (!none) {
        setColour(cr, rgb(0xffffff, 0.5));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, 10, 1);
        cairo_line_to(cr, 17.5, 22);
        cairo_move_to(cr, 26, 1);
        cairo_line_to(cr, 18.5, 22);
        cairo_stroke(cr);
    }
    // Disc.
    double cx = 18, cy = 35.5, r = 15;
    if (none) {
        circlePath(cr, cx, cy, r - 1);
        setColour(cr, rgb(0x000000, 0.25));
        cairo_fill_preserve(cr);
        setColour(cr, rgb(0xffffff, 0.45));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        starPath(cr, cx, cy, 8, 3.6, 5, 0);
        setColour(cr, rgb(0xffffff, 0.3));
        cairo_fill(cr);
        cairo_restore(cr);
        return;
    }
    circlePath(cr, cx, cy + 1, r);
    setColour(cr, rgb(0x000000, 0.3));
    cairo_fill(cr);
    circlePath(cr, cx, cy, r);
    metalGradient(cr, cx, cy, r, grade);
    cairo_fill(cr);
    circlePath(cr, cx, cy, r - 3.2);
    setColour(cr, rgb(0x000000, 0.18));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    starPath(cr, cx, cy + 0.8, 8, 3.6, 5, 0);
    setColour(cr, rgb(0x000000, 0.25));
    cairo_fill(cr);
    starPath(cr, cx, cy, 8, 3.6, 5, 0);
    metalGradient(cr, cx - 2, cy - 2, 12, grade);
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0xffffff, 0.5));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    gloss(cr, cx - 4, cy - 8, 8, 4, 0.55);
    cairo_restore(cr);
}

void drawPadlock(cairo_t* cr)
{
    cairo_save(cr);
    // Shackle.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, 12, 22);
        cairo_line_to(cr, 12, 14);
        cairo_arc(cr, 22, 14, 10, M_PI, 2 * M_PI);
        cairo_line_to(cr, 32, 22);
        setColour(cr, pass == 0 ? rgb(0x3c4248) : rgb(0xc8d0d8));
        cairo_set_line_width(cr, pass == 0 ? 7 : 4.2);
        cairo_stroke(cr);
    }
    // Body.
    roundedRectPath(cr, 4, 19, 36, 30, 7);
    setColour(cr, rgb(0x6a4008));
    cairo_fill(cr);
    roundedRectPath(cr, 5.2, 20.2, 33.6, 27.6, 6);
    setLinear(cr, {0, 20, 0, 48}, {{0, rgb(0xffe680)}, {0.45, rgb(0xf6b61e)}, {1, rgb(0xb8740a)}});
    cairo_fill(cr);
    gloss(cr, 16, 23.5, 11, 3, 0.6);
    // Keyhole, low enough to leave room for a level number.
    circlePath(cr, 22, 41.5, 2);
    cairo_move_to(cr, 21, 42);
    cairo_line_to(cr, 23, 42);
    cairo_line_to(cr, 23.6, 46);
    cairo_line_to(cr, 20.4, 46);
    cairo_close_path(cr);
    setColour(cr, rgb(0x4a2a04));
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawFrenzyGroove(cairo_t* cr)
{
    engrave(cr, [](cairo_t* c, double x, double y, double w, double h) { roundedRectPath(c, x, y, w, h, 4); }, 0.5,
            0.5, 139, 8);
}

void drawFrenzyBarBack(cairo_t* cr)
{
    roundedRectPath(cr, 0, 0, 136, 5, 2.5);
    setColour(cr, rgb(0x000000, 0.45));
    cairo_fill(cr);
}

void drawFrenzyBarFill(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 16, 5);
    setLinear(cr, {0, 0, 0, 5}, {{0, rgb(0xd8ff9a)}, {0.5, rgb(0x7ed321)}, {1, rgb(0x3f8a10)}});
    cairo_fill(cr);
}

void drawFrenzyBarEnd(cairo_t* cr)
{
    circlePath(cr, 2.5, 2.5, 2.5);
    setLinear(cr, {0, 0, 0, 5}, {{0, rgb(0xffffff)}, {1, rgb(0x8ee03a)}});
    cairo_fill(cr);
}

void drawProgressCap(cairo_t* cr)
{
    roundedRectPath(cr, 0.5, 0, 11, 4, 2);
    setLinear(cr, {0, 0, 12, 0}, {{0, rgb(0xb07a10)}, {0.4, rgb(0xfff3a0)}, {1, rgb(0xb07a10)}});
    cairo_fill(cr);
}

void drawProgressFill(cairo_t* cr)
{
    cairo_rectangle(cr, 1.5, 0, 9, 24);
    setLinear(cr, {1.5, 0, 10.5, 0}, {{0, rgb(0xc88a10)}, {0.4, rgb(0xffe066)}, {1, rgb(0xc88a10)}});
    cairo_fill(cr);
}

void drawClockSeparator(cairo_t* cr)
{
    for (double y : {6.5, 14.5}) {
        circlePath(cr, 3, y, 2.6);
        setColour(cr, rgb(0x3b2412));
        cairo_fill(cr);
        circlePath(cr, 3, y, 1.7);
        setColour(cr, rgb(0xfff6d8));
        cairo_fill(cr);
    }
}

void drawInfinity(cairo_t* cr)
{
    cairo_save(cr);
    cairo_new_path(cr);
    for (int i = 0; i <= 120; ++i) {
        double t = i * 2 * M_PI / 120;
        double d = 1 + std::sin(t) * std::sin(t);
        double x = 20 + 15.5 * std::cos(t) / d;
        double y = 12 + 15.5 * std::sin(t) * std::cos(t) / d;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, rgb(0x2a1a0c));
    cairo_set_line_width(cr, 6.5);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xfff3cf));
    cairo_set_line_width(cr, 3.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawRestartIcon(cairo_t* cr)
{
    cairo_save(cr);
    engrave(cr, boxPath, 0.5, 0.5, 32, 26);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, rgb(0xf4ecd8));
    cairo_set_line_width(cr, 2.6);
    cairo_new_path(cr);
    cairo_arc(cr, 16.5, 13.5, 7, -M_PI * 0.2, M_PI * 1.45);
    cairo_stroke(cr);
    cairo_move_to(cr, 24.5, 5.5);
    cairo_line_to(cr, 25, 12.5);
    cairo_line_to(cr, 18.5, 10.5);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}
