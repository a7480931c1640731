// Renders contact sheets of the generated art into a folder: every region of every sheet, and a
// mock play screen per theme, so the art can be judged without playing.
#include "ControlsPreview.h"
#include "DialogsPreview.h"
#include "MenuPreview.h"
#include "MockScreen.h"
#include "PreviewSheet.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::vector<SpriteSheetPageSize> kThemePages = {{1024, 1024}, {512, 512}, {512, 256}};
const std::vector<SpriteSheetPageSize> kCommonPages = {{1024, 1024}};

// Every region scaled into a cell of a grid, on a checkerboard so transparency shows.
bool writeContactSheet(const PreviewSheet& sheet, const std::string& path, int cell)
{
    int columns = 20;
    int rows = (sheet.regionCount() + columns - 1) / columns;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * cell, rows * cell);
    cairo_t* cr = cairo_create(s);
    for (int y = 0; y < rows * cell; y += 8)
        for (int x = 0; x < columns * cell; x += 8) {
            double v = ((x / 8 + y / 8) % 2) ? 0.55 : 0.45;
            cairo_set_source_rgb(cr, v, v, v + 0.05);
            cairo_rectangle(cr, x, y, 8, 8);
            cairo_fill(cr);
        }
    for (int i = 0; i < sheet.regionCount(); ++i) {
        const SpriteRegion& r = sheet.region(i);
        double scale = 1.0;
        double room = cell - 12;
        if (r.width > room || r.height > room)
            scale = room / (r.width > r.height ? r.width : r.height);
        double x = (i % columns) * cell + (cell - r.width * scale) / 2;
        double y = (i / columns) * cell + 10 + (cell - 10 - r.height * scale) / 2;
        sheet.draw(cr, i, x, y, scale);
        char label[16];
        std::snprintf(label, sizeof label, "%d", i);
        cairo_set_source_rgb(cr, 1, 1, 0.6);
        cairo_set_font_size(cr, 9);
        cairo_move_to(cr, (i % columns) * cell + 2, (i / columns) * cell + 9);
        cairo_show_text(cr, label);
    }
    cairo_destroy(cr);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data folder> <output folder>\n", argv[0]);
        return 2;
    }
    std::string data = argv[1];
    std::string out = argv[2];
    mkdir(out.c_str(), 0755);
    std::string error;
    PreviewSheet common;
    if (!common.load(data, "fullBitmap", kCommonPages, error)) {
        std::fprintf(stderr, "artpreview: %s\n", error.c_str());
        return 1;
    }
    writeContactSheet(common, out + "/fullBitmap_regions.png", 64);
    if (!writeMenuPreviews(data, out, common)) {
        std::fprintf(stderr, "artpreview: cannot write the menu previews\n");
        return 1;
    }
    if (!writeControlsPreview(data, out)) {
        std::fprintf(stderr, "artpreview: cannot write the controls preview\n");
        return 1;
    }
    if (!writeDialogsPreview(data, out)) {
        std::fprintf(stderr, "artpreview: cannot write the dialogs preview\n");
        return 1;
    }

    cairo_surface_t* all = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 960, 960);
    cairo_t* allCr = cairo_create(all);
    for (int theme = 0; theme < 6; ++theme) {
        PreviewSheet sheet;
        std::string name = "theme" + std::to_string(theme);
        if (!sheet.load(data, name.c_str(), kThemePages, error)) {
            std::fprintf(stderr, "artpreview: %s\n", error.c_str());
            return 1;
        }
        writeContactSheet(sheet, out + "/" + name + "_regions.png", 52);
        cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 320, 480);
        cairo_t* cr = cairo_create(screen);
        drawMockScreen(cr, theme, sheet, common, data.c_str());
        cairo_destroy(cr);
        cairo_surface_write_to_png(screen, (out + "/play_" + name + ".png").c_str());
        // A 2x view for detail.
        cairo_surface_t* big = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 960);
        cairo_t* bcr = cairo_create(big);
        cairo_scale(bcr, 2, 2);
        cairo_set_source_surface(bcr, screen, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(bcr), CAIRO_FILTER_NEAREST);
        cairo_paint(bcr);
        cairo_destroy(bcr);
        cairo_surface_write_to_png(big, (out + "/play_" + name + "_2x.png").c_str());
        cairo_surface_destroy(big);
        if (theme == 0) {
            cairo_surface_t* hud = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 320, 480);
            cairo_t* hcr = cairo_create(hud);
            drawHudVariants(hcr, sheet, common, data.c_str());
            cairo_destroy(hcr);
            cairo_surface_write_to_png(hud, (out + "/hud_variants.png").c_str());
            cairo_surface_destroy(hud);
        }
        cairo_set_source_surface(allCr, screen, (theme % 3) * 320, (theme / 3) * 480);
        cairo_paint(allCr);
        cairo_surface_destroy(screen);
    }
    cairo_destroy(allCr);
    cairo_surface_write_to_png(all, (out + "/play_all_themes.png").c_str());
    cairo_surface_destroy(all);
    std::printf("artpreview: contact sheets in %s\n", out.c_str());
    return 0;
}
