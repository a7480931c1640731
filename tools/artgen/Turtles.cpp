// Theme 4: turtles seen from above on a sandy shore, head to the top. Half-rate sheet: rows
// 0..17 the idle look-around, 18..35 the same with a smile and the head stretched out, 36..40
// the peek (head into the shell, eyes peeking out, head back).
#include "Glance.h"
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

// Table order: red, blue, green, orange, pink, cyan, brown, yellow.
const int kShell[8] = {0xe23b2e, 0x2f6be0, 0x3cae36, 0xff8a14, 0xf46aae, 0x1ec6d6, 0x8a5428, 0xffd21c};
const Colour kSkin = rgb(0xcfdc98);

struct TurtlePose {
    Glance look;
    bool smile = false;
    double out = 1.0;       // how far head and legs are out of the shell, 0..1.2
    double peekLook = -2;   // -2: no peek; else the peeking eyes' look
};

TurtlePose turtlePoseFor(int row)
{
    TurtlePose p;
    if (row >= 36) {
        static const double outs[5] = {0.45, 0.0, 0.0, 0.0, 0.5};
        static const double peeks[5] = {-2, -2, -0.8, 0.8, -2};
        p.out = outs[row - 36];
        p.peekLook = peeks[row - 36];
        return p;
    }
    p.smile = row >= 18;
    p.out = p.smile ? 1.08 : 1.0;
    p.look = glanceAt((row % 18) * 2);
    return p;
}

std::string turtleKey(int row, int colour)
{
    TurtlePose p = turtlePoseFor(row);
    char buf[80];
    std::snprintf(buf, sizeof buf, "c%d s%d o%d p%d x%d y%d l%d", colour, p.smile, static_cast<int>(p.out * 20),
                  static_cast<int>(p.peekLook * 4), static_cast<int>(p.look.lookX * 4),
                  static_cast<int>(p.look.lookY * 4), static_cast<int>(p.look.lid * 4));
    return buf;
}

void skinShape(cairo_t* cr)
{
    setColour(cr, darker(kSkin, 0.5));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke_preserve(cr);
    setColour(cr, kSkin);
    cairo_fill(cr);
}

void drawHead(cairo_t* cr, double cx, double neckY, const TurtlePose& pose)
{
    double angle = pose.look.lookX * 0.45;
    double reach = 6.6 * pose.out;
    double hx = cx + reach * std::sin(angle), hy = neckY - reach * std::cos(angle);
    circlePath(cr, hx, hy, 6.5);
    skinShape(cr);
    softSpot(cr, hx - 2, hy - 2.5, 3, Colour{1, 1, 1, 0.35});
    for (int side = -1; side <= 1; side += 2) {
        double ex = hx + side * 3.4 * std::cos(angle) + 1.2 * std::sin(angle);
        double ey = hy - 1.8 + side * 3.2 * std::sin(angle);
        if (pose.look.lid >= 0.99) {
            setColour(cr, rgb(0x2a2010));
            cairo_set_line_width(cr, 1.1);
            cairo_move_to(cr, ex - 1.8, ey);
            cairo_line_to(cr, ex + 1.8, ey);
            cairo_stroke(cr);
            continue;
        }
        circlePath(cr, ex, ey, 2.5);
        setColour(cr, rgb(0xffffff));
        cairo_fill_preserve(cr);
        setColour(cr, rgb(0x4a5a20));
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
        circlePath(cr, ex + std::sin(angle) * 0.6, ey - 0.5 + pose.look.lookY * 0.5, 1.4);
        setColour(cr, rgb(0x101008));
        cairo_fill(cr);
        circlePath(cr, ex - 0.4, ey - 1.0, 0.5);
        setColour(cr, rgb(0xffffff));
        cairo_fill(cr);
    }
    if (pose.smile) {
        setColour(cr, rgb(0x4a3010));
        cairo_set_line_width(cr, 1.0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        double mx = hx + 4.3 * std::sin(angle), my = hy - 4.3 * std::cos(angle);
        cairo_save(cr);
        cairo_translate(cr, mx, my);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, -2.4, 0.6);
        cairo_curve_to(cr, -1.2, -1.2, 1.2, -1.2, 2.4, 0.6);
        cairo_restore(cr);
        cairo_stroke(cr);
    }
}

void drawTurtle(cairo_t* cr, int size, int row, int colour)
{
    TurtlePose pose = turtlePoseFor(row);
    Colour shell = rgb(kShell[colour]);
    double cx = size / 2.0, cy = size / 2.0 + 4;
    cairo_save(cr);
    // Legs and tail, pulled in with the head.
    double legOut = pose.out > 0.3 ? 1.0 : 0.55;
    static const double legs[4][3] = {{-1, -1, -0.7}, {1, -1, 0.7}, {-1, 1, 0.6}, {1, 1, -0.6}};
    for (const auto& l : legs) {
        cairo_save(cr);
        cairo_translate(cr, cx + l[0] * 12.5 * legOut, cy + l[1] * (l[1] < 0 ? 10 : 11) * legOut);
        cairo_rotate(cr, l[2]);
        ellipsePath(cr, 0, 0, 5.8, 3.9);
        cairo_restore(cr);
        skinShape(cr);
    }
    cairo_move_to(cr, cx - 2.2, cy + 14);
    cairo_line_to(cr, cx, cy + 16.3 * (pose.out > 0.3 ? 1 : 0.92));
    cairo_line_to(cr, cx + 2.2, cy + 14);
    cairo_close_path(cr);
    skinShape(cr);
    if (pose.out > 0.3)
        drawHead(cr, cx, cy - 11.5, pose);
    // Shell.
    ellipsePath(cr, cx, cy, 15.4, 16.4);
    setColour(cr, darker(shell, 0.55));
    cairo_fill(cr);
    ellipsePath(cr, cx, cy, 14.4, 15.4);
    setRadial(cr, {cx - 4, cy - 5, 1, cx, cy, 16}, {{0, lighter(shell, 0.4)}, {0.6, shell}, {1, darker(shell, 0.3)}});
    cairo_fill(cr);
    // Plates: a hexagon in the middle and seams out to the rim.
    Colour seam = withAlpha(darker(shell, 0.5), 0.75);
    setColour(cr, seam);
    cairo_set_line_width(cr, 1.1);
    for (int i = 0; i < 6; ++i) {
        double a = i * M_PI / 3 + M_PI / 6;
        double x = cx + 6 * std::cos(a), y = cy + 6.6 * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    for (int i = 0; i < 6; ++i) {
        double a = i * M_PI / 3 + M_PI / 6;
        cairo_move_to(cr, cx + 6 * std::cos(a), cy + 6.6 * std::sin(a));
        cairo_line_to(cr, cx + 12.9 * std::cos(a), cy + 13.8 * std::sin(a));
    }
    cairo_stroke(cr);
    ellipsePath(cr, cx, cy, 12.9, 13.8);
    setColour(cr, withAlpha(lighter(shell, 0.5), 0.45));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    gloss(cr, cx - 4.5, cy - 7, 6, 4, 0.5);
    if (pose.out <= 0.3) {
        // The opening at the front of the shell, with eyes peeking out of the dark.
        ellipsePath(cr, cx, cy - 14.2, 5.4, 2.7);
        setColour(cr, rgb(0x1a120a));
        cairo_fill(cr);
        if (pose.peekLook > -2) {
            for (int side = -1; side <= 1; side += 2) {
                double ex = cx + side * 2.4, ey = cy - 14.4;
                circlePath(cr, ex, ey, 1.7);
                setColour(cr, rgb(0xffffff));
                cairo_fill(cr);
                circlePath(cr, ex + pose.peekLook * 0.6, ey, 0.9);
                setColour(cr, rgb(0x101008));
                cairo_fill(cr);
            }
        }
    }
    cairo_restore(cr);
}

void drawShore(cairo_t* cr)
{
    paintTexture(cr, 0, 70, 320, 363, [](int x, int y) {
        double n = fractalNoise(x * 0.02, y * 0.02, 4, 404);
        double ripple = 0.5 + 0.5 * std::sin(x * 0.09 + y * 0.05 + n * 9);
        double grain = fractalNoise(x * 0.7, y * 0.7, 1, 405);
        Colour sand = mix(rgb(0xf2dca6), rgb(0xe6c98a), n);
        // A band of shallow water runs along the board's sides.
        double edge = std::min(x - kBoardLeft, kBoardLeft + kBoardColumns * kCell - x);
        double water = edge < 8 ? (8 - edge) / 8.0 : 0;
        Colour c = darker(lighter(sand, 0.06 * ripple), 0.1 * grain);
        return mix(c, rgb(0x5cc9d6), water * 0.7);
    });
    Rng rng(406);
    for (int i = 0; i < 26; ++i) {
        double x = rng.range(5, 315), y = rng.range(75, 430);
        ellipsePath(cr, x, y, rng.range(1.2, 2.6), rng.range(0.8, 1.6));
        setColour(cr, rng.below(2) ? rgb(0xffffff, 0.6) : rgb(0xc9a56a, 0.6));
        cairo_fill(cr);
    }
    // Dotted cell marks drawn in the sand.
    setColour(cr, rgb(0xb8955a, 0.5));
    for (int i = 0; i <= kBoardColumns; ++i)
        for (int j = 0; j <= kBoardRows; ++j) {
            circlePath(cr, kBoardLeft + i * kCell, kBoardTop + j * kCell, 1.6);
            cairo_fill(cr);
        }
}

}  // namespace

ThemeArt turtleArt()
{
    return ThemeArt{45, 41, drawShore, turtleKey, drawTurtle, nullptr, nullptr};
}
