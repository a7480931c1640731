#include "graphics/SpriteSheet.h"

#include <algorithm>

#include "Core/Log.h"
#include "Core/Platform.h"
#include "graphics/ImageLoading.h"
#include "graphics/SpriteSheetFile.h"
#include "graphics/Texture.h"

SpriteSheetPage::~SpriteSheetPage() {
    delete texture;
    delete bitmap;
}

SpriteSheet::SpriteSheet(int pageWidth, int pageHeight, bool fixed, int width2, int height2, int width3, int height3)
    : fixedLayout(fixed) {
    pages.append(OwnedPtr<SpriteSheetPage>(new SpriteSheetPage(pageWidth, pageHeight)));
    if (width2 != -1) pages.append(OwnedPtr<SpriteSheetPage>(new SpriteSheetPage(width2, height2)));
    if (width3 != -1) pages.append(OwnedPtr<SpriteSheetPage>(new SpriteSheetPage(width3, height3)));
    builtPageCount = pages.size();
    reset();
}

SpriteSheet::~SpriteSheet() {}

void SpriteSheet::reset() {
    pages.setSize(builtPageCount);
    for (OwnedPtr<SpriteSheetPage>& page : pages) {
        page->usedArea = 0;
        page->hidden = 0;
        page->packer.init(page->width, page->height);
        delete page->texture;
        page->texture = nullptr;
        delete page->bitmap;
        page->bitmap = nullptr;
    }
    if (!fixedLayout) regions.reserve(16);
    filePageCount = -1;
    uploaded = 0;
    regions.clear();
    nextRegion = 0;
}

bool SpriteSheet::load(const char* sheetName, const char* datName, bool png, bool keepBitmaps) {
    name = sheetName;
    usePng = png;
    filePageCount = -1;
    regions.clear();
    SpriteSheetPageSize sizes[3];
    for (int i = 0; i < builtPageCount && i < 3; ++i) sizes[i] = SpriteSheetPageSize{pages[i]->width, pages[i]->height};
    SpriteSheetFile file;
    String path = makeResourcePath(datName, "dat");
    SpriteSheetFileResult result = readSpriteSheetFile(path.c_str(), sizes, std::min(builtPageCount, 3), file);
    if (result != SpriteSheetFileOk) {
        logPrintf("ERR", "sprite sheet %s: %s", path.c_str(), spriteSheetFileResultText(result));
        return false;
    }
    filePageCount = file.pageCount;
    for (const SpriteRegion& r : file.regions) regions.append(r);

    for (int i = 0; i < file.pageCount; ++i) {
        SpriteSheetPage& page = *pages[i];
        String image = spriteSheetPageFileName(sheetName, i, builtPageCount).c_str();
        delete page.bitmap;
        page.bitmap = nullptr;
        delete page.texture;
        page.texture = nullptr;
        if (png && keepBitmaps)
            page.bitmap = new Bitmap((image + ".png").c_str(), 1.0f, true);
        else if (png)
            page.texture = new Texture((image + ".png").c_str(), 1.0f, false);
        else if (keepBitmaps)
            page.bitmap = loadPackedBitmap(image.c_str(), page.width, page.height);
        else
            page.texture = makePackedTexture(image.c_str(), page.width, page.height);
    }
    return true;
}

void SpriteSheet::uploadPages() {
    // A page of its own may hold the only picture when the first page was too small for it.
    bool ownPagePictures = false;
    for (int i = builtPageCount; i < pages.size(); ++i) ownPagePictures = ownPagePictures || pages[i]->bitmap;
    if (pages.isEmpty() || !(pages[0]->bitmap || ownPagePictures)) return;
    for (OwnedPtr<SpriteSheetPage>& page : pages) {
        if (page->bitmap) {
            delete page->texture;
            page->texture = new Texture(page->bitmap, false, true);
        }
        page->packer.init(page->width, page->height);
    }
    uploaded = 1;
}

int SpriteSheet::placeOnPage(int pageIndex, int width, int height, int padding) {
    SpriteSheetPage& page = *pages[pageIndex];
    Rect placed = page.packer.insert(width + 2 * padding, height + 2 * padding, MaxRectsPacker::BestShortSideFit);
    if (placed.height == 0) return -1;
    SpriteRegion region;
    region.flag = 0;
    region.x = placed.x + padding;
    region.y = placed.y + padding;
    region.width = width;
    region.height = height;
    region.page = pageIndex;
    page.usedArea += width * height;
    regions.append(region);
    return regions.size() - 1;
}

namespace {

int powerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

}  // namespace

bool SpriteSheet::addOwnPage(int width, int height) {
    if (width > kMaxPageSide || height > kMaxPageSide || width <= 0 || height <= 0) return false;
    // Square-ish powers of two, so that later pictures that find no room elsewhere can share it.
    pages.append(OwnedPtr<SpriteSheetPage>(new SpriteSheetPage(powerOfTwoAtLeast(width), powerOfTwoAtLeast(height))));
    logPrintf("LOG", "sprite sheet: a page of its own for %d x %d", width, height);
    return true;
}

int SpriteSheet::packRegion(int width, int height, int padding) {
    for (int i = 0; i < pages.size(); ++i) {
        const int index = placeOnPage(i, width, height, padding);
        if (index >= 0) return index;
    }
    if (addOwnPage(width + 2 * padding, height + 2 * padding))
        return placeOnPage(pages.size() - 1, width, height, padding);
    logPrintf("ERR", "sprite sheet: no room for %d x %d", width, height);
    return -1;
}

SpriteRef SpriteSheet::refTo(int regionIndex, int width, int height) {
    return SpriteRef{regionIndex, this, width, height};
}

SpriteRef SpriteSheet::takeRegions(int count) {
    const SpriteRegion* first = region(nextRegion);
    SpriteRef ref{first ? nextRegion : -1, this, first ? first->width : 0, first ? first->height : 0};
    nextRegion += std::max(count, 0);
    return ref;
}

Bitmap* SpriteSheet::pageBitmap(const SpriteRegion& r) {
    if (r.page < 0 || r.page >= pages.size()) return nullptr;
    SpriteSheetPage& page = *pages[r.page];
    if (!page.bitmap) page.bitmap = new Bitmap(page.width, page.height, true);
    return page.bitmap;
}

void SpriteSheet::copyIntoRegion(const Bitmap& source, int sx, int sy, int regionIndex) {
    const SpriteRegion* r = region(regionIndex);
    Bitmap* page = r ? pageBitmap(*r) : nullptr;
    if (!page || !page->pixels || !source.pixels) return;
    const int w = std::min(r->width, source.width - sx), h = std::min(r->height, source.height - sy);
    for (int row = 0; row < h; ++row)
        memcpy(page->row(r->y + row) + r->x, source.row(sy + row) + sx, sizeof(RGBA) * std::max(w, 0));
}

SpriteRef SpriteSheet::addImage(const char* imageName, float alphaScale) {
    if (fixedLayout) return takeRegions(1);
    Bitmap image(imageName, alphaScale, true);
    return addBitmap(&image, false, 0);
}

SpriteRef SpriteSheet::addImagePadded(const char* imageName, float alphaScale) {
    if (fixedLayout) return takeRegions(1);
    Bitmap image(imageName, alphaScale, true);
    return addBitmap(&image, false, 1);
}

SpriteRef SpriteSheet::addImageFrames(const char* imageName, int frameCount, int frameWidth, int frameHeight,
                                      int padding) {
    if (fixedLayout) return takeRegions(frameCount);
    Bitmap image(imageName, 1.0f, true);
    int first = -1;
    for (int k = 0; k < frameCount; ++k) {
        int index = packRegion(frameWidth, frameHeight, padding);
        if (index < 0) break;
        if (first < 0) first = index;
        copyIntoRegion(image, 0, k * frameHeight, index);
    }
    return refTo(first, frameWidth, frameHeight);
}

SpriteRef SpriteSheet::addBitmap(Bitmap* bitmap, bool deleteSource, int padding) {
    int index = packRegion(bitmap->width, bitmap->height, padding);
    if (index >= 0) copyIntoRegion(*bitmap, 0, 0, index);
    SpriteRef ref = refTo(index, bitmap->width, bitmap->height);
    if (deleteSource) delete bitmap;
    return ref;
}

SpriteRef SpriteSheet::reserveRegion(int width, int height, int padding) {
    if (fixedLayout) return takeRegions(1);
    int index = packRegion(width, height, padding);
    if (index >= 0) pageBitmap(regions[index]);
    return refTo(index, width, height);
}

const SpriteRegion* SpriteSheet::region(int index) const {
    if (index < 0 || index >= regions.size()) return nullptr;
    const SpriteRegion& r = regions[index];
    return r.page >= 0 && r.page < pages.size() ? &r : nullptr;
}

Texture* SpriteSheet::regionTexture(int index) const {
    const SpriteRegion* r = region(index);
    return r ? pages[r->page]->texture : nullptr;
}

void SpriteSheet::drawRegion(int index, float x, float y, DrawParams params) {
    const SpriteRegion* r = region(index);
    if (!r) return;
    SpriteSheetPage* page = pages[r->page].get();
    if (!page->hidden) emitRegionQuad(page, r, x, y, &params);
}

void emitRegionQuad(SpriteSheetPage* page, const SpriteRegion* region, float x, float y, DrawParams* params) {
    Texture* texture = page->texture;
    if (!texture || texture->width <= 0 || texture->height <= 0) return;
    const float tw = (float)texture->width, th = (float)texture->height;
    DrawParams& p = *params;
    if (p.uLeft == 0.0f && p.vTop == 0.0f && p.uRight == 1.0f && p.vBottom == 1.0f) {
        p.uLeft = region->x / tw;
        p.uRight = (region->x + region->width) / tw;
        p.vTop = region->y / th;
        p.vBottom = (region->y + region->height) / th;
    } else {
        p.uLeft = (region->x + p.uLeft) / tw;
        p.uRight = (region->x + p.uRight) / tw;
        p.vTop = (region->y + p.vTop) / th;
        p.vBottom = (region->y + p.vBottom) / th;
    }
    drawTextureSized(texture, (float)region->width, (float)region->height, x, y, p);
}

void SpriteRef::draw(float x, float y, DrawParams params) const {
    if (sheet && firstRegion >= 0) sheet->drawRegion(firstRegion, x, y, params);
}

void SpriteRef::drawFrame(int frame, float x, float y, DrawParams params) const {
    if (sheet && firstRegion >= 0) sheet->drawRegion(firstRegion + frame, x, y, params);
}

PixelView SpriteRef::pixelView(int frame) const {
    PixelView view;
    const SpriteRegion* r = sheet && firstRegion >= 0 ? sheet->region(firstRegion + frame) : nullptr;
    Bitmap* page = r ? sheet->pageBitmap(*r) : nullptr;
    if (!page || !page->pixels) return view;
    view.page = page;
    view.pixels = &page->at(r->x, r->y);
    view.x = r->x;
    view.y = r->y;
    // The asked size, kept inside the page.
    view.width = std::min(width, page->allocW - r->x);
    view.height = std::min(height, page->allocH - r->y);
    view.stride = page->allocW;
    return view;
}

Bitmap* SpriteRef::copyBitmap(int frame) const {
    Bitmap* copy = new Bitmap(std::max(width, 0), std::max(height, 0), false);
    PixelView view = pixelView(frame);
    if (!view.pixels || !copy->pixels) return copy;
    const SpriteRegion* r = sheet->region(firstRegion + frame);
    const int w = std::min(std::min(r->width, copy->width), view.width);
    for (int row = 0; row < std::min(copy->height, view.height); ++row)
        memcpy(copy->row(row), view.pixels + (size_t)row * view.stride, sizeof(RGBA) * std::max(w, 0));
    return copy;
}
