#include "MenuPreview.h"

#include "Compose.h"
#include "graphics/CommonSheetLayout.h"

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
    cairo_surface_destroy(wood);
    return ok;
}
