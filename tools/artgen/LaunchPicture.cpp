// "Default.png": the picture shown while the game starts, with the game's name.
#include "Effects.h"
#include "LooseFiles.h"
#include "ThemeArt.h"

#include <cmath>
#include <string>

namespace {

void drawSky(cairo_t* cr)
{
    cairo_rectangle(cr, 0, 0, 320, 480);
    setLinear(cr, {0, 0, 0, 330}, {{0, rgb(0x3aa6f0)}, {1, rgb(0xc4ecff)}});
    cairo_fill(cr);
    softSpot(cr, 270, 55, 95, Colour{1, 0.98, 0.8, 0.75});
    fillRadial(cr, 270, 55, 26, rgb(0xfffbe0), rgb(0xffe066));
    Rng rng(9);
    const double clouds[4][3] = {{60, 70, 1.0}, {190, 40, 0.7}, {120, 260, 0.8}, {290, 230, 0.6}};
    for (const auto& c : clouds) {
        for (int i = 0; i < 7; ++i) {
            double x = c[0] + rng.range(-32, 32) * c[2];
            double y = c[1] + rng.range(-6, 8) * c[2];
            circlePath(cr, x, y, rng.range(12, 20) * c[2]);
        }
        setColour(cr, Colour{1, 1, 1, 0.85});
        cairo_fill(cr);
    }
}

void hill(cairo_t* cr, double top, double amplitude, double phase, const Colour& light, const Colour& dark)
{
    cairo_move_to(cr, 0, 480);
    for (int x = 0; x <= 320; x += 4)
        cairo_line_to(cr, x, top + amplitude * std::sin(x * 0.018 + phase) + amplitude * 0.5 * std::sin(x * 0.041));
    cairo_line_to(cr, 320, 480);
    cairo_close_path(cr);
    setLinear(cr, {0, top - amplitude, 0, 480}, {{0, light}, {1, dark}});
    cairo_fill(cr);
}

void drawTitle(cairo_t* cr)
{
    static const char* letters[5] = {"K", "e", "l", "z", "o"};
    static const int colours[5] = {0xff5a3c, 0xffa726, 0xffe033, 0x7cd63a, 0x3d9bff};
    cairo_select_font_face(cr, "Comic Neue", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 92);
    double widths[5], total = 0;
    for (int i = 0; i < 5; ++i) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, letters[i], &e);
        widths[i] = e.x_advance - 3;
        total += widths[i];
    }
    double x = 160 - total / 2;
    for (int pass = 0; pass < 3; ++pass) {
        double lx = x;
        for (int i = 0; i < 5; ++i) {
            cairo_save(cr);
            double lift = (i % 2 ? -7 : 5);
            cairo_translate(cr, lx + widths[i] / 2, 185 + lift);
            cairo_rotate(cr, (i % 2 ? 0.07 : -0.06));
            cairo_text_extents_t e;
            cairo_text_extents(cr, letters[i], &e);
            cairo_move_to(cr, -e.x_advance / 2, 0);
            cairo_text_path(cr, letters[i]);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            if (pass == 0) {
                cairo_translate(cr, 3, 5);
                setColour(cr, Colour{0.1, 0.05, 0.2, 0.35});
                cairo_set_line_width(cr, 14);
                cairo_stroke(cr);
            } else if (pass == 1) {
                setColour(cr, rgb(0x3a1a0a));
                cairo_set_line_width(cr, 11);
                cairo_stroke_preserve(cr);
                setColour(cr, rgb(0xffffff));
                cairo_set_line_width(cr, 5);
                cairo_stroke(cr);
            } else {
                Colour c = rgb(colours[i]);
                setLinear(cr, {0, -70, 0, 5}, {{0, lighter(c, 0.45)}, {0.55, c}, {1, darker(c, 0.2)}});
                cairo_fill(cr);
            }
            cairo_restore(cr);
            lx += widths[i];
        }
    }
}

void drawBigFurball(cairo_t* cr, const ThemeArt& art, double x, double y, double scale, int frame, int colour,
                    double angle)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_save(cr);
    cairo_translate(cr, -22.5, -20.5);
    drawFurballShadow(cr);
    cairo_restore(cr);
    cairo_rotate(cr, angle);
    cairo_translate(cr, -22.5, -22.5);
    art.drawFrame(cr, 45, frame, colour);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -20.5, -20.5);
    drawFurballShading(cr);
    cairo_restore(cr);
}

}  // namespace

bool writeLaunchPicture(const std::string& dir, std::string& error)
{
    Canvas canvas(320, 480);
    cairo_t* cr = canvas.cr;
    drawSky(cr);
    hill(cr, 318, 14, 1.0, rgb(0x9ed85a), rgb(0x5a9e2e));
    hill(cr, 362, 10, 3.2, rgb(0x74c043), rgb(0x2f7a22));
    ThemeArt art = furballArt();
    drawBigFurball(cr, art, 62, 335, 1.7, 36, 0, 0);
    drawBigFurball(cr, art, 160, 312, 2.1, 72, 4, 0);
    drawBigFurball(cr, art, 258, 340, 1.6, 40, 2, 0);
    drawBigFurball(cr, art, 112, 372, 1.15, 10, 3, 0);
    drawBigFurball(cr, art, 212, 374, 1.2, 26, 6, 0);
    drawBigFurball(cr, art, 40, 250, 0.9, 36, 1, 0.5);
    drawBigFurball(cr, art, 286, 262, 0.85, 14, 7, -0.4);
    drawBigFurball(cr, art, 292, 118, 0.75, 40, 5, 0.9);
    drawTitle(cr);
    std::string path = dir + "/Default.png";
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS || !writePng(canvas.surface, path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
