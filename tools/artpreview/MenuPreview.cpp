#include "MenuPreview.h"

#include "Compose.h"
#include "graphics/CommonSheetLayout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

const char* kFont = "DejaVu Serif";

// What every mock screen draws with: the data folder, the common sheet and the unshaded wood.
struct Kit {
    std::string dir;
    const PreviewSheet& common;
    cairo_surface_t* wood;

    cairo_surface_t* picture(const std::string& name) const { return loadPicture(dir, name); }
};

// A picture file laid over the wood at (x, y), widened by dx and heightened by dy first.
void overlayPicture(const Kit& kit, cairo_t* cr, const std::string& name, int dy, int dx, int x, int y)
{
    cairo_surface_t* p = kit.picture(name);
    cairo_surface_t* s = stretchPicture(p, dy, dx);
    composeOverlay(cairo_get_target(cr), s, x, y);
    cairo_surface_destroy(s);
    cairo_surface_destroy(p);
}

// A picture file painted as it is (premultiplied over), optionally stretched first.
void paintFile(const Kit& kit, cairo_t* cr, const std::string& name, double x, double y, int dy = 0, int dx = 0,
               double alpha = 1.0)
{
    cairo_surface_t* p = kit.picture(name);
    cairo_surface_t* s = stretchPicture(p, dy, dx);
    paintPicture(cr, s, x, y, alpha);
    cairo_surface_destroy(s);
    cairo_surface_destroy(p);
}

double textWidth(cairo_t* cr, const char* text, double size)
{
    cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    return e.x_advance;
}

// Light text with a soft dark shadow one pixel lower, as on buttons.
void shadowedText(cairo_t* cr, const char* text, double cx, double baseline, double size, double r = 1,
                  double g = 1, double b = 1)
{
    double x = cx - textWidth(cr, text, size) / 2;
    for (int dx = -1; dx <= 1; ++dx) {
        cairo_move_to(cr, x + dx, baseline + 1.5);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_show_text(cr, text);
    }
    cairo_move_to(cr, x, baseline);
    cairo_set_source_rgb(cr, r, g, b);
    cairo_show_text(cr, text);
}

// Black text with a light copy one pixel lower, as cut into the wood.
void engravedText(cairo_t* cr, const char* text, double cx, double baseline, double size)
{
    double x = cx - textWidth(cr, text, size) / 2;
    cairo_move_to(cr, x, baseline + 1);
    cairo_set_source_rgba(cr, 0.94, 0.94, 0.94, 0.8);
    cairo_show_text(cr, text);
    cairo_move_to(cr, x, baseline);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_show_text(cr, text);
}

// A caption button: the picture widened to `width`, overlaid into the wood, the caption on it.
void captionButton(const Kit& kit, cairo_t* cr, const char* name, int pictureWidth, int height, int width, int x,
                   int y, const char* caption, double size)
{
    overlayPicture(kit, cr, name, 0, width - pictureWidth, x, y);
    shadowedText(cr, caption, x + width / 2.0, y + height / 2.0 + size * 0.36, size);
}

void menuWood(const Kit& kit, cairo_t* cr, double dim)
{
    paintPicture(cr, kit.wood, 0, 0);
    cairo_rectangle(cr, 0, 0, 320, 480);
    cairo_set_source_rgba(cr, 0, 0, 0, dim);
    cairo_fill(cr);
}

void woodPanel(const Kit& kit, cairo_t* cr, int x, int y, int panelWidth, int panelHeight)
{
    cairo_surface_t* mask = kit.picture("Wood_Mask_50x50.png");
    cairo_surface_t* light = kit.picture("Wood_Highlight_50x50.png");
    cairo_surface_t* shadow = kit.picture("MenuShadow_100x100.png");
    composeWoodPanel(cairo_get_target(cr), {kit.wood, mask, light, shadow}, x, y, panelWidth, panelHeight);
    cairo_surface_destroy(mask);
    cairo_surface_destroy(light);
    cairo_surface_destroy(shadow);
}

// A dialog: a wood panel with a title, the divider, a message and buttons of the three widths.
void dialogScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.45);
    woodPanel(kit, cr, 0, 60, 280, 330);
    engravedText(cr, "Puzzle solved!", 160, 92, 19);
    overlayPicture(kit, cr, "Divider_245x3.png", 0, 0, 38, 104);
    engravedText(cr, "Nine moves, no hints.", 160, 140, 15);
    engravedText(cr, "Try the next level?", 160, 160, 15);
    captionButton(kit, cr, "Button_shrunk_25x41.png", 25, 41, 125, 24, 190, "Later", 15);
    captionButton(kit, cr, "Button_shrunk_25x41.png", 25, 41, 125, 171, 190, "Next", 15);
    captionButton(kit, cr, "Button_shrunk_25x41.png", 25, 41, 172, 74, 240, "Main menu", 15);
    captionButton(kit, cr, "Button_Large_shrunk_30x45.png", 30, 45, 281, 20, 296, "Play again", 18);
}

// The settings rows: back button, the large and small buttons, field, switch, slider, segments.
void controlsScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    overlayPicture(kit, cr, "Back_30x30.png", 0, 50, 8, 8);
    shadowedText(cr, "Back", 8 + 44, 8 + 20, 15);
    captionButton(kit, cr, "Button_Large_shrunk_30x45.png", 30, 45, 281, 20, 48, "Play", 18);
    captionButton(kit, cr, "Button_Large_shrunk_30x45.png", 30, 45, 241, 40, 98, "High scores", 15);
    captionButton(kit, cr, "Button_SmallRounded_shrunk_20x30.png", 20, 30, 237, 42, 148, "How to play", 15);
    captionButton(kit, cr, "Button_SmallRounded_shrunk_20x30.png", 20, 30, 125, 20, 186, "Contact", 11);
    captionButton(kit, cr, "SmallRounded_30x30.png", 30, 30, 125, 175, 186, "English", 15);

    // A text entry row: label on the left, the text inset darkened.
    overlayPicture(kit, cr, "FieldBackground_281x47.png", 0, 0, 20, 226);
    cairo_rectangle(cr, 20 + 94, 226 + 11, 281 - 94 - 6, 26);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    shadowedText(cr, "Name", 20 + 12 + 26, 226 + 6 + 16, 15);
    shadowedText(cr, "Player one", 20 + 94 + 60, 226 + 30, 15);

    // The switch on and off, with their row labels.
    cairo_surface_t* strip = kit.picture("OnOffSlider_145x25.png");
    cairo_surface_t* mask = kit.picture("OnOffMask_92x25.png");
    for (int i = 0; i < 2; ++i) {
        int y = 290 + i * 36;
        engravedText(cr, i == 0 ? "Sound" : "Music", 80, y + 18, 16);
        cairo_surface_t* sw = composeSwitch(strip, mask, i == 0 ? 0 : 53);
        paintPicture(cr, sw, 190, y);
        paintFile(kit, cr, "OnOffHighlightShadow_92x27.png", 190, y - 1);
        cairo_surface_destroy(sw);
    }
    cairo_surface_destroy(strip);
    cairo_surface_destroy(mask);

    // A slider at 60 %: the filled track left of the knob, the empty one right of it.
    int x = 20, y = 372, length = 250;
    double v = 0.6;
    cairo_surface_t* screen = cairo_get_target(cr);
    int ty = y + (28 - 9) / 2;
    int split = static_cast<int>(length * v);
    const char* tracks[2] = {"Left_140x9.png", "Right_140x9.png"};
    for (int side = 0; side < 2; ++side) {
        cairo_surface_t* track = kit.picture(tracks[side]);
        cairo_surface_t* wide = stretchPicture(track, 0, length - 140);
        // Only the part on its own side of the knob shows.
        cairo_surface_t* part = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side == 0 ? split : length - split, 9);
        cairo_t* pcr = cairo_create(part);
        cairo_set_source_surface(pcr, wide, side == 0 ? 0 : -split, 0);
        cairo_paint(pcr);
        cairo_destroy(pcr);
        composeOverlay(screen, part, side == 0 ? x + 4 : x + 13 + split, ty);
        cairo_surface_destroy(part);
        cairo_surface_destroy(wide);
        cairo_surface_destroy(track);
    }
    paintFile(kit, cr, "Button_28x28.png", x + length * v, y);

    // The segmented control, middle segment pressed, and the green button.
    const char* captions[3] = {"Today", "This week", "Ever"};
    int sx = 30;
    for (int i = 0; i < 3; ++i) {
        int w = static_cast<int>(textWidth(cr, captions[i], 13));
        int segment = w > 54 ? w + 15 : 69;
        std::string name = i == 0 ? "Left_69x30" : (i == 2 ? "Right_69x30" : "Middle_69x30");
        name += i == 1 ? "_down.png" : ".png";
        paintFile(kit, cr, name, sx, 410, 0, segment - 69);
        shadowedText(cr, captions[i], sx + segment / 2.0, 410 + 19.5, 13);
        sx += segment;
    }
    paintFile(kit, cr, "GreenButton_25x25.png", 72, 450, 0, 150);
    shadowedText(cr, "Get it now", 72 + 87.5, 450 + 17.5, 14);
}

// A speech bubble with its tail and a tip panel with its icon.
void bubbleScreen(const Kit& kit, cairo_t* cr, const PreviewSheet& common)
{
    menuWood(kit, cr, 0.0);
    // Bubble 200 x 80 pointing up at a spot above it.
    int bx = 60, by = 60;
    paintFile(kit, cr, "InstructionBubble_50x50_inverted.png", bx, by, 30, 150);
    common.draw(cr, kCommonBubbleTail, bx + 30, by - 24, 1.0, 1.0, 2);
    shadowedText(cr, "Swipe a furball", bx + 100, by + 32, 15, 1, 0.97, 0.88);
    shadowedText(cr, "toward another.", bx + 100, by + 52, 15, 1, 0.97, 0.88);

    // Tip panel 280 x 180 with its icon and text.
    int tx = 20, ty = 170;
    paintFile(kit, cr, "Border_273x132.png", tx, ty, 180 - 132, 280 - 273);
    paintFile(kit, cr, "TipIcon_23x22.png", tx + 16, ty + 16);
    const char* lines[4] = {"Tip: a furball that", "leaves the board is", "gone for good. Plan", "the last two moves."};
    for (int i = 0; i < 4; ++i)
        shadowedText(cr, lines[i], tx + 150, ty + 34 + i * 24, 15, 1, 0.97, 0.88);
    overlayPicture(kit, cr, "Divider_245x3.png", 0, 0, 38, 380);
    engravedText(cr, "Divider on the wood", 160, 410, 15);

    // The blank strip with another language's words lettered in, on and off.
    cairo_surface_t* strip = kit.picture("BlankSwitch.png");
    cairo_t* scr = cairo_create(strip);
    shadowedText(scr, "AN", 26.5, 18, 14);
    shadowedText(scr, "AUS", 92 + 26.5, 18, 14, 0, 0, 0);
    cairo_destroy(scr);
    cairo_surface_t* mask = kit.picture("OnOffMask_92x25.png");
    for (int i = 0; i < 2; ++i) {
        cairo_surface_t* sw = composeSwitch(strip, mask, i * 53);
        paintPicture(cr, sw, 40 + i * 140, 436);
        paintFile(kit, cr, "OnOffHighlightShadow_92x27.png", 40 + i * 140, 435);
        cairo_surface_destroy(sw);
    }
    cairo_surface_destroy(strip);
    cairo_surface_destroy(mask);
}

// The game-mode menu: four mode tiles (one selected, one new), the difficulties and the level
// slider's plate with the near levels showing through its shadow.
void modeScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    const char* modes[4][2] = {{"Arcade", "Arcade_60x65.png"}, {"Free Play", "Free_60x65.png"},
                               {"Challenge", "Challenge.png"}, {"Frenzy", "BtC_60x65.png"}};
    const int centres[4] = {43, 118, 194, 270};
    for (int i = 0; i < 4; ++i) {
        int x = centres[i] - 43, y = 40;
        shadowedText(cr, modes[i][0], centres[i], y + 20, 13);
        paintFile(kit, cr, modes[i][1], centres[i] - 30, y + 38);
        if (i == 0)
            kit.common.draw(cr, kCommonHighlight, x - 21 + 21, y - 18 + 10, 0.66, 0.5, 0, true);
    }
    // The "new" star over the Frenzy tile, its glow a blurred copy of its alpha.
    paintFile(kit, cr, "NewStar_26x26.png", 285, 70);

    const char* levels[3][2] = {{"Easy", "Easy_64x64.png"}, {"Medium", "Medium_64x64.png"}, {"Hard", "Hard_64x64.png"}};
    const int levelCentres[3] = {75, 160, 245};
    for (int i = 0; i < 3; ++i) {
        shadowedText(cr, levels[i][0], levelCentres[i], 190, 13);
        paintFile(kit, cr, levels[i][1], levelCentres[i] - 32, 200);
        if (i == 1)
            kit.common.draw(cr, kCommonHighlight, levelCentres[i] - 43, 182, 0.66, 0.5, 0, true);
    }

    // The level slider: plate 300 x 106, level numbers, a padlock, then the shadow over them.
    cairo_surface_t* plate = kit.picture("BtCSliderBackground_248x78.png");
    cairo_surface_t* wide = centreResizePicture(plate, 28, 52);
    paintPicture(cr, wide, 10, 300);
    const int shown[5] = {7, 8, 9, 10, 11};
    for (int i = 0; i < 5; ++i) {
        double cx = 160 + (i - 2) * 62;
        double s = i == 2 ? 1.0 : 0.72;
        double top = 300 + 53 - 25 * s;
        int level = shown[i];
        if (level >= 11) {
            kit.common.draw(cr, kCommonPadlock, cx - 22 * s, top, s);
            continue;
        }
        if (level < 10) {
            kit.common.draw(cr, kCommonDigits + level, cx - 22 * s, top, s);
        } else {
            kit.common.draw(cr, kCommonDigits + 1, cx - 12 * s - 22 * s, top, s);
            kit.common.draw(cr, kCommonDigits + 0, cx + 12 * s - 22 * s, top, s);
        }
        if (i == 1)
            kit.common.draw(cr, kCommonMedalSmall + 2, cx + 5 * s + 6, top + 30, s);
    }
    cairo_surface_t* shadow = kit.picture("BtC_Slider_Shadow_248x77.png");
    cairo_surface_t* wideShadow = centreResizePicture(shadow, 28, 52);
    // Only the alpha counts: the game blackens the colours.
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, wideShadow, 10, 300);
    cairo_restore(cr);
    for (cairo_surface_t* s : {plate, wide, shadow, wideShadow})
        cairo_surface_destroy(s);
    engravedText(cr, "Level 9", 160, 440, 17);
}

void backButton(const Kit& kit, cairo_t* cr, int x, int y)
{
    overlayPicture(kit, cr, "Back_30x30.png", 0, 50, x, y);
    shadowedText(cr, "Back", x + 44, y + 20, 15);
}

// The online high scores: difficulty row, the list window with its top shadow, the period bar.
void highScoreScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    backButton(kit, cr, 8, 8);
    const char* names[3][2] = {{"Easy", "Easy_small.png"}, {"Medium", "Medium_small.png"}, {"Hard", "Hard_small.png"}};
    const int centres[3] = {102, 160, 218};
    for (int i = 0; i < 3; ++i) {
        shadowedText(cr, names[i][0], centres[i], 56, 10);
        paintFile(kit, cr, names[i][1], centres[i] - 22, 62);
        if (i == 2)
            kit.common.draw(cr, kCommonHighlight, centres[i] - 29 - 12, 45, 0.6, 0.5, 0, true);
    }
    int fx = 17, fy = 116;
    cairo_surface_t* overlay = kit.picture("Overlay_shrunk.png");
    cairo_surface_t* frame = stretchPicture(overlay, 203, 257);
    paintPicture(cr, frame, fx, fy);
    paintFile(kit, cr, "HighScoreShadow_shrunk.png", fx + 1, fy, -77, 127);
    const char* rows[7] = {"1. Mia  41 250", "2. Tobi  38 900", "3. Ana  35 120", "4. Luca  30 005",
                           "5. Noor  28 440", "6. Sam  21 300", "7. Jo  19 870"};
    for (int i = 0; i < 7; ++i)
        shadowedText(cr, rows[i], 160, fy + 32 + i * 22, 14, 1, 0.97, 0.88);
    int fh = cairo_image_surface_get_height(frame);
    cairo_surface_t* bar = kit.picture("PeriodBackground_284x46.png");
    int bh = cairo_image_surface_get_height(bar);
    int top = fy + fh - bh;
    cairo_save(cr);
    cairo_translate(cr, fx + 1, top);
    cairo_scale(cr, (284.0 - 3) / 284, 1);
    paintPicture(cr, bar, 0, 0);
    cairo_restore(cr);
    shadowedText(cr, "This week", 160, top + 26, 15);
    for (int i = 0; i < 3; ++i)
        paintFile(kit, cr, "PageDot_4x4.png", 148 + i * 10, top + 36, 0, 0, i == 1 ? 1.0 : 0.67);
    // The arrows turned to point left and right beside the period name.
    cairo_surface_t* arrow = kit.picture("Arrow_10x5.png");
    const int side[2] = {37, 283};
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, side[i], top + 5 + bh / 2);
        cairo_rotate(cr, (i == 0 ? 1 : -1) * M_PI / 2);
        cairo_scale(cr, 1.5, 1.5);
        paintPicture(cr, arrow, -5, -2.5);
        cairo_restore(cr);
    }
    for (cairo_surface_t* s : {overlay, frame, bar, arrow})
        cairo_surface_destroy(s);

    const char* captions[2] = {"Local", "Online"};
    int sx = 160 - 69;
    for (int i = 0; i < 2; ++i) {
        std::string name = i == 0 ? "Left_69x30.png" : "Right_69x30_down.png";
        paintFile(kit, cr, name, sx, 420);
        shadowedText(cr, captions[i], sx + 34.5, 420 + 19.5, 13);
        sx += 69;
    }
}

// The history strip: a grass card in the window, the glass over it, the page control below.
void historyScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    backButton(kit, cr, 8, 8);
    engravedText(cr, "Past puzzles", 160, 70, 18);
    int wx = 16, wy = 96;
    cairo_surface_t* overlay = kit.picture("Overlay_shrunk.png");
    cairo_surface_t* window = stretchPicture(overlay, 260, 260);
    paintPicture(cr, window, wx, wy);
    int ww = cairo_image_surface_get_width(window), wh = cairo_image_surface_get_height(window);
    cairo_save(cr);
    cairo_rectangle(cr, wx, 0, ww, 480);
    cairo_clip(cr);
    // The middle card and the edges of its neighbours, 200 px apart.
    for (int i = -1; i <= 1; ++i) {
        int cx = 160 - 88 + i * 200;
        paintFile(kit, cr, "GrassTile_176x217.png", cx, wy + 20);
        shadowedText(cr, "Level 12  #3021", cx + 88, wy + 258 - 12, 13);
    }
    cairo_restore(cr);
    // A few furballs on the middle card, as the board draws them at half size.
    PreviewSheet theme;
    std::string error;
    if (theme.load(kit.dir, "theme0", {{1024, 1024}, {512, 512}, {512, 256}}, error)) {
        const int cells[5][3] = {{1, 1, 0}, {3, 2, 2}, {3, 4, 4}, {5, 4, 5}, {2, 6, 6}};
        for (const auto& c : cells) {
            double x = 160 - 88 + 9 + c[0] * 22.5, y = wy + 20 + 12 + c[1] * 22.5;
            kit.common.draw(cr, kCommonFurballShadow, x, y, 0.5);
            theme.draw(cr, 1 + c[2], x, y, 0.5);
        }
    }
    paintFile(kit, cr, "ShadowHighlight_shrunk.png", wx, wy, 130, 130);
    (void)wh;
    cairo_surface_destroy(overlay);
    cairo_surface_destroy(window);
    const char* captions[3] = {"All", "Solved", "Given up"};
    int sx = 160 - 3 * 69 / 2;
    for (int i = 0; i < 3; ++i) {
        std::string name = i == 0 ? "Left_69x30_down.png" : (i == 2 ? "Right_69x30.png" : "Middle_69x30.png");
        paintFile(kit, cr, name, sx, 420);
        shadowedText(cr, captions[i], sx + 34.5, 420 + 19.5, 13);
        sx += 69;
    }
}

const char* const kThemeFiles[6] = {"Default_136x195.png", "Soccer_136x195.png", "Fruit_136x195.png",
                                     "Panda_136x195.png",   "Turtle_136x195.png", "Marble_136x195.png"};
const char* const kThemeNames[6] = {"Furballs", "Soccer", "Fruit", "Pandas", "Turtles", "Marbles"};

// A theme preview with its name lettered into the dark band.
void themePanel(const Kit& kit, cairo_t* cr, int theme, double x, double y, double scale, bool selected)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    paintFile(kit, cr, kThemeFiles[theme], 0, 0);
    shadowedText(cr, kThemeNames[theme], 68, 169, 15, 1, 0.96, 0.85);
    cairo_restore(cr);
    if (selected)
        kit.common.draw(cr, kCommonHighlight, x - 6, y - 10, scale * 1.1, 0.5, 0, true);
}

void themeScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    backButton(kit, cr, 8, 8);
    engravedText(cr, "Themes", 200, 30, 18);
    for (int i = 0; i < 4; ++i)
        themePanel(kit, cr, i, 22 + (i % 2) * 142, 50 + (i / 2) * 210, 0.98, i == 0);
}

// The last two themes, then the language carousel on the slider plate.
void languageScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    for (int i = 4; i < 6; ++i)
        themePanel(kit, cr, i, 22 + (i % 2) * 142, 8, 0.98, false);
    engravedText(cr, "Language", 160, 236, 18);
    int top = 250;
    cairo_surface_t* plate = kit.picture("BtCSliderBackground_248x78.png");
    cairo_surface_t* wide = centreResizePicture(plate, 28, 52);
    paintPicture(cr, wide, 10, top);
    const char* flags[5] = {"gb.png", "de.png", "es.png", "fr.png", "it.png"};
    const char* names[5] = {"English", "Deutsch", "Espanol", "Francais", "Italiano"};
    double position = 2.0;  // Spanish in the middle
    for (int i = 0; i < 5; ++i) {
        double d = i - position;
        double a = std::fabs(d);
        double s = a <= 1.13 ? 1 - 0.17 * a / 1.13 : std::max(0.415, 0.83 - 0.085 * (a - 1.13));
        double cx = d * 78 + 160;
        double f = 0.88 * s;
        cairo_save(cr);
        cairo_translate(cr, cx - 33 * f, top + 45 - 22 * f);
        cairo_scale(cr, f, f);
        paintFile(kit, cr, flags[i], 0, 0);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, top + 46 + 25 * f);
        cairo_scale(cr, s, s);
        shadowedText(cr, names[i], 0, 12, 14);
        cairo_restore(cr);
    }
    cairo_surface_t* shadow = kit.picture("BtC_Slider_Shadow_248x77.png");
    cairo_surface_t* wideShadow = centreResizePicture(shadow, 28, 52);
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_mask_surface(cr, wideShadow, 10, top);
    cairo_restore(cr);
    for (cairo_surface_t* p : {plate, wide, shadow, wideShadow})
        cairo_surface_destroy(p);
    captionButton(kit, cr, "Button_Large_shrunk_30x45.png", 30, 45, 281, 20, 380, "Choose", 18);
}

// The page about Marbix, our other game, laid out as the cross-promotion page does.
void promotionScreen(const Kit& kit, cairo_t* cr)
{
    menuWood(kit, cr, 0.0);
    backButton(kit, cr, 8, 6);
    paintFile(kit, cr, "MarbixTitle_243x110.png", 160 - 121, 40);
    paintFile(kit, cr, "MarbixIcon_57x86.png", 22, 118);
    const char* blurb[4] = {"Glass marbles, one", "velvet board: knock", "them off until one is", "left. From the makers."};
    for (int i = 0; i < 4; ++i)
        engravedText(cr, blurb[i], 231, 128 + i * 15, 11);
    for (int i = 0; i < 3; ++i)
        paintFile(kit, cr, std::string("MarbixSS") + std::to_string(i + 1) + ".PNG", 38 + i * 86, 212);
    engravedText(cr, "\"Every marble has its moment.\"", 160, 330, 11);
    const double starsY[2] = {340, 378};
    for (int row = 0; row < 2; ++row) {
        engravedText(cr, row == 0 ? "Our testers -" : "Our parents -", 112, starsY[row] + 11, 9);
        for (int i = 0; i < 5; ++i)
            paintFile(kit, cr, "Star_14x14.png", 150 + i * 14, starsY[row]);
    }
    engravedText(cr, "\"Beautiful, and hard to put down.\"", 160, 370, 11);
    paintFile(kit, cr, "GreenButton_25x25.png", 72, 420, 0, 150);
    shadowedText(cr, "Find out more", 72 + 87.5, 420 + 17, 13);
}

// Lays screens side by side into one picture file.
bool writeScreens(const std::string& path, const std::vector<std::function<void(cairo_t*)>>& screens)
{
    int n = static_cast<int>(screens.size());
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 320 * n + 8 * (n - 1), 480);
    cairo_t* scr = cairo_create(sheet);
    cairo_set_source_rgb(scr, 0.15, 0.15, 0.17);
    cairo_paint(scr);
    for (int i = 0; i < n; ++i) {
        cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 320, 480);
        cairo_t* cr = cairo_create(screen);
        screens[i](cr);
        cairo_destroy(cr);
        cairo_set_source_surface(scr, screen, i * 328, 0);
        cairo_paint(scr);
        cairo_surface_destroy(screen);
    }
    cairo_destroy(scr);
    bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(sheet);
    return ok;
}

}  // namespace

bool writeMenuPreviews(const std::string& dataDir, const std::string& outDir, const PreviewSheet& common)
{
    cairo_surface_t* wood = common.copyRegion(kCommonWood);
    Kit kit{dataDir, common, wood};
    bool ok = writeScreens(outDir + "/menu_toolkit.png", {
                                                             [&](cairo_t* cr) { dialogScreen(kit, cr); },
                                                             [&](cairo_t* cr) { controlsScreen(kit, cr); },
                                                             [&](cairo_t* cr) { bubbleScreen(kit, cr, common); },
                                                         });
    ok = ok && writeScreens(outDir + "/menu_screens.png", {
                                                             [&](cairo_t* cr) { modeScreen(kit, cr); },
                                                             [&](cairo_t* cr) { highScoreScreen(kit, cr); },
                                                             [&](cairo_t* cr) { historyScreen(kit, cr); },
                                                         });
    ok = ok && writeScreens(outDir + "/menu_themes.png", {
                                                            [&](cairo_t* cr) { themeScreen(kit, cr); },
                                                            [&](cairo_t* cr) { languageScreen(kit, cr); },
                                                            [&](cairo_t* cr) { promotionScreen(kit, cr); },
                                                        });
    cairo_surface_destroy(wood);
    return ok;
}
