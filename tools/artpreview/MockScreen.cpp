#include "MockScreen.h"

#include "Compose.h"

#include "graphics/CommonSheetLayout.h"

#include <cmath>
#include <string>

namespace {

const int kExtraFrames[6] = {1, 0, 0, 10, 10, 0};
const bool kHalfRate[6] = {false, false, false, true, true, true};
const int kThemeRegionsBeforeFrames[6] = {1, 1, 1, 1, 1, 3};

void composeFile(cairo_surface_t* screen, const char* dir, const char* name, int x, int y)
{
    std::string path = std::string(dir) + "/" + name;
    cairo_surface_t* piece = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(piece) == CAIRO_STATUS_SUCCESS)
        composeOverlay(screen, piece, x, y);
    cairo_surface_destroy(piece);
}

void composeLabel(cairo_surface_t* screen, const char* text, int x, int y, int width)
{
    cairo_surface_t* piece = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, 18);
    cairo_t* cr = cairo_create(piece);
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 13);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    cairo_move_to(cr, (width - e.x_advance) / 2, 14);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, text);
    cairo_destroy(cr);
    composeOverlay(screen, piece, x, y);
    cairo_surface_destroy(piece);
}

void drawDigits(cairo_t* cr, const PreviewSheet& common, int value, int divisor, double x, double y)
{
    for (int d = divisor / 10; d >= 1; d /= 10) {
        common.draw(cr, kCommonDigits + (value / d) % 10, x, y, 0.38636363);
        x += 12;
    }
}

struct Ball {
    int x, y, colour, face, frame;
    bool alternate;
};

void drawFurball(cairo_t* cr, int theme, const PreviewSheet& sheet, const PreviewSheet& common, const Ball& b,
                 int special)
{
    double x = 3 + 45 * b.x, y = 73 + 45 * b.y;
    int frameHeight = sheet.region(kThemeRegionsBeforeFrames[theme]).height;
    double a = std::trunc((43 - 45) / 2.0);
    double bb = std::trunc((43 - frameHeight) / 2.0);
    double shadowSize = theme == 2 ? 1.25 : theme == 4 ? 1.18 : theme == 0 ? 1.12 : 1.3;
    double shadowAlpha = theme == 2 ? 0.8 : theme == 4 ? 0.7 : theme == 0 ? 0.65 : 0.8;
    if (theme == 5) {
        sheet.draw(cr, 1, x + a, y + a, 1.0, shadowAlpha);
    } else {
        common.draw(cr, kCommonFurballShadow, x + a, y + a, 1.0, shadowAlpha);
        double c = (43 - 45 * shadowSize) / 2;
        common.draw(cr, kCommonFurballShadow, x + c, y + c, shadowSize, shadowAlpha);
    }
    if (theme == 5 && special >= 0)
        sheet.draw(cr, 2, x + a, y + a, 1.0, 0.5, 0, true);
    int f = b.alternate ? b.frame + 36 : b.frame;
    if (special >= 0)
        f = 72 + special;
    int fr = kHalfRate[theme] ? f / 2 : f;
    int region = kThemeRegionsBeforeFrames[theme] + fr * 8 + (b.colour - 1) % 8;
    sheet.draw(cr, region, x + bb, y + bb, 1.0, 1.0, theme == 0 ? b.face : 0);
    if (theme == 0)
        common.draw(cr, kCommonFurballShading, x + 2 + a, y + 2 + a);
    if (theme == 5 && special >= 0)
        sheet.draw(cr, 2, x + a, y + a, 1.0, 0.5, 0, true);
}

}  // namespace

void drawMockScreen(cairo_t* cr, int theme, const PreviewSheet& sheet, const PreviewSheet& common,
                    const char* dataDir)
{
    sheet.draw(cr, 0, 0, 0);
    cairo_surface_t* screen = cairo_get_target(cr);
    cairo_surface_flush(screen);

    // Score board, as Arcade lays it out.
    composeLabel(screen, "Score", 9, 6, 128);
    composeFile(screen, dataDir, "Timer_box.png", 38, 32);
    composeLabel(screen, "Level", 131, 6, 64);
    composeFile(screen, dataDir, "2_digit_box.png", 146, 32);
    composeLabel(screen, "Time", 214, 6, 64);
    composeFile(screen, dataDir, "Time_Circle.png", 228, 27);
    drawDigits(cr, common, 4250 + theme * 1111, 1000000, 40, 36);
    drawDigits(cr, common, 7 + theme * 3, 100, 148, 36);
    common.draw(cr, kCommonTimeCircle + 6 + theme * 5, 228, 27);

    common.draw(cr, kCommonTopBanner, 0, 70);

    // A board in play: a few furballs of every colour, faces turned, some in other frames.
    static const Ball balls[] = {
        {0, 0, 1, 0, 0, false},  {2, 0, 2, 1, 10, false}, {5, 0, 3, 2, 0, true},  {6, 1, 4, 3, 22, false},
        {1, 1, 5, 0, 14, false}, {3, 1, 6, 2, 0, false},  {0, 2, 7, 1, 0, true},   {4, 2, 8, 0, 26, false},
        {6, 3, 1, 3, 0, false},  {2, 3, 2, 2, 0, true},   {1, 4, 3, 1, 0, false},  {3, 4, 4, 0, 12, true},
        {5, 4, 5, 1, 0, false},  {0, 5, 6, 3, 30, false}, {4, 5, 7, 2, 0, false},  {6, 6, 8, 0, 0, true},
        {2, 6, 1, 1, 8, false},  {0, 7, 2, 0, 0, false},  {3, 7, 3, 3, 0, false},  {5, 7, 4, 2, 20, false},
        {1, 6, 5, 0, 0, false},  {5, 2, 6, 1, 0, false},
    };
    int index = 0;
    for (const Ball& b : balls) {
        int special = -1;
        if (index == 4 && kExtraFrames[theme] > 0)
            special = kExtraFrames[theme] / 2;
        if (index == 4 && theme == 5)
            special = 0;
        drawFurball(cr, theme, sheet, common, b, special);
        ++index;
    }

    // A cell glow under a popping furball and a burst of sparks from a hit.
    common.draw(cr, kCommonCellGlow, 3 + 45 * 4 + (32 - 0.39 * 128) * 0.6875, 73 + 45 * 6 + (32 - 0.39 * 128) * 0.6875,
                0.39 * 1.375, 1.0, 0, true);
    static const int families[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 14; ++i) {
        double ang = i * 2.39996;
        double r = 8 + (i * 7) % 19;
        int family = families[theme] + (i % 3 == 0 ? 0 : 2);
        common.draw(cr, kCommonSparks + (family % 10) * 6 + i % 6, 3 + 45 * 4 + 22 + r * std::cos(ang),
                    73 + 45 * 3 + 22 + r * std::sin(ang), 0.45 + 0.04 * (i % 5), 0.9);
    }
    common.draw(cr, kCommonFinger, 3 + 45 * 1 + 8, 73 + 45 * 2 + 20);
    common.draw(cr, kCommonWrongMove, 3 + 45 * 5 - 8, 73 + 45 * 5 - 10, 1.0, 0.8);

    // Bottom bar.
    common.draw(cr, kCommonHud + kHudUndo, 2, 445);
    common.draw(cr, kCommonHud + kHudHint, 291, 441);
    drawDigits(cr, common, 3, 10, 293.5, 446);
    cairo_select_font_face(cr, "DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 15);
    cairo_text_extents_t e;
    cairo_text_extents(cr, "Menu", &e);
    cairo_move_to(cr, 160 - e.x_advance / 2, 462);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, "Menu");
}

namespace {

void composeRegion(cairo_surface_t* screen, const PreviewSheet& common, int region, int x, int y)
{
    cairo_surface_t* piece = common.copyRegion(region);
    composeOverlay(screen, piece, x, y);
    cairo_surface_destroy(piece);
}

void medalIndicator(cairo_t* cr, const PreviewSheet& common, int grade, double progress)
{
    common.draw(cr, kCommonHud + kHudGradeMedal + grade, grade == 0 ? 253.3 : 250.5, 26, 0.74);
    if (grade == 0)
        return;
    common.draw(cr, kCommonHud + kHudProgressBase, 278.2, 59, 0.666);
    double h = progress * 31.8;
    // The fill is stretched vertically only: draw it through a scaled context.
    cairo_save(cr);
    cairo_translate(cr, 278.2, 59 + 1.085 - h);
    cairo_scale(cr, 1.0, (h + 1.16) * 0.0625);
    common.draw(cr, kCommonHud + kHudProgressFill, 0, 0, 0.666);
    cairo_restore(cr);
    common.draw(cr, kCommonHud + kHudProgressCap, 278.2, 59 - h, 0.666);
}

}  // namespace

void drawHudVariants(cairo_t* cr, const PreviewSheet& sheet, const PreviewSheet& common, const char* dataDir)
{
    cairo_surface_t* screen = cairo_get_target(cr);
    for (int band = 0; band < 4; ++band) {
        cairo_save(cr);
        cairo_translate(cr, 0, band * 100);
        cairo_rectangle(cr, 0, 0, 320, 100);
        cairo_clip(cr);
        sheet.draw(cr, 0, 0, 0);
        cairo_restore(cr);
    }
    cairo_surface_flush(screen);
    // Frenzy: cleared count bar, level, medal with progress.
    composeLabel(screen, "Cleared", 19, 6, 128);
    composeFile(screen, dataDir, "Right_140x9.png", 10, 40);
    common.draw(cr, kCommonHud + kHudFrenzyBarBack, 12, 42);
    double fraction = 0.62;
    cairo_save(cr);
    cairo_translate(cr, 13.75, 42);
    cairo_scale(cr, (fraction * 131 + 1.5) / 16, 1.0);
    common.draw(cr, kCommonHud + kHudFrenzyBarFill, 0, 0);
    cairo_restore(cr);
    common.draw(cr, kCommonHud + kHudFrenzyBarEnd, fraction * 131 + 12, 42);
    composeLabel(screen, "Level", 159, 6, 64);
    composeFile(screen, dataDir, "Level_box.png", 174, 32);
    drawDigits(cr, common, 12, 100, 176, 36);
    composeLabel(screen, "Medal", 203, 6, 128);
    medalIndicator(cr, common, 2, 0.7);

    // Free Play: puzzles left, level, unlimited hints.
    cairo_save(cr);
    cairo_translate(cr, 0, 100);
    cairo_restore(cr);
    composeLabel(screen, "Left", 9, 106, 128);
    composeFile(screen, dataDir, "2_digit_box.png", 56, 132);
    drawDigits(cr, common, 5, 100, 58, 136);
    composeLabel(screen, "Level", 139, 106, 64);
    composeFile(screen, dataDir, "Level_box.png", 154, 132);
    drawDigits(cr, common, 21, 100, 156, 136);
    composeLabel(screen, "Hints", 221, 106, 80);
    composeRegion(screen, common, kCommonFreePlayPicture, 250, 131);

    // Beat the Clock: minutes and seconds with the separator, puzzles left; Challenge medal.
    composeFile(screen, dataDir, "2_digit_box.png", 33, 232);
    drawDigits(cr, common, 1, 100, 35, 236);
    common.draw(cr, kCommonClockSeparator, 63, 233);
    composeFile(screen, dataDir, "2_digit_box.png", 66, 232);
    drawDigits(cr, common, 5, 100, 68, 236);
    composeFile(screen, dataDir, "2_digit_box.png", 193, 232);
    drawDigits(cr, common, 6, 100, 195, 236);
    cairo_save(cr);
    cairo_translate(cr, 0, 200);
    medalIndicator(cr, common, 1, 0.3);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, -70, 200);
    medalIndicator(cr, common, 0, 1.0);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, -140, 200);
    medalIndicator(cr, common, 3, 0.0);
    cairo_restore(cr);

    // Arcade level end: the two overlays centred, the clock gauge and the points beside it.
    cairo_save(cr);
    cairo_translate(cr, 0, 300 - 240 + 90);
    const SpriteRegion& panel = common.region(kCommonLevelEndPanel);
    const SpriteRegion& glow = common.region(kCommonLevelEndGlow);
    common.draw(cr, kCommonLevelEndPanel, 160 - panel.width / 2.0, 240 - panel.height / 2.0);
    common.draw(cr, kCommonLevelEndGlow, 160 - glow.width / 2.0, 233 - glow.height / 2.0, 1.0, 0.8);
    common.draw(cr, kCommonTimeCircle + 20, 82, 220);
    drawDigits(cr, common, 1250, 100000, 130, 228);
    cairo_restore(cr);
}
