#pragma once
#include "graphics/SpriteRegion.h"

#include <cstddef>
#include <string>
#include <vector>

// The ".dat" description of a fixed-layout sprite sheet: little-endian int32 region count N,
// int32 page count P, then N records of 24 bytes (u8 flag, 3 zero bytes, int32 x, y, width,
// height, page). No header, no trailer. The pages themselves are image files named by
// spriteSheetPageName.

struct SpriteSheetPageSize {
    int width = 0;
    int height = 0;
};

struct SpriteSheetFile {
    int pageCount = 0;
    std::vector<SpriteRegion> regions;
};

enum SpriteSheetFileResult {
    SpriteSheetFileOk = 0,
    SpriteSheetFileCannotOpen,       // missing or unreadable file
    SpriteSheetFileTooShort,         // shorter than the two counts
    SpriteSheetFileBadRegionCount,   // negative count, or the length does not match it
    SpriteSheetFileBadPageCount,     // below 1 or more pages than the sheet has
    SpriteSheetFileBadPageIndex,     // a region names a page the file does not have
    SpriteSheetFileRegionOutside,    // a region reaches outside its page
    SpriteSheetFileCannotWrite,
};

const int kSpriteSheetRecordSize = 24;

// Reads and checks a ".dat" file against the pages of the sheet that will hold it
// (pages[0 .. sheetPageCount-1]). On any failure out is left empty.
SpriteSheetFileResult readSpriteSheetFile(const char* path, const SpriteSheetPageSize* pages, int sheetPageCount,
                                          SpriteSheetFile& out);
// The same checks on the bytes of a file already in memory.
SpriteSheetFileResult parseSpriteSheetData(const unsigned char* bytes, size_t length, const SpriteSheetPageSize* pages,
                                           int sheetPageCount, SpriteSheetFile& out);

std::vector<unsigned char> encodeSpriteSheetData(const SpriteSheetFile& file);
SpriteSheetFileResult writeSpriteSheetFile(const char* path, const SpriteSheetFile& file);

const char* spriteSheetFileResultText(SpriteSheetFileResult result);

// Name of page `index` of a sheet with several pages: "_" and the index go before a four-character
// extension when the name has one and at least 5 characters (a.png -> a_0.png), else at the end
// (theme2 -> theme2_0). The caller appends ".png" for page images.
std::string spriteSheetPageName(const char* name, int index);
// The image name of page `index` of a sheet with sheetPageCount pages: a one-page sheet uses name itself.
std::string spriteSheetPageFileName(const char* name, int index, int sheetPageCount);
