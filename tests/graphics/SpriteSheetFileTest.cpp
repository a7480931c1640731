#include <gtest/gtest.h>

#include "graphics/SpriteSheetFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const SpriteSheetPageSize kThemePages[3] = {{1024, 1024}, {512, 512}, {512, 256}};

SpriteRegion region(int x, int y, int w, int h, int page)
{
    SpriteRegion r;
    r.x = x;
    r.y = y;
    r.width = w;
    r.height = h;
    r.page = page;
    return r;
}

SpriteSheetFile sampleSheet()
{
    SpriteSheetFile file;
    file.pageCount = 3;
    file.regions = {region(0, 0, 320, 480, 0), region(320, 0, 45, 45, 0), region(10, 20, 30, 40, 1),
                    region(0, 0, 512, 256, 2)};
    return file;
}

std::string tempPath(const char* name)
{
    return std::string(::testing::TempDir()) + name;
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) {
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    }
    std::fclose(f);
}

void setInt32(std::vector<unsigned char>& bytes, size_t offset, int32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<unsigned char>(static_cast<uint32_t>(value) >> (8 * i));
}

}  // namespace

TEST(SpriteSheetFile, WriteThenReadGivesTheSameRegions)
{
    std::string path = tempPath("roundtrip.dat");
    SpriteSheetFile written = sampleSheet();
    ASSERT_EQ(writeSpriteSheetFile(path.c_str(), written), SpriteSheetFileOk);

    SpriteSheetFile read;
    ASSERT_EQ(readSpriteSheetFile(path.c_str(), kThemePages, 3, read), SpriteSheetFileOk);
    EXPECT_EQ(read.pageCount, 3);
    ASSERT_EQ(read.regions.size(), written.regions.size());
    for (size_t i = 0; i < read.regions.size(); ++i) {
        EXPECT_EQ(read.regions[i].flag, 0);
        EXPECT_EQ(read.regions[i].x, written.regions[i].x);
        EXPECT_EQ(read.regions[i].y, written.regions[i].y);
        EXPECT_EQ(read.regions[i].width, written.regions[i].width);
        EXPECT_EQ(read.regions[i].height, written.regions[i].height);
        EXPECT_EQ(read.regions[i].page, written.regions[i].page);
    }
    std::remove(path.c_str());
}

TEST(SpriteSheetFile, BytesOnDiskFollowTheLittleEndianLayout)
{
    SpriteSheetFile file;
    file.pageCount = 1;
    file.regions = {region(0x102, 3, 4, 5, 0)};
    std::vector<unsigned char> bytes = encodeSpriteSheetData(file);
    const std::vector<unsigned char> expected = {1, 0, 0, 0, 1, 0, 0, 0,                // N = 1, P = 1
                                                 0, 0, 0, 0,                            // flag and padding
                                                 2, 1, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0,    // x, y, width
                                                 5, 0, 0, 0, 0, 0, 0, 0};               // height, page
    EXPECT_EQ(bytes, expected);
}

TEST(SpriteSheetFile, DamagedFilesAreRefusedAndLeaveNothing)
{
    const std::vector<unsigned char> good = encodeSpriteSheetData(sampleSheet());
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        int sheetPages;
        SpriteSheetFileResult expected;
    };
    std::vector<Case> cases;
    cases.push_back({"empty file", {}, 3, SpriteSheetFileTooShort});
    cases.push_back({"cut inside the header", {4, 0, 0}, 3, SpriteSheetFileTooShort});
    {
        std::vector<unsigned char> cut(good.begin(), good.end() - 1);
        cases.push_back({"cut inside the last record", cut, 3, SpriteSheetFileBadRegionCount});
    }
    {
        std::vector<unsigned char> longer = good;
        longer.push_back(0);
        cases.push_back({"trailing byte", longer, 3, SpriteSheetFileBadRegionCount});
    }
    {
        std::vector<unsigned char> huge = good;
        setInt32(huge, 0, 0x7fffffff);
        cases.push_back({"count far beyond the length", huge, 3, SpriteSheetFileBadRegionCount});
    }
    {
        std::vector<unsigned char> negative = good;
        setInt32(negative, 0, -1);
        cases.push_back({"negative count", negative, 3, SpriteSheetFileBadRegionCount});
    }
    cases.push_back({"more pages than the sheet has", good, 2, SpriteSheetFileBadPageCount});
    {
        std::vector<unsigned char> noPages = good;
        setInt32(noPages, 4, 0);
        cases.push_back({"zero pages", noPages, 3, SpriteSheetFileBadPageCount});
    }
    {
        std::vector<unsigned char> badPage = good;
        setInt32(badPage, 8 + 24 * 2 + 20, 3);
        cases.push_back({"page index past the page count", badPage, 3, SpriteSheetFileBadPageIndex});
    }
    {
        std::vector<unsigned char> negativePage = good;
        setInt32(negativePage, 8 + 20, -1);
        cases.push_back({"negative page index", negativePage, 3, SpriteSheetFileBadPageIndex});
    }
    {
        std::vector<unsigned char> outside = good;
        setInt32(outside, 8 + 24 * 2 + 4, 500);  // 500 + 30 > 512 on page 1
        cases.push_back({"region past its page edge", outside, 3, SpriteSheetFileRegionOutside});
    }
    {
        std::vector<unsigned char> overflow = good;
        setInt32(overflow, 8 + 24 + 12, 0x7fffff00);  // x + width would overflow 32 bits
        cases.push_back({"width that overflows", overflow, 3, SpriteSheetFileRegionOutside});
    }

    std::string path = tempPath("damaged.dat");
    for (const Case& c : cases) {
        writeBytes(path, c.bytes);
        SpriteSheetFile out = sampleSheet();
        EXPECT_EQ(readSpriteSheetFile(path.c_str(), kThemePages, c.sheetPages, out), c.expected) << c.what;
        EXPECT_TRUE(out.regions.empty()) << c.what;
        EXPECT_EQ(out.pageCount, 0) << c.what;
    }
    std::remove(path.c_str());
}

TEST(SpriteSheetFile, MissingFileAndUnwritablePathAreReported)
{
    SpriteSheetFile out;
    EXPECT_EQ(readSpriteSheetFile(tempPath("no-such-sheet.dat").c_str(), kThemePages, 3, out),
              SpriteSheetFileCannotOpen);
    EXPECT_EQ(writeSpriteSheetFile(tempPath("no-such-dir/x.dat").c_str(), sampleSheet()), SpriteSheetFileCannotWrite);
    EXPECT_STRNE(spriteSheetFileResultText(SpriteSheetFileCannotOpen), spriteSheetFileResultText(SpriteSheetFileOk));
}

TEST(SpriteSheetFile, PageNames)
{
    struct Case {
        const char* name;
        int index;
        const char* expected;
    } cases[] = {
        {"a.png", 2, "a_2.png"},
        {"theme3", 0, "theme3_0"},
        {".png", 1, ".png_1"},
        {"fullBitmap", 1, "fullBitmap_1"},
        {"theme5", 2, "theme5_2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spriteSheetPageName(c.name, c.index), c.expected) << c.name;
    EXPECT_EQ(spriteSheetPageFileName("fullBitmap", 0, 1), "fullBitmap");
    EXPECT_EQ(spriteSheetPageFileName("theme3", 1, 3), "theme3_1");
}
