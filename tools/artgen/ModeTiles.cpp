#include "ModeTiles.h"

#include "Effects.h"
#include "HudPictures.h"
#include "MenuShading.h"
#include "ThemeArt.h"

#include <cmath>

namespace {

// Furball colours by the furball theme's table order.
const int kRed = 0, kYellow = 1, kGreen = 2, kBlue = 4, kOrange = 5, kPurple = 7;

double ease(double t)
{
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return t * t * (3 - 2 * t);
}

// A brass-rimmed walnut plaque of size x size at (1, 1), with a soft shadow under it.
void plaque(cairo_t* cr, double size)
{
    softShadow(cr, 1 + size / 2, 1 + size * 0.97, size * 0.46, 0.18, 0.5);
    Face brass{rgb(0xfbe7a0), rgb(0x9a6a18), rgb(0x3a2208), 0.5, 1.0};
    Outline outline = [size](double x, double y) { return roundedBoxDistance(x, y, 1, 1, size, size, size * 0.18); };
    paintTexture(cr, 0, 0, static_cast<int>(size + 2), static_cast<int>(size + 2), [&](int x, int y) {
        double px = x + 0.5, py = y + 0.5;
        double depth = -outline(px, py);
        Colour rim = bevelFace(brass, depth, facingLight(outline, px, py), py, size);
        double t = std::hypot(px - size * 0.45, py - size * 0.4) / size;
        Colour inside = mix(rgb(0x6a4022), rgb(0x2a160a), ease(t * 1.4));
        Colour c = mix(rim, inside, ease((depth - 3.2) / 1.0));
        // A dark line where the rim meets the panel.
        c = mix(c, rgb(0x140a04), 0.7 * (1 - ease(std::fabs(depth - 3.4) / 0.9)));
        c.a = rim.a;
        return c;
    });
}

void furball(cairo_t* cr, double x, double y, double size, int colour, int frame = 0)
{
    ThemeArt art = furballArt();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / art.frameSize, size / art.frameSize);
    drawFurballShadow(cr);
    art.drawFrame(cr, art.frameSize, frame, colour);
    cairo_restore(cr);
}

void lightningBolt(cairo_t* cr, double x, double y, double s)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, 6, 0);
    cairo_line_to(cr, 0, 11);
    cairo_line_to(cr, 4.5, 11);
    cairo_line_to(cr, 2, 20);
    cairo_line_to(cr, 10, 7.5);
    cairo_line_to(cr, 5.5, 7.5);
    cairo_line_to(cr, 8.5, 0);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, rgb(0x3a2004));
    cairo_set_line_width(cr, 2.2 / s);
    cairo_stroke_preserve(cr);
    setLinear(cr, {0, 0, 0, 20}, {{0, rgb(0xfffbe0)}, {0.5, rgb(0xffd740)}, {1, rgb(0xf08a00)}});
    cairo_fill(cr);
    cairo_restore(cr);
}

void scaled(cairo_t* cr, double x, double y, double s, void (*draw)(cairo_t*))
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    draw(cr);
    cairo_restore(cr);
}

void goldStar(cairo_t* cr, double cx, double cy, double outer, double line)
{
    starPath(cr, cx, cy, outer, outer * 0.45, 5, 0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, rgb(0x5a3404));
    cairo_set_line_width(cr, line);
    cairo_stroke_preserve(cr);
    setRadial(cr, {cx - outer * 0.3, cy - outer * 0.35, 0, cx, cy, outer},
              {{0, rgb(0xfffbe0)}, {0.5, rgb(0xffd23a)}, {1, rgb(0xe08a00)}});
    cairo_fill(cr);
}

}  // namespace

void drawModeTile(cairo_t* cr, ModePicture mode)
{
    plaque(cr, 58);
    switch (mode) {
    case ModePicture::Arcade:
        furball(cr, 5, 5, 40, kRed);
        cairo_save(cr);
        cairo_translate(cr, 31, 31);
        cairo_scale(cr, 0.7, 0.7);
        drawClockFrame(cr, 11);
        cairo_restore(cr);
        break;
    case ModePicture::FreePlay:
        furball(cr, 9, 3, 42, kGreen);
        scaled(cr, 15, 41, 0.75, drawInfinity);
        break;
    case ModePicture::Frenzy:
        furball(cr, 3, 9, 40, kOrange);
        lightningBolt(cr, 36, 8, 1.6);
        break;
    case ModePicture::Challenge:
        cairo_save(cr);
        cairo_translate(cr, 14.5, 4.5);
        drawMedal(cr, 2, 0.86);
        cairo_restore(cr);
        break;
    }
}

void drawDifficultyTile(cairo_t* cr, int difficulty)
{
    plaque(cr, 60);
    if (difficulty == 0) {
        furball(cr, 9, 9, 44, kGreen);
    } else if (difficulty == 1) {
        furball(cr, 3, 14, 36, kYellow);
        furball(cr, 24, 10, 36, kOrange);
    } else {
        furball(cr, 2, 22, 30, kBlue);
        furball(cr, 31, 22, 30, kPurple);
        furball(cr, 16, 4, 32, kRed);
    }
}

void drawNewStar(cairo_t* cr)
{
    goldStar(cr, 13, 13.8, 12, 1.4);
    gloss(cr, 11, 9, 5, 2.5, 0.55);
}

void drawRatingStar(cairo_t* cr)
{
    goldStar(cr, 7, 7.4, 6.4, 0.9);
}

void drawLevelSliderPlate(cairo_t* cr)
{
    // A sunken dark channel with a light lower lip; the level numbers roll along inside it.
    paintStretchable(cr, 248, 78, 400, 200, [](double x, double y, double w, double h) {
        Outline outline = [w, h](double px, double py) { return roundedBoxDistance(px, py, 1, 1, w - 2, h - 3, 14); };
        double d = outline(x, y);
        if (d > 0) {
            double lip = roundedBoxDistance(x, y, 1, 2.5, w - 2, h - 3, 14);
            return Colour{1, 0.95, 0.85, 0.4 * coverage(lip)};
        }
        double depth = -d;
        double light = facingLight(outline, x, y);
        // Shadow inside the upper edge, lighter towards the bottom one.
        double shade = (1 - ease(depth / 7.0)) * (light > 0 ? 0.5 * light : 0);
        Colour c = mix(rgb(0x3a2414), rgb(0x0c0604), shade);
        c = mix(rgb(0x0c0604), c, ease(depth - 0.6));
        c.a = 0.9 * coverage(d);
        return c;
    });
}

void drawLevelSliderShadow(cairo_t* cr)
{
    // Dark towards both ends and along the rim, inside the plate's rounded outline.
    paintTexture(cr, 0, 0, 248, 77, [](int x, int y) {
        double d = roundedBoxDistance(x + 0.5, y + 0.5, 1, 1, 246, 75, 14);
        double fromSide = std::min(x, 247 - x) + 0.5;
        double a = std::max(1 - ease((fromSide - 4) / 56.0), 1 - ease(-d / 6.0));
        return Colour{0, 0, 0, 0.9 * a * coverage(d)};
    });
}
