#include "Backgrounds.h"

#include <cmath>

namespace {

const Colour kHudWood = rgb(0x956238);
const Colour kMenuWood = rgb(0xbf8650);

}  // namespace

void drawWood(cairo_t* cr, int w, int h, const Colour& base, uint32_t seed, int plankHeight)
{
    paintTexture(cr, 0, 0, w, h, [&](int x, int y) {
        int plank = plankHeight > 0 ? y / plankHeight : 0;
        double offset = plank * 137.0;
        // Long, gently wavy grain lines across the plank, with finer fibres and a tint per plank.
        double n = fractalNoise((x + offset) * 0.006, y * 0.035, 4, seed + plank * 7);
        double rings = 0.5 + 0.5 * std::sin(y * 0.5 + n * 14.0 + plank * 1.7);
        rings = rings * rings * rings;
        double fine = fractalNoise((x + offset) * 0.35, y * 2.2, 2, seed + 31);
        double tint = plankHeight > 0 ? 0.04 * std::sin(plank * 2.3 + seed) : 0;
        double shade = 0.82 + tint - 0.2 * rings + 0.1 * (fine - 0.5) + 0.08 * (n - 0.5);
        if (plankHeight > 0) {
            int inPlank = y % plankHeight;
            if (inPlank == 0)
                shade *= 0.55;
            else if (inPlank == 1)
                shade *= 1.12;
            else if (inPlank == plankHeight - 1)
                shade *= 0.8;
        }
        return Colour{base.r * shade, base.g * shade, base.b * shade, 1};
    });
}

void drawScoreBoard(cairo_t* cr)
{
    cairo_save(cr);
    drawWood(cr, 320, kScoreBoardHeight, kHudWood, 11, 0);
    // Bevel: light top edge, dark bottom edge, a little vignette towards the sides.
    cairo_rectangle(cr, 0, 0, 320, kScoreBoardHeight);
    setLinear(cr, {0, 0, 0, kScoreBoardHeight}, {{0, Colour{1, 0.95, 0.85, 0.28}}, {0.06, Colour{1, 0.95, 0.85, 0.0}}, {0.85, Colour{0, 0, 0, 0.0}}, {1, Colour{0, 0, 0, 0.35}}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 320, kScoreBoardHeight);
    setLinear(cr, {0, 0, 320, 0},
              {{0, Colour{0, 0, 0, 0.25}}, {0.08, Colour{0, 0, 0, 0}}, {0.92, Colour{0, 0, 0, 0}}, {1, Colour{0, 0, 0, 0.25}}});
    cairo_fill(cr);
    // Brass screws in the corners.
    for (double x : {7.0, 313.0}) {
        for (double y : {7.0, 63.0}) {
            fillRadial(cr, x + 0.5, y + 0.5, 3.2, rgb(0xf5dc8a), rgb(0x8a6420));
            setColour(cr, rgb(0x5a3c10, 0.8));
            cairo_set_line_width(cr, 0.9);
            cairo_move_to(cr, x - 1.8, y + 1.2);
            cairo_line_to(cr, x + 1.8, y - 1.2);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

void drawBottomBar(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 0, kBottomBarTop);
    const int h = 480 - kBottomBarTop;
    drawWood(cr, 320, h, kHudWood, 23, 0);
    cairo_rectangle(cr, 0, 0, 320, h);
    setLinear(cr, {0, 0, 0, h}, {{0, Colour{0, 0, 0, 0.45}}, {0.1, Colour{0, 0, 0, 0.0}}, {0.14, Colour{1, 0.95, 0.85, 0.18}}, {0.25, Colour{1, 0.95, 0.85, 0.0}}, {1, Colour{0, 0, 0, 0.25}}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawThemeBackground(cairo_t* cr, void (*boardArea)(cairo_t*))
{
    cairo_save(cr);
    cairo_rectangle(cr, 0, kScoreBoardHeight, 320, kBottomBarTop - kScoreBoardHeight);
    cairo_clip(cr);
    boardArea(cr);
    cairo_restore(cr);
    drawScoreBoard(cr);
    drawBottomBar(cr);
}

void drawMenuWood(cairo_t* cr)
{
    drawWood(cr, 320, 480, kMenuWood, 5, 96);
}

void drawShade(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 320, 480);
    setRadial(cr, {160, 220, 60, 160, 240, 330}, {{0, Colour{0.05, 0.02, 0, 0.25}}, {0.6, Colour{0.05, 0.02, 0, 0.55}}, {1, Colour{0.03, 0.01, 0, 0.92}}});
    cairo_fill(cr);
}
