#include "ThemeMiniatures.h"

#include "Backgrounds.h"
#include "Effects.h"
#include "ThemeArt.h"

#include <vector>

namespace {

struct Ball {
    int column;
    int row;
    int colour;
};

// A position a few moves from the end, the same shape on every preview.
const std::vector<Ball> kPreviewBalls = {
    {1, 1, 0}, {4, 1, 1}, {2, 2, 2}, {2, 3, 4}, {5, 3, 3}, {0, 4, 5}, {3, 4, 6}, {3, 5, 7}, {6, 5, 1}, {1, 6, 2},
};

const std::vector<Ball> kScreenshotBalls[3] = {
    {{0, 0, 0}, {3, 0, 1}, {6, 1, 2}, {1, 2, 3}, {4, 2, 4}, {2, 3, 5}, {5, 4, 6}, {0, 5, 7}, {3, 6, 0}, {6, 7, 1}},
    {{2, 1, 4}, {2, 2, 4}, {2, 3, 1}, {4, 3, 0}, {5, 3, 2}, {1, 5, 5}, {4, 6, 6}},
    {{3, 3, 5}, {3, 4, 2}, {0, 4, 7}},
};

// The play screen of a theme at full size: background, then the balls with their shadows.
void drawScene(cairo_t* cr, int theme, const std::vector<Ball>& balls)
{
    ThemeArt art = themeArt(theme);
    drawThemeBackground(cr, art.drawBoardArea);
    for (const Ball& b : balls) {
        cairo_save(cr);
        cairo_translate(cr, kBoardLeft + kCell * b.column, kBoardTop + kCell * b.row);
        if (art.drawShadow)
            art.drawShadow(cr);
        else
            drawFurballShadow(cr);
        cairo_scale(cr, static_cast<double>(kCell) / art.frameSize, static_cast<double>(kCell) / art.frameSize);
        art.drawFrame(cr, art.frameSize, 0, b.colour);
        cairo_restore(cr);
    }
}

// Draws the scene once at full size and shrinks it, so the miniature is filtered like a photo.
void drawSceneScaled(cairo_t* cr, int theme, const std::vector<Ball>& balls, double scale, double x, double y)
{
    Canvas full(320, 480);
    drawScene(full.cr, theme, balls);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, full.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

// A dark edge and a thin brass line inside it, around a rounded picture.
void frameEdge(cairo_t* cr, double w, double h, double radius)
{
    roundedRectPath(cr, 0.75, 0.75, w - 1.5, h - 1.5, radius);
    setColour(cr, rgb(0x1a0e06, 0.9));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    roundedRectPath(cr, 2, 2, w - 4, h - 4, radius - 1.2);
    setColour(cr, rgb(0xe8c878, 0.6));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

}  // namespace

void drawThemePreview(cairo_t* cr, int theme)
{
    const double w = kThemePreviewWidth, h = kThemePreviewHeight;
    cairo_save(cr);
    roundedRectPath(cr, 0, 0, w, h, 8);
    cairo_clip(cr);
    drawSceneScaled(cr, theme, kPreviewBalls, w / 320, 0, 0);
    // The band the theme's name is lettered into. The lettering about doubles the band's brightness, so a
    // mid-tone band gives light letters that stand out; a dark one would leave them dark and unreadable.
    cairo_rectangle(cr, 0, 154, w, 21);
    setColour(cr, rgb(0x6a5a4a, 0.88));
    cairo_fill(cr);
    for (double y : {153.5, 175.5}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y);
    }
    setColour(cr, rgb(0xf6e2b8, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
    frameEdge(cr, w, h, 8);
}

void drawGrassTile(cairo_t* cr)
{
    const double w = 176, h = 217;
    cairo_save(cr);
    roundedRectPath(cr, 0, 0, w, h, 10);
    cairo_clip(cr);
    // The board at half size, its top-left cell at (9, 12).
    Canvas grass(320, 480);
    themeArt(0).drawBoardArea(grass.cr);
    cairo_translate(cr, 9 - kBoardLeft * 0.5, 12 - kBoardTop * 0.5);
    cairo_scale(cr, 0.5, 0.5);
    cairo_set_source_surface(cr, grass.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    // A little shade towards the edges, so the card reads as a tile.
    cairo_save(cr);
    roundedRectPath(cr, 0, 0, w, h, 10);
    setRadial(cr, {w / 2, h / 2, 40, w / 2, h / 2, 150}, {{0, Colour{0, 0, 0, 0}}, {1, Colour{0, 0, 0, 0.35}}});
    cairo_fill(cr);
    cairo_restore(cr);
    frameEdge(cr, w, h, 10);
}

void drawMarbixScreenshot(cairo_t* cr, int n)
{
    drawSceneScaled(cr, 5, kScreenshotBalls[(n - 1) % 3], kScreenshotWidth / 320.0, 0, 0);
    cairo_rectangle(cr, 0.5, 0.5, kScreenshotWidth - 1, kScreenshotHeight - 1);
    setColour(cr, rgb(0x000000, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void drawMarbixIcon(cairo_t* cr)
{
    const double s = 57;
    Canvas icon(57, 57);
    cairo_t* ic = icon.cr;
    roundedRectPath(ic, 0, 0, s, s, 10);
    cairo_clip(ic);
    ThemeArt art = themeArt(5);
    // A corner of the marble board's velvet behind the marbles.
    cairo_save(ic);
    cairo_translate(ic, -120, -160);
    art.drawBoardArea(ic);
    cairo_restore(ic);
    const struct {
        double x, y, size;
        int colour;
    } marbles[3] = {{4, 24, 30, 1}, {24, 22, 32, 0}, {14, 4, 28, 5}};
    for (const auto& m : marbles) {
        cairo_save(ic);
        cairo_translate(ic, m.x, m.y);
        cairo_scale(ic, m.size / art.frameSize, m.size / art.frameSize);
        art.drawShadow(ic);
        art.drawFrame(ic, art.frameSize, 0, m.colour);
        cairo_restore(ic);
    }
    gloss(ic, 28.5, 6, 26, 9, 0.35);
    cairo_reset_clip(ic);
    roundedRectPath(ic, 0.5, 0.5, s - 1, s - 1, 10);
    setColour(ic, rgb(0x000000, 0.55));
    cairo_set_line_width(ic, 1);
    cairo_stroke(ic);

    cairo_set_source_surface(cr, icon.surface, 0, 0);
    cairo_paint(cr);
    // The reflection below, fading out.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 58, 57, 28);
    cairo_clip(cr);
    cairo_translate(cr, 0, 58 + 57);
    cairo_scale(cr, 1, -1);
    cairo_set_source_surface(cr, icon.surface, 0, 0);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 57, 0, 29);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
}

void drawMarbixTitle(cairo_t* cr)
{
    static const int glass[6] = {0xe8302a, 0x2f6ee8, 0x33b54a, 0xff8c1a, 0x22c8e0, 0x9a4ee0};
    const char* letters = "MARBIX";
    cairo_select_font_face(cr, "Roboto Slab", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    // The page lays the next row 70 pixels down: the letters keep to the top of the picture.
    cairo_set_font_size(cr, 54);
    const double spacing = 1.5;
    cairo_text_extents_t all;
    cairo_text_extents(cr, letters, &all);
    double x = (243 - all.x_advance - 5 * spacing) / 2, baseline = 64;
    for (int i = 0; letters[i]; ++i) {
        char one[2] = {letters[i], 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, one, &e);
        // Shadow, outline, then the letter as coloured glass with a shine across its top.
        cairo_move_to(cr, x + 2, baseline + 3);
        cairo_text_path(cr, one);
        setColour(cr, rgb(0x000000, 0.45));
        cairo_fill(cr);
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, one);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, rgb(0x1e1030));
        cairo_set_line_width(cr, 5);
        cairo_stroke_preserve(cr);
        Colour c = rgb(glass[i]);
        setLinear(cr, {0, baseline - 44, 0, baseline}, {{0, lighter(c, 0.55)}, {0.45, c}, {1, darker(c, 0.45)}});
        cairo_fill(cr);
        cairo_save(cr);
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, one);
        cairo_clip(cr);
        cairo_rectangle(cr, x, baseline - 46, e.x_advance, 16);
        setColour(cr, rgb(0xffffff, 0.3));
        cairo_fill(cr);
        cairo_restore(cr);
        x += e.x_advance + spacing;
    }
}
