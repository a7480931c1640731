#include "graphics/SpriteSheetFile.h"

#include <cstdio>
#include <cstring>

namespace {

const size_t kHeaderSize = 8;

int32_t readInt32(const unsigned char* p)
{
    uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
                 static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(v);
}

void appendInt32(std::vector<unsigned char>& out, int32_t value)
{
    uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

bool regionInside(const SpriteRegion& r, const SpriteSheetPageSize& page)
{
    if (r.x < 0 || r.y < 0 || r.width < 0 || r.height < 0)
        return false;
    return static_cast<int64_t>(r.x) + r.width <= page.width && static_cast<int64_t>(r.y) + r.height <= page.height;
}

bool readWholeFile(const char* path, std::vector<unsigned char>& bytes)
{
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    unsigned char buffer[16384];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

}  // namespace

SpriteSheetFileResult parseSpriteSheetData(const unsigned char* bytes, size_t length, const SpriteSheetPageSize* pages,
                                           int sheetPageCount, SpriteSheetFile& out)
{
    out.pageCount = 0;
    out.regions.clear();
    if (length < kHeaderSize)
        return SpriteSheetFileTooShort;
    int32_t regionCount = readInt32(bytes);
    int32_t pageCount = readInt32(bytes + 4);
    // The count is checked against the length before anything is allocated.
    if (regionCount < 0 || length != kHeaderSize + static_cast<size_t>(regionCount) * kSpriteSheetRecordSize)
        return SpriteSheetFileBadRegionCount;
    if (pageCount < 1 || pageCount > sheetPageCount)
        return SpriteSheetFileBadPageCount;

    std::vector<SpriteRegion> regions(static_cast<size_t>(regionCount));
    const unsigned char* p = bytes + kHeaderSize;
    for (SpriteRegion& r : regions) {
        r.flag = p[0];
        r.x = readInt32(p + 4);
        r.y = readInt32(p + 8);
        r.width = readInt32(p + 12);
        r.height = readInt32(p + 16);
        r.page = readInt32(p + 20);
        p += kSpriteSheetRecordSize;
        if (r.page < 0 || r.page >= pageCount)
            return SpriteSheetFileBadPageIndex;
        if (!regionInside(r, pages[r.page]))
            return SpriteSheetFileRegionOutside;
    }
    out.pageCount = pageCount;
    out.regions.swap(regions);
    return SpriteSheetFileOk;
}

SpriteSheetFileResult readSpriteSheetFile(const char* path, const SpriteSheetPageSize* pages, int sheetPageCount,
                                          SpriteSheetFile& out)
{
    out.pageCount = 0;
    out.regions.clear();
    std::vector<unsigned char> bytes;
    if (!path || !readWholeFile(path, bytes))
        return SpriteSheetFileCannotOpen;
    return parseSpriteSheetData(bytes.data(), bytes.size(), pages, sheetPageCount, out);
}

std::vector<unsigned char> encodeSpriteSheetData(const SpriteSheetFile& file)
{
    std::vector<unsigned char> out;
    out.reserve(kHeaderSize + file.regions.size() * kSpriteSheetRecordSize);
    appendInt32(out, static_cast<int32_t>(file.regions.size()));
    appendInt32(out, file.pageCount);
    for (const SpriteRegion& r : file.regions) {
        out.push_back(r.flag);
        out.push_back(0);
        out.push_back(0);
        out.push_back(0);
        appendInt32(out, r.x);
        appendInt32(out, r.y);
        appendInt32(out, r.width);
        appendInt32(out, r.height);
        appendInt32(out, r.page);
    }
    return out;
}

SpriteSheetFileResult writeSpriteSheetFile(const char* path, const SpriteSheetFile& file)
{
    std::vector<unsigned char> bytes = encodeSpriteSheetData(file);
    FILE* f = path ? std::fopen(path, "wb") : nullptr;
    if (!f)
        return SpriteSheetFileCannotWrite;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok ? SpriteSheetFileOk : SpriteSheetFileCannotWrite;
}

const char* spriteSheetFileResultText(SpriteSheetFileResult result)
{
    switch (result) {
    case SpriteSheetFileOk: return "ok";
    case SpriteSheetFileCannotOpen: return "cannot open the file";
    case SpriteSheetFileTooShort: return "file shorter than its header";
    case SpriteSheetFileBadRegionCount: return "region count does not match the file length";
    case SpriteSheetFileBadPageCount: return "page count does not fit the sheet";
    case SpriteSheetFileBadPageIndex: return "a region names a missing page";
    case SpriteSheetFileRegionOutside: return "a region reaches outside its page";
    case SpriteSheetFileCannotWrite: return "cannot write the file";
    }
    return "unknown";
}

std::string spriteSheetPageName(const char* name, int index)
{
    std::string base = name ? name : "";
    std::string suffix = "_" + std::to_string(index);
    size_t n = base.size();
    if (n >= 5 && base[n - 4] == '.')
        return base.substr(0, n - 4) + suffix + base.substr(n - 4);
    return base + suffix;
}

std::string spriteSheetPageFileName(const char* name, int index, int sheetPageCount)
{
    if (sheetPageCount <= 1)
        return name ? name : "";
    return spriteSheetPageName(name, index);
}
