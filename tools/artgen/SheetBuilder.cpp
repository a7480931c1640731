#include "SheetBuilder.h"

#include "Canvas.h"
#include "graphics/MaxRectsPacker.h"

#include <memory>

SheetBuilder::SheetBuilder(std::string name, std::vector<SpriteSheetPageSize> pages)
    : name_(std::move(name)), pages_(std::move(pages))
{
}

int SheetBuilder::add(int width, int height, DrawFn fn, int padding)
{
    regions_.push_back(Entry{width, height, padding, -1, std::move(fn)});
    return regionCount() - 1;
}

int SheetBuilder::addKeyed(const std::string& key, int width, int height, DrawFn fn, int padding)
{
    auto it = keys_.find(key);
    if (it != keys_.end())
        return addShared(it->second);
    int index = add(width, height, std::move(fn), padding);
    keys_[key] = index;
    return index;
}

int SheetBuilder::addShared(int region)
{
    const Entry& source = regions_[region];
    int owner = source.sharedWith >= 0 ? source.sharedWith : region;
    regions_.push_back(Entry{source.width, source.height, 0, owner, nullptr});
    return regionCount() - 1;
}

bool SheetBuilder::pack(std::string& error)
{
    std::vector<MaxRectsPacker> packers;
    for (const SpriteSheetPageSize& p : pages_)
        packers.emplace_back(p.width, p.height);
    placed_.assign(regions_.size(), SpriteRegion());
    for (size_t i = 0; i < regions_.size(); ++i) {
        const Entry& e = regions_[i];
        if (e.sharedWith >= 0) {
            placed_[i] = placed_[e.sharedWith];
            continue;
        }
        bool done = false;
        for (size_t page = 0; page < packers.size() && !done; ++page) {
            Rect r = packers[page].insert(e.width + 2 * e.padding, e.height + 2 * e.padding, 0);
            if (r.height == 0)
                continue;
            SpriteRegion& out = placed_[i];
            out.flag = 0;
            out.x = r.x + e.padding;
            out.y = r.y + e.padding;
            out.width = e.width;
            out.height = e.height;
            out.page = static_cast<int32_t>(page);
            done = true;
        }
        if (!done) {
            error = name_ + ": no room for region " + std::to_string(i) + " (" + std::to_string(e.width) + "x" +
                    std::to_string(e.height) + ")";
            return false;
        }
    }
    return true;
}

bool SheetBuilder::build(const std::string& dir, std::string& error)
{
    if (!pack(error))
        return false;
    std::vector<std::unique_ptr<Canvas>> canvases;
    for (const SpriteSheetPageSize& p : pages_)
        canvases.push_back(std::make_unique<Canvas>(p.width, p.height));
    for (size_t i = 0; i < regions_.size(); ++i) {
        const Entry& e = regions_[i];
        if (e.sharedWith >= 0)
            continue;
        const SpriteRegion& r = placed_[i];
        cairo_t* cr = canvases[r.page]->cr;
        cairo_save(cr);
        cairo_translate(cr, r.x, r.y);
        cairo_rectangle(cr, 0, 0, r.width, r.height);
        cairo_clip(cr);
        e.draw(cr, r.width, r.height);
        cairo_restore(cr);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
            error = name_ + ": drawing region " + std::to_string(i) + " failed";
            return false;
        }
    }
    int pageCount = static_cast<int>(pages_.size());
    for (int page = 0; page < pageCount; ++page) {
        std::string path = dir + "/" + spriteSheetPageFileName(name_.c_str(), page, pageCount) + ".png";
        if (!writePng(canvases[page]->surface, path)) {
            error = "cannot write " + path;
            return false;
        }
    }
    SpriteSheetFile file;
    file.pageCount = pageCount;
    file.regions = placed_;
    std::string datPath = dir + "/" + name_ + ".dat";
    if (writeSpriteSheetFile(datPath.c_str(), file) != SpriteSheetFileOk) {
        error = "cannot write " + datPath;
        return false;
    }
    return true;
}
