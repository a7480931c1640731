// A fixed-layout sprite sheet's ".dat" file, loaded as the game loads its common pictures (SpriteSheet::load
// with page bitmaps kept; the page images are absent), then every region taken in file order and copied out as
// the picture cutter does. The art tools write these files: a file that loads must write back the same regions.
#include "graphics/SpriteSheet.h"
#include "graphics/SpriteSheetFile.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

const int kRegionsCopied = 64;  // enough to reach every page; each copy may be a whole page

void checkWriteBack(const uint8_t* data, size_t size, const SpriteSheetPageSize* pages, int pageCount)
{
    SpriteSheetFile file;
    if (parseSpriteSheetData(data, size, pages, pageCount, file) != SpriteSheetFileOk)
        fuzzFailure("sprite_sheet_dat", "the sheet loaded but its bytes do not parse");
    std::vector<unsigned char> encoded = encodeSpriteSheetData(file);
    SpriteSheetFile again;
    if (parseSpriteSheetData(encoded.data(), encoded.size(), pages, pageCount, again) != SpriteSheetFileOk)
        fuzzFailure("sprite_sheet_dat", "written regions do not parse");
    std::vector<unsigned char> reencoded = encodeSpriteSheetData(again);
    expectSameBytes("sprite_sheet_dat", "regions written, read and written again",
                    std::string(encoded.begin(), encoded.end()), std::string(reencoded.begin(), reencoded.end()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile("sheet.dat", data, size);
    SpriteSheet sheet(1024, 1024, true, 512, 512, 512, 256);
    if (!sheet.load("sheet", "sheet", true, true))
        return 0;
    const SpriteSheetPageSize pages[3] = {{1024, 1024}, {512, 512}, {512, 256}};
    checkWriteBack(data, size, pages, 3);
    for (int i = 0; i < sheet.regionCount() && i < kRegionsCopied; ++i) {
        SpriteRef ref = sheet.takeRegions(1);
        delete ref.copyBitmap(0);
        PixelView view = ref.pixelView(0);
        if (view.pixels && (view.width > view.page->allocW || view.height > view.page->allocH))
            fuzzFailure("sprite_sheet_dat", "a region's view reaches outside its page");
    }
    return 0;
}
