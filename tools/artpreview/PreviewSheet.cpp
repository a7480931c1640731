#include "PreviewSheet.h"

#include <cmath>

PreviewSheet::~PreviewSheet()
{
    for (cairo_surface_t* s : pages_)
        cairo_surface_destroy(s);
}

bool PreviewSheet::load(const std::string& dir, const char* name, std::vector<SpriteSheetPageSize> pages,
                        std::string& error)
{
    std::string dat = dir + "/" + name + ".dat";
    SpriteSheetFileResult r = readSpriteSheetFile(dat.c_str(), pages.data(), static_cast<int>(pages.size()), file_);
    if (r != SpriteSheetFileOk) {
        error = dat + ": " + spriteSheetFileResultText(r);
        return false;
    }
    for (int i = 0; i < file_.pageCount; ++i) {
        std::string png = dir + "/" + spriteSheetPageFileName(name, i, static_cast<int>(pages.size())) + ".png";
        cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
        if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(s);
            error = png + ": cannot load";
            return false;
        }
        pages_.push_back(s);
    }
    return true;
}

void PreviewSheet::draw(cairo_t* cr, int i, double x, double y, double scale, double alpha, int quarterTurns,
                        bool additive) const
{
    const SpriteRegion& r = file_.regions[i];
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    if (quarterTurns) {
        cairo_translate(cr, r.width / 2.0, r.height / 2.0);
        cairo_rotate(cr, quarterTurns * M_PI / 2);
        cairo_translate(cr, -r.width / 2.0, -r.height / 2.0);
    }
    cairo_rectangle(cr, 0, 0, r.width, r.height);
    cairo_clip(cr);
    cairo_set_source_surface(cr, pages_[r.page], -r.x, -r.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    if (additive)
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

cairo_surface_t* PreviewSheet::copyRegion(int i) const
{
    const SpriteRegion& r = file_.regions[i];
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, r.width, r.height);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_surface(cr, pages_[r.page], -r.x, -r.y);
    cairo_paint(cr);
    cairo_destroy(cr);
    return out;
}
