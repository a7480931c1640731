// Theme 1: soccer balls on a pitch. The balls do not animate; their second face is the same
// ball turned a fifth of a turn, so each colour needs two pictures.
#include "ThemeArt.h"

#include <cmath>
#include <cstdio>

namespace {

// Colours in the theme table's order: black, red, green, orange, light blue, pink, blue, purple.
const int kPanels[8] = {0xffffff, 0xe8322c, 0x3fbf3a, 0xff8a10, 0x2cc6e8, 0xf660b0, 0x2563e0, 0x8e44d0};
const int kPatches[8] = {0x1c1c1c, 0x6e0e0a, 0x0f5a12, 0x7a3a00, 0x065a70, 0x7a1450, 0x0b2a70, 0x3e1268};

std::string soccerKey(int frame, int colour)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "c%d t%d", colour, frame >= 36 ? 1 : 0);
    return buf;
}

// A regular pentagon with its first corner at `rotation`: a five-point star whose inner corners
// lie on the edges.
void pentagon(cairo_t* cr, double cx, double cy, double r, double rotation)
{
    starPath(cr, cx, cy, r, r * std::cos(M_PI / 5), 5, rotation + M_PI / 2);
}

void drawBall(cairo_t* cr, int size, int frame, int colour)
{
    double cx = size / 2.0, cy = size / 2.0, R = 19.5;
    double turn = (frame >= 36 ? 2 * M_PI / 10 : 0) - M_PI / 2;
    Colour panel = rgb(kPanels[colour]);
    Colour patch = rgb(kPatches[colour]);
    cairo_save(cr);
    circlePath(cr, cx, cy, R);
    setColour(cr, darker(panel, 0.55));
    cairo_fill(cr);
    circlePath(cr, cx, cy, R - 0.8);
    cairo_clip(cr);
    setColour(cr, panel);
    cairo_paint(cr);
    // Centre patch and five patches around it, squeezed towards the rim as on a sphere.
    double inner = R * 0.34;
    pentagon(cr, cx, cy, inner, turn);
    setColour(cr, patch);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        double a = turn + i * 2 * M_PI / 5;
        double d = R * 0.93;
        double px = cx + d * std::cos(a), py = cy + d * std::sin(a);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, a);
        cairo_scale(cr, 0.55, 1.0);
        pentagon(cr, 0, 0, inner * 1.05, M_PI);
        cairo_restore(cr);
        setColour(cr, patch);
        cairo_fill(cr);
    }
    // Seams from the centre patch's corners outwards and between the outer patches.
    setColour(cr, withAlpha(darker(panel, 0.6), 0.8));
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < 5; ++i) {
        double a = turn + M_PI / 5 + i * 2 * M_PI / 5;
        double a0 = turn + i * 2 * M_PI / 5;
        cairo_move_to(cr, cx + inner * std::cos(a0), cy + inner * std::sin(a0));
        cairo_line_to(cr, cx + R * 0.62 * std::cos(a0), cy + R * 0.62 * std::sin(a0));
        cairo_move_to(cr, cx + R * 0.62 * std::cos(a0 - 0.25), cy + R * 0.62 * std::sin(a0 - 0.25));
        cairo_line_to(cr, cx + R * 0.66 * std::cos(a), cy + R * 0.66 * std::sin(a));
        cairo_line_to(cr, cx + R * 0.62 * std::cos(a0 + 2 * M_PI / 5 + 0.25),
                      cy + R * 0.62 * std::sin(a0 + 2 * M_PI / 5 + 0.25));
        cairo_move_to(cr, cx + R * 0.66 * std::cos(a), cy + R * 0.66 * std::sin(a));
        cairo_line_to(cr, cx + R * std::cos(a), cy + R * std::sin(a));
    }
    cairo_stroke(cr);
    // Sphere shading: light from the upper left.
    setRadial(cr, {cx - 6, cy - 7, 2, cx, cy, R * 1.05}, {{0, Colour{1, 1, 1, 0.35}}, {0.45, Colour{1, 1, 1, 0.0}}, {0.8, Colour{0, 0, 0, 0.12}}, {1, Colour{0, 0, 0, 0.5}}});
    cairo_paint(cr);
    cairo_restore(cr);
    gloss(cr, cx - 6, cy - 10, 8, 4.5, 0.6);
}

void drawPitch(cairo_t* cr)
{
    paintTexture(cr, 0, 70, 320, 363, [](int x, int y) {
        int stripe = ((y - kBoardTop + 450) / 45) % 2;
        Colour base = stripe ? rgb(0x3e9a3a) : rgb(0x4bab45);
        double n = fractalNoise(x * 0.08, y * 0.08, 3, 91);
        double fine = fractalNoise(x * 0.9, y * 0.9, 1, 92);
        return darker(lighter(base, 0.08 * n), 0.12 * fine);
    });
    // Pitch markings: halfway line, centre circle, penalty areas at both ends.
    setColour(cr, Colour{1, 1, 1, 0.55});
    cairo_set_line_width(cr, 2.2);
    double top = kBoardTop - 1, bottom = kBoardTop + kBoardRows * kCell + 1, mid = (top + bottom) / 2;
    cairo_rectangle(cr, 8, top + 4, 304, bottom - top - 8);
    cairo_move_to(cr, 8, mid);
    cairo_line_to(cr, 312, mid);
    cairo_stroke(cr);
    circlePath(cr, 160, mid, 44);
    cairo_stroke(cr);
    circlePath(cr, 160, mid, 3);
    cairo_fill(cr);
    for (int end = 0; end < 2; ++end) {
        double y0 = end ? bottom - 4 : top + 4;
        double dir = end ? -1 : 1;
        cairo_rectangle(cr, 70, y0, 180, dir * 62);
        cairo_rectangle(cr, 115, y0, 90, dir * 24);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_arc(cr, 160, y0 + dir * 62, 24, end ? M_PI : 0, end ? 2 * M_PI : M_PI);
        cairo_stroke(cr);
    }
    // Faint cell marks so the 7 x 8 grid still reads.
    setColour(cr, Colour{0, 0.15, 0, 0.16});
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < kBoardColumns; ++i) {
        cairo_move_to(cr, kBoardLeft + i * kCell + 0.5, kBoardTop);
        cairo_line_to(cr, kBoardLeft + i * kCell + 0.5, kBoardTop + kBoardRows * kCell);
    }
    cairo_stroke(cr);
}

}  // namespace

ThemeArt soccerArt()
{
    return ThemeArt{45, 72, drawPitch, soccerKey, drawBall, nullptr, nullptr};
}
