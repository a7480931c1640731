#pragma once
#include "graphics/SpriteSheetFile.h"

#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

// Lays the pictures of one fixed-layout sprite sheet out on its pages with the game's own packer,
// draws them, and writes the ".dat" description and the page images the game loads.
class SheetBuilder {
public:
    using DrawFn = std::function<void(cairo_t* cr, int width, int height)>;

    SheetBuilder(std::string name, std::vector<SpriteSheetPageSize> pages);

    // A new picture of width x height, drawn by fn with the origin at its top-left corner.
    // padding keeps a transparent margin around it on the page, so filtering never reaches a neighbour.
    int add(int width, int height, DrawFn fn, int padding = 1);
    // A picture shared by several regions: the first call with a key draws it, later ones reuse its pixels.
    int addKeyed(const std::string& key, int width, int height, DrawFn fn, int padding = 1);
    // A region that shows the same pixels as an earlier one.
    int addShared(int region);

    int regionCount() const { return static_cast<int>(regions_.size()); }
    const SpriteRegion& region(int index) const { return placed_[index]; }

    // Packs, draws and writes name.dat and the page images into dir. False with a message on failure.
    bool build(const std::string& dir, std::string& error);

private:
    struct Entry {
        int width;
        int height;
        int padding;
        int sharedWith;  // -1: own pixels
        DrawFn draw;
    };

    bool pack(std::string& error);

    std::string name_;
    std::vector<SpriteSheetPageSize> pages_;
    std::vector<Entry> regions_;
    std::vector<SpriteRegion> placed_;
    std::map<std::string, int> keys_;
};
