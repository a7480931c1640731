#pragma once

#include <cstdint>

#include "Core/Array.h"
#include "Core/OwnedPtr.h"
#include "Core/String.h"
#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/MaxRectsPacker.h"
#include "graphics/SpriteRegion.h"

class SpriteSheet;
class Texture;

// One page of a sheet: its pixels while pictures are placed, then its texture.
struct SpriteSheetPage {
    SpriteSheetPage(int pageWidth, int pageHeight) : packer(pageWidth, pageHeight), width(pageWidth), height(pageHeight) {}
    ~SpriteSheetPage();
    SpriteSheetPage(const SpriteSheetPage&) = delete;
    SpriteSheetPage& operator=(const SpriteSheetPage&) = delete;

    int usedArea = 0;  // sum of the packed regions' areas
    MaxRectsPacker packer;
    uint8_t hidden = 0;  // 1: this page's regions are not drawn
    int width;
    int height;
    Bitmap* bitmap = nullptr;    // owned; null until needed
    Texture* texture = nullptr;  // owned; shares `bitmap` (notOwned) when made by uploadPages
};

// Writable view of a region's pixels inside its page bitmap; rows are `stride` pixels apart. All null/0 when the
// region has no pixels (unplaced, beyond the sheet, or the page was uploaded).
struct PixelView {
    Bitmap* page = nullptr;
    RGBA* pixels = nullptr;  // the region's top-left pixel
    int x = 0, y = 0, width = 0, height = 0;
    int stride = 0;
};

// Handle to a region, or to a run of consecutive regions (animation frames), of a sheet.
struct SpriteRef {
    int firstRegion = -1;  // -1: nothing (a picture that found no room); draws nothing
    SpriteSheet* sheet = nullptr;
    int width = 0;  // of the first region, or the asked size
    int height = 0;

    void draw(float x, float y, DrawParams params) const;
    void drawFrame(int frame, float x, float y, DrawParams params) const;
    PixelView pixelView(int frame) const;
    // The frame's pixels in a new cleared bitmap of exactly width x height.
    Bitmap* copyBitmap(int frame) const;
    SpriteRef offset(int n) const { return SpriteRef{firstRegion < 0 ? -1 : firstRegion + n, sheet, width, height}; }
};

// A texture atlas of one to three pages, so that many small pictures draw from one texture. Either packed at
// run time (each added picture goes to the first page with room), or of fixed layout: the regions come from a
// ".dat" file and the pages from prepared images, and every add takes the next region in file order.
// A packed picture for which no page has room gets a page of its own (a texture of its own once uploaded),
// added after the sheet's pages and dropped by reset: which texts a menu holds depends on the language, so
// no fixed page size fits every fill. Only a picture larger than kMaxPageSide finds no place.
class SpriteSheet {
public:
    static const int kMaxPageSide = 2048;  // the largest texture every GL ES 1.1 device we know takes

    // Pages 2 and 3 exist only when their width is not -1.
    SpriteSheet(int pageWidth, int pageHeight, bool fixedLayout, int width2 = -1, int height2 = -1, int width3 = -1,
                int height3 = -1);
    ~SpriteSheet();
    SpriteSheet(const SpriteSheet&) = delete;
    SpriteSheet& operator=(const SpriteSheet&) = delete;

    // Empties every page (textures and bitmaps freed) so that the sheet can be filled again.
    void reset();
    // Reads datName + ".dat" and the page images of `name` (PNG, or packed ".cmp" without usePng), as page
    // bitmaps (keepBitmaps) or textures. A missing or damaged ".dat" file leaves no regions, logs, and returns
    // false; the sheet then hands out regions that draw nothing.
    bool load(const char* name, const char* datName, bool usePng, bool keepBitmaps);
    // Makes a texture of every page that has a bitmap (pixels not kept); nothing when the first page has none.
    void uploadPages();

    SpriteRef addImage(const char* imageName, float alphaScale);
    SpriteRef addImagePadded(const char* imageName, float alphaScale);
    // frameCount frames of frameWidth x frameHeight stacked from the top of one image, as consecutive regions.
    SpriteRef addImageFrames(const char* imageName, int frameCount, int frameWidth, int frameHeight, int padding);
    // Always packs, also in a fixed-layout sheet. The sheet deletes the bitmap when deleteSource.
    SpriteRef addBitmap(Bitmap* bitmap, bool deleteSource, int padding);
    // An empty region to draw into through pixelView.
    SpriteRef reserveRegion(int width, int height, int padding);
    // The next count regions of a fixed layout, without packing.
    SpriteRef takeRegions(int count);

    // The page bitmap of a region, made cleared on first use; null for a region without a page.
    Bitmap* pageBitmap(const SpriteRegion& region);
    void drawRegion(int region, float x, float y, DrawParams params);
    // The page texture of a region; null when there is none.
    Texture* regionTexture(int region) const;
    const SpriteRegion* region(int index) const;
    int regionCount() const { return regions.size(); }
    void setRegionCount(int count) { regions.setSize(count < regions.size() ? count : regions.size()); }
    SpriteRef emptyRef() { return SpriteRef{regions.size(), this, -1, -1}; }

    Array<OwnedPtr<SpriteSheetPage>> pages;
    Array<SpriteRegion> regions;
    uint8_t fixedLayout = 0;
    uint8_t uploaded = 0;
    String name;
    int usePng = 0;
    int filePageCount = -1;
    int nextRegion = 0;
    int builtPageCount = 0;  // the pages made by the constructor; those after them hold pictures that found no room

private:
    // Places width x height (plus padding all round) on the first page with room, else on a page of its own;
    // -1 when it is too large for any page.
    int packRegion(int width, int height, int padding);
    int placeOnPage(int pageIndex, int width, int height, int padding);
    bool addOwnPage(int width, int height);
    // Copies the visible rows of `source` from (sx, sy) into a region's place in its page bitmap.
    void copyIntoRegion(const Bitmap& source, int sx, int sy, int regionIndex);
    SpriteRef refTo(int regionIndex, int width, int height);
};

// Draws a region of a page: the params' (0, 0, 1, 1) means the whole region, other values are pixel offsets
// inside it; centring and rotation as drawTexture with the region's size.
void emitRegionQuad(SpriteSheetPage* page, const SpriteRegion* region, float x, float y, DrawParams* params);
