#include <gtest/gtest.h>

#include "tests/graphics/GeneratedArt.h"
#include "board/ThemeTable.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/SpriteSheetFile.h"

#include <string>

// The generated art in the data folder, read back the way the game reads it.

namespace {

const SpriteSheetPageSize kThemePages[3] = {{1024, 1024}, {512, 512}, {512, 256}};
const SpriteSheetPageSize kCommonPages[1] = {{1024, 1024}};

bool overlaps(const SpriteRegion& a, const SpriteRegion& b)
{
    return a.page == b.page && a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool sameRect(const SpriteRegion& a, const SpriteRegion& b)
{
    return a.page == b.page && a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Regions either show exactly the same pixels or keep clear of each other.
void expectNoPartialOverlap(const SpriteSheetFile& file, const char* name)
{
    for (size_t i = 0; i < file.regions.size(); ++i)
        for (size_t j = i + 1; j < file.regions.size(); ++j)
            if (overlaps(file.regions[i], file.regions[j]) && !sameRect(file.regions[i], file.regions[j]))
                ADD_FAILURE() << name << ": regions " << i << " and " << j << " overlap";
}

struct ThemeCase {
    int theme;
    int regions;
    int framesBefore;  // background, shadow, overlay
    int frameRows;
};

}  // namespace

TEST(ArtSheets, ThemeSheetsHoldTheRegionsTheThemeTableAsksFor)
{
    const ThemeCase cases[] = {
        {0, 585, 1, 73}, {1, 577, 1, 72}, {2, 577, 1, 72}, {3, 657, 1, 82}, {4, 657, 1, 82}, {5, 579, 3, 72},
    };
    for (const ThemeCase& c : cases) {
        std::string name = "theme" + std::to_string(c.theme);
        SpriteSheetFile file;
        ASSERT_EQ(readSpriteSheetFile(dataPath(name + ".dat").c_str(), kThemePages, 3, file), SpriteSheetFileOk)
            << name;
        EXPECT_EQ(static_cast<int>(file.regions.size()), c.regions) << name;
        EXPECT_EQ(c.framesBefore + c.frameRows * 8, c.regions) << name;
        // The game's own table agrees with the counts above.
        const ThemeRow& row = ThemeTable[c.theme];
        EXPECT_EQ(1 + (row.shadowFile ? 1 : 0) + (row.overlayFile ? 1 : 0), c.framesBefore) << name;
        EXPECT_EQ(row.extraFrames + 72, c.frameRows) << name;
        EXPECT_EQ(file.pageCount, 3) << name;

        const SpriteRegion& background = file.regions[0];
        EXPECT_EQ(background.width, 320) << name;
        EXPECT_EQ(background.height, 480) << name;
        for (int i = 1; i < c.framesBefore; ++i) {
            EXPECT_EQ(file.regions[i].width, 45) << name << " shadow/overlay " << i;
            EXPECT_EQ(file.regions[i].height, 45) << name << " shadow/overlay " << i;
        }
        // The board sizes every frame by the first one.
        const SpriteRegion& first = file.regions[c.framesBefore];
        for (int i = c.framesBefore; i < c.regions; ++i) {
            ASSERT_EQ(file.regions[i].width, first.width) << name << " region " << i;
            ASSERT_EQ(file.regions[i].height, first.height) << name << " region " << i;
        }
        expectNoPartialOverlap(file, name.c_str());

        for (int page = 0; page < 3; ++page) {
            Image image;
            std::string png = spriteSheetPageFileName(name.c_str(), page, 3) + ".png";
            ASSERT_TRUE(loadPng(dataPath(png), image)) << png;
            EXPECT_EQ(image.width, kThemePages[page].width) << png;
            EXPECT_EQ(image.height, kThemePages[page].height) << png;
        }
    }
}

TEST(ArtSheets, EveryFurballFrameIsDrawnAndKeepsAClearEdge)
{
    // A frame with nothing in it would make a furball vanish; ink on the edge would bleed into
    // the neighbour when the page is filtered.
    const int framesBefore[6] = {1, 1, 1, 1, 1, 3};
    for (int theme = 0; theme < 6; ++theme) {
        std::string name = "theme" + std::to_string(theme);
        SpriteSheetFile file;
        ASSERT_EQ(readSpriteSheetFile(dataPath(name + ".dat").c_str(), kThemePages, 3, file), SpriteSheetFileOk);
        Image pages[3];
        for (int page = 0; page < 3; ++page)
            ASSERT_TRUE(loadPng(dataPath(spriteSheetPageFileName(name.c_str(), page, 3) + ".png"), pages[page]));
        for (size_t i = framesBefore[theme]; i < file.regions.size(); ++i) {
            const SpriteRegion& r = file.regions[i];
            const Image& img = pages[r.page];
            int opaque = 0;
            for (int y = r.y; y < r.y + r.height; ++y)
                for (int x = r.x; x < r.x + r.width; ++x)
                    opaque += img.alpha(x, y) > 200;
            ASSERT_GT(opaque, r.width * r.height / 4) << name << " region " << i;
            int edgeInk = 0;
            for (int k = 0; k < r.width; ++k)
                edgeInk += img.alpha(r.x + k, r.y) + img.alpha(r.x + k, r.y + r.height - 1);
            for (int k = 0; k < r.height; ++k)
                edgeInk += img.alpha(r.x, r.y + k) + img.alpha(r.x + r.width - 1, r.y + k);
            ASSERT_LT(edgeInk, 255 * 4) << name << " region " << i;
        }
    }
}

TEST(ArtSheets, LayoutFollowsTheLoadersOrder)
{
    // The common loader takes these runs one after the other; each constant must sit where the
    // runs before it end.
    const struct {
        int first;
        int count;
    } runs[] = {
        {kCommonWood, 1},          {kCommonShade, 1},          {kCommonAlternateBackground, 1},
        {kCommonEndOfPuzzle, 1},   {kCommonScoreboardShadow, 1}, {kCommonMenuBar, 1},
        {kCommonMedalLarge, 3},    {kCommonMedalSmall, 3},     {kCommonFurballShadow, 1},
        {kCommonFurballShading, 1}, {kCommonFinger, 1},        {kCommonHighlight, 1},
        {kCommonProgressWhite, 1}, {kCommonMenuHighlight, 1},  {kCommonTopBanner, 1},
        {kCommonBubbleTail, 1},    {kCommonHud, kHudPieceCount}, {kCommonCellGlow, 1},
        {kCommonWrongMove, 1},     {kCommonPadlock, 1},        {kCommonDigits, 10},
        {kCommonTimeCircle, 38},   {kCommonSmallDigits, 10},   {kCommonClockSeparator, 1},
        {kCommonFreePlayPicture, 1}, {kCommonSparkle, 1},      {kCommonInstructionArrow, 1},
        {kCommonSparks, 60},       {kCommonLevelEndPanel, 1},  {kCommonLevelEndGlow, 1},
    };
    int next = 0;
    for (const auto& run : runs) {
        EXPECT_EQ(run.first, next);
        next = run.first + run.count;
    }
    EXPECT_EQ(next, kCommonRegionCount);
    EXPECT_EQ(kHudPieceCount, 17);
}

TEST(ArtSheets, CommonSheetFollowsTheLayout)
{
    SpriteSheetFile file;
    ASSERT_EQ(readSpriteSheetFile(dataPath("fullBitmap.dat").c_str(), kCommonPages, 1, file), SpriteSheetFileOk);
    ASSERT_EQ(static_cast<int>(file.regions.size()), kCommonRegionCount);
    EXPECT_EQ(file.pageCount, 1);
    Image page;
    ASSERT_TRUE(loadPng(dataPath("fullBitmap.png"), page));
    EXPECT_EQ(page.width, 1024);
    EXPECT_EQ(page.height, 1024);
    expectNoPartialOverlap(file, "fullBitmap");

    struct Size {
        int first;
        int count;
        int width;
        int height;
    };
    const Size sizes[] = {
        {kCommonWood, 3, 320, 480},          {kCommonMedalLarge, 3, 36, 52},   {kCommonMedalSmall, 3, 18, 26},
        {kCommonFurballShadow, 1, 45, 45},   {kCommonFurballShading, 1, 41, 41},
        {kCommonHighlight, 1, 129, 152},     {kCommonProgressWhite, 1, 5, 5}, {kCommonWrongMove, 1, 60, 71},
        {kCommonPadlock, 1, 44, 50},         {kCommonDigits, 10, 44, 50},     {kCommonTimeCircle, 38, 36, 36},
        {kCommonSmallDigits, 10, 14, 18},    {kCommonInstructionArrow, 1, 16, 8}, {kCommonSparks, 60, 17, 17},
        {kCommonMenuBar, 1, 215, 16},        {kCommonTopBanner, 1, 320, 14},
        {kCommonHud + kHudGradeMedal, 4, 36, 52},
    };
    for (const Size& s : sizes)
        for (int i = s.first; i < s.first + s.count; ++i) {
            EXPECT_EQ(file.regions[i].width, s.width) << "region " << i;
            EXPECT_EQ(file.regions[i].height, s.height) << "region " << i;
        }
    // The grade medals reuse the large medals' pixels; the alternate background reuses the wood.
    for (int grade = 0; grade < 3; ++grade)
        EXPECT_TRUE(sameRect(file.regions[kCommonHud + kHudGradeMedal + grade], file.regions[kCommonMedalLarge + grade]));
    EXPECT_TRUE(sameRect(file.regions[kCommonAlternateBackground], file.regions[kCommonWood]));
    // Sparks are drawn through their inner 15 x 15 window: the picture must be there.
    for (int i = kCommonSparks; i < kCommonSparks + 60; ++i) {
        const SpriteRegion& r = file.regions[i];
        EXPECT_GT(page.alpha(r.x + 8, r.y + 8), 200) << "spark " << i;
    }
}

TEST(ArtSheets, LoosePicturesHaveTheirSizes)
{
    struct Loose {
        const char* name;
        int width;
        int height;
    } pictures[] = {
        {"Default.png", 320, 480},   {"Level_box.png", 36, 28},  {"SkipLevel.png", 64, 28},
        {"Time_Circle.png", 36, 36}, {"Timer_box.png", 80, 28},  {"2_digit_box.png", 33, 28},
        {"ScoreboardBackground.png", 320, 70}, {"Right_140x9.png", 140, 9}, {"Restart_33x27.png", 33, 27},
    };
    for (const Loose& p : pictures) {
        Image image;
        ASSERT_TRUE(loadPng(dataPath(p.name), image)) << p.name;
        EXPECT_EQ(image.width, p.width) << p.name;
        EXPECT_EQ(image.height, p.height) << p.name;
    }
    // The launch picture covers the whole screen.
    Image launch;
    ASSERT_TRUE(loadPng(dataPath("Default.png"), launch));
    for (int y = 0; y < launch.height; y += 16)
        for (int x = 0; x < launch.width; x += 16)
            ASSERT_EQ(launch.alpha(x, y), 255) << x << "," << y;
}
