#pragma once
#include "graphics/SpriteSheetFile.h"

#include <cairo.h>

#include <string>
#include <vector>

// A sprite sheet as the game loads it: the ".dat" file through the game's reader and the page
// images, ready to draw regions the way the game does (scaled, turned, faded, additive).
class PreviewSheet {
public:
    PreviewSheet() = default;
    ~PreviewSheet();
    PreviewSheet(const PreviewSheet&) = delete;
    PreviewSheet& operator=(const PreviewSheet&) = delete;

    bool load(const std::string& dir, const char* name, std::vector<SpriteSheetPageSize> pages, std::string& error);

    int regionCount() const { return static_cast<int>(file_.regions.size()); }
    const SpriteRegion& region(int i) const { return file_.regions[i]; }

    // Draws region i with its top-left corner at (x, y), scaled, turned by quarter turns about its
    // centre, with opacity alpha; additive adds the colours instead of laying them over.
    void draw(cairo_t* cr, int i, double x, double y, double scale = 1.0, double alpha = 1.0, int quarterTurns = 0,
              bool additive = false) const;
    // The region's pixels as a surface of their own (the caller destroys it).
    cairo_surface_t* copyRegion(int i) const;

private:
    SpriteSheetFile file_;
    std::vector<cairo_surface_t*> pages_;
};
