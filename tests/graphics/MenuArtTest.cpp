#include <gtest/gtest.h>

#include "tests/graphics/GeneratedArt.h"
#include "tests/support/TempFolder.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/SpriteSheetFile.h"

#include <dirent.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Every picture the game asks for by name must be in the data folder (or be an entry of a sheet
// with a fixed layout), at the size its name gives; and the pictures whose pixels the menus read
// as rules (masks, shadows, stretchable middles) must keep those rules.

namespace {

// The source folders of the game, floor by floor; the tools and tests are not the game.
const char* const kSourceFolders[] = {"Core", "platform", "graphics", "sound", "settings", "board",
                                      "ui",   "scores",   "modes",    "game",  "menus"};

// Named in the game's data but never loaded as a picture.
const std::set<std::string> kNotLoaded = {"harpsleyad.png"};

// Every picture the menus load by name.
const char* const kMenuPictures[] = {
    "Wood_Mask_50x50.png", "Wood_Highlight_50x50.png", "MenuShadow_100x100.png", "Divider_245x3.png",
    "Button_shrunk_25x41.png", "Button_Large_shrunk_30x45.png", "Button_SmallRounded_shrunk_20x30.png",
    "SmallRounded_30x30.png", "Back_30x30.png", "GreenButton_25x25.png", "Left_69x30.png", "Middle_69x30.png",
    "Right_69x30.png", "Left_69x30_down.png", "Middle_69x30_down.png", "Right_69x30_down.png",
    "FieldBackground_281x47.png", "OnOffSlider_145x25.png", "BlankSwitch.png", "OnOffMask_92x25.png",
    "OnOffHighlightShadow_92x27.png", "Button_28x28.png", "Left_140x9.png", "Right_140x9.png",
    "InstructionBubble_50x50_inverted.png", "Border_273x132.png", "TipIcon_23x22.png", "Arrow_10x5.png",
    "PageDot_4x4.png", "PeriodBackground_284x46.png", "Overlay_shrunk.png", "HighScoreShadow_shrunk.png",
    "ShadowHighlight_shrunk.png", "GrassTile_176x217.png", "Arcade_60x65.png", "Free_60x65.png", "BtC_60x65.png",
    "Challenge.png", "Easy_64x64.png", "Medium_64x64.png", "Hard_64x64.png", "Easy_small.png", "Medium_small.png",
    "Hard_small.png", "NewStar_26x26.png", "BtCSliderBackground_248x78.png", "BtC_Slider_Shadow_248x77.png",
    "Default_136x195.png", "Soccer_136x195.png", "Fruit_136x195.png", "Panda_136x195.png", "Turtle_136x195.png",
    "Marble_136x195.png", "gb.png", "de.png", "es.png", "fr.png", "it.png", "MarbixTitle_243x110.png",
    "MarbixIcon_57x86.png", "MarbixSS1.PNG", "MarbixSS2.PNG", "MarbixSS3.PNG", "Star_14x14.png",
};

// Sheet entries whose names carry a size, and the region of the common sheet that holds them.
const std::map<std::string, int> kCommonEntries = {
    {"Wood_320x480.png", kCommonWood},
    {"Menu_215x16.png", kCommonMenuBar},
    {"Medal_Bronze_36x52.png", kCommonMedalLarge},
    {"Medal_Silver_36x52.png", kCommonMedalLarge + 1},
    {"Medal_Gold_36x52.png", kCommonMedalLarge + 2},
    {"Medal_Bronze_18x26.png", kCommonMedalSmall},
    {"Medal_Silver_18x26.png", kCommonMedalSmall + 1},
    {"Medal_Gold_18x26.png", kCommonMedalSmall + 2},
    {"Highlight_129x152.png", kCommonHighlight},
    {"Progress_white_5x5.png", kCommonProgressWhite},
    {"WrongMove_X_60x71.png", kCommonWrongMove},
    {"Padlock_44x50.png", kCommonPadlock},
    {"Numbers_44x50_x10.png", kCommonDigits},
    {"InstructionArrow_16x8_inverted.png", kCommonInstructionArrow},
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void collectSourceFiles(const std::string& dir, std::vector<std::string>& out)
{
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        std::string path = dir + "/" + name;
        if (e->d_type == DT_DIR)
            collectSourceFiles(path, out);
        else if (name.size() > 2 && (name.compare(name.size() - 4, 4, ".cpp") == 0 ||
                                     name.compare(name.size() - 2, 2, ".h") == 0))
            out.push_back(path);
    }
    closedir(d);
}

// Quoted names matching `pattern` (its first group is the name) in one text.
void findNames(const std::string& text, const std::regex& pattern, std::set<std::string>& out)
{
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        out.insert((*it)[1].str());
}

std::string source(const char* relative)
{
    return std::string(KELZO_SOURCE_DIR) + "/" + relative;
}

// Picture names in quotes anywhere in the game's sources (format strings left out).
std::set<std::string> namesInSources()
{
    std::vector<std::string> files;
    for (const char* folder : kSourceFolders)
        collectSourceFiles(source(folder), files);
    std::set<std::string> names;
    std::regex quoted("\"([^\"%\\s/]+\\.(png|PNG))\"");
    for (const std::string& f : files)
        findNames(readFile(f), quoted, names);
    return names;
}

// Names the fixed-layout sheets give their entries: the common sheet's loader and the theme table.
std::set<std::string> sheetEntryNames()
{
    std::set<std::string> names;
    findNames(readFile(source("board/GameGraphics.cpp")),
              std::regex("addImage(?:Padded|Frames)?\\(\"([^\"]+)\""), names);
    findNames(readFile(source("board/ThemeTable.cpp")), std::regex("\"([^\"]+\\.png)\""), names);
    return names;
}

struct NamedSize {
    bool present = false;
    int width = 0;
    int height = 0;
    int frames = 1;
};

// The size in a name: "_<w>x<h>", or "_<w>x<h>_x<n>" for n frames; the last one counts.
NamedSize sizeInName(const std::string& name)
{
    NamedSize size;
    std::regex pattern("_(\\d+)x(\\d+)(?:_x(\\d+))?(?=[_.])");
    for (std::sregex_iterator it(name.begin(), name.end(), pattern), end; it != end; ++it) {
        size.present = true;
        size.width = std::stoi((*it)[1].str());
        size.height = std::stoi((*it)[2].str());
        size.frames = (*it)[3].matched ? std::stoi((*it)[3].str()) : 1;
    }
    return size;
}

// Why a picture the game asks for is not there as named, or "" when it is.
std::string checkPicture(const std::string& dir, const std::string& name, const std::set<std::string>& sheetEntries,
                         const SpriteSheetFile& common)
{
    NamedSize named = sizeInName(name);
    Image image;
    if (loadPng(dir + "/" + name, image)) {
        if (!named.present)
            return "";
        bool across = image.width == named.width * named.frames && image.height == named.height;
        bool down = image.width == named.width && image.height == named.height * named.frames;
        if (across || down)
            return "";
        return "is " + std::to_string(image.width) + " x " + std::to_string(image.height);
    }
    if (!sheetEntries.count(name))
        return "is neither in the data folder nor a sheet entry";
    if (!named.present)
        return "";
    auto entry = kCommonEntries.find(name);
    if (entry == kCommonEntries.end())
        return "is a sheet entry with a size, but this test does not know its region";
    for (int i = entry->second; i < entry->second + named.frames; ++i) {
        const SpriteRegion& r = common.regions.at(i);
        if (r.width != named.width || r.height != named.height)
            return "region " + std::to_string(i) + " is " + std::to_string(r.width) + " x " +
                   std::to_string(r.height);
    }
    return "";
}

bool writeBlankPng(const std::string& path, int width, int height)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4, 0);
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}

}  // namespace

TEST(MenuArt, NamesCarryTheirSizesInTheRightPlaces)
{
    struct Case {
        const char* name;
        bool present;
        int width, height, frames;
    } cases[] = {
        {"Back_30x30.png", true, 30, 30, 1},
        {"Left_69x30_down.png", true, 69, 30, 1},
        {"InstructionBubble_50x50_inverted.png", true, 50, 50, 1},
        {"Numbers_44x50_x10.png", true, 44, 50, 10},
        {"BtC_Slider_Shadow_248x77.png", true, 248, 77, 1},
        {"Overlay_shrunk.png", false, 0, 0, 1},
        {"gb.png", false, 0, 0, 1},
        {"Box_3x4y.png", false, 0, 0, 1},
    };
    for (const Case& c : cases) {
        NamedSize s = sizeInName(c.name);
        EXPECT_EQ(s.present, c.present) << c.name;
        if (!c.present)
            continue;
        EXPECT_EQ(s.width, c.width) << c.name;
        EXPECT_EQ(s.height, c.height) << c.name;
        EXPECT_EQ(s.frames, c.frames) << c.name;
    }
}

TEST(MenuArt, EveryPictureTheGameNamesIsThereAtItsSize)
{
    const SpriteSheetPageSize pages[1] = {{1024, 1024}};
    SpriteSheetFile common;
    ASSERT_EQ(readSpriteSheetFile(dataPath("fullBitmap.dat").c_str(), pages, 1, common), SpriteSheetFileOk);
    ASSERT_EQ(static_cast<int>(common.regions.size()), kCommonRegionCount);
    std::set<std::string> entries = sheetEntryNames();
    // The scan must see the loaders, or it would pass on nothing.
    ASSERT_TRUE(entries.count("Wood_320x480.png"));
    ASSERT_TRUE(entries.count("GrassWithGrid.png"));

    std::set<std::string> names = namesInSources();
    ASSERT_TRUE(names.count("Level_box.png"));
    for (const char* name : kMenuPictures)
        names.insert(name);
    for (const std::string& name : names) {
        if (kNotLoaded.count(name))
            continue;
        std::string problem = checkPicture(KELZO_DATA_DIR, name, entries, common);
        EXPECT_EQ(problem, "") << name;
    }
}

class MenuArtCheck : public TempFolderTest {};

TEST_F(MenuArtCheck, FindsAMissingOrMisSizedPicture)
{
    const SpriteSheetPageSize pages[1] = {{1024, 1024}};
    SpriteSheetFile common;
    ASSERT_EQ(readSpriteSheetFile(dataPath("fullBitmap.dat").c_str(), pages, 1, common), SpriteSheetFileOk);
    std::set<std::string> entries = sheetEntryNames();
    // A picture one row taller than its name says, a strip of two frames and one without a size.
    std::string dir = ".";
    ASSERT_TRUE(writeBlankPng(dir + "/Tile_8x8.png", 8, 9));
    ASSERT_TRUE(writeBlankPng(dir + "/Strip_8x8_x2.png", 16, 8));
    ASSERT_TRUE(writeBlankPng(dir + "/Plain.png", 5, 7));
    EXPECT_NE(checkPicture(dir, "Tile_8x8.png", entries, common), "");
    EXPECT_EQ(checkPicture(dir, "Strip_8x8_x2.png", entries, common), "");
    EXPECT_EQ(checkPicture(dir, "Plain.png", entries, common), "");
    EXPECT_NE(checkPicture(dir, "Missing_4x4.png", entries, common), "");
    // Sheet entries are measured in the sheet.
    EXPECT_EQ(checkPicture(dir, "Numbers_44x50_x10.png", entries, common), "");
    EXPECT_EQ(checkPicture(dir, "Medal_Gold_18x26.png", entries, common), "");
}

namespace {

// One pixel rule: "" when the picture keeps it, else what is wrong.
using PixelCheck = std::function<std::string(const Image&)>;

std::string where(int x, int y)
{
    return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool samePixel(const Image& img, int x0, int y0, int x1, int y1)
{
    return std::memcmp(img.at(x0, y0), img.at(x1, y1), 4) == 0;
}

// Columns first..last are the same as column first, on rows top..bottom (all rows when bottom < 0):
// the game repeats such a column to widen the picture.
PixelCheck plainColumns(int first, int last, int top = 0, int bottom = -1)
{
    return [=](const Image& img) -> std::string {
        int lastRow = bottom < 0 ? img.height - 1 : bottom;
        for (int x = first + 1; x <= last; ++x)
            for (int y = top; y <= lastRow; ++y)
                if (!samePixel(img, x, y, first, y))
                    return "column " + std::to_string(x) + " differs from column " + std::to_string(first) + where(x, y);
        return "";
    };
}

PixelCheck plainRows(int first, int last)
{
    return [=](const Image& img) -> std::string {
        for (int y = first + 1; y <= last; ++y)
            for (int x = 0; x < img.width; ++x)
                if (!samePixel(img, x, y, x, first))
                    return "row " + std::to_string(y) + " differs from row " + std::to_string(first) + where(x, y);
        return "";
    };
}

// The stretch point of the game's centre stretch, and its two neighbours.
PixelCheck plainMiddleColumn()
{
    return [](const Image& img) { return plainColumns(img.width / 2 - 1, img.width / 2 + 1)(img); };
}

PixelCheck plainMiddleRow()
{
    return [](const Image& img) { return plainRows(img.height / 2 - 1, img.height / 2 + 1)(img); };
}

PixelCheck clearBox(int x0, int y0, int x1, int y1)
{
    return [=](const Image& img) -> std::string {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (img.alpha(x, y) != 0)
                    return "not clear" + where(x, y);
        return "";
    };
}

PixelCheck mirrored()
{
    return [](const Image& img) -> std::string {
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width / 2; ++x)
                if (!samePixel(img, x, y, img.width - 1 - x, y))
                    return "not mirrored" + where(x, y);
        return "";
    };
}

PixelCheck alphaAt(int x, int y, int minimum)
{
    return [=](const Image& img) -> std::string {
        return img.alpha(x, y) >= minimum ? "" : "alpha " + std::to_string(img.alpha(x, y)) + where(x, y);
    };
}

// The panel composer copies wood wherever the blue byte is set: it must mark the shape and nothing else.
PixelCheck blueMarksTheShape()
{
    return [](const Image& img) -> std::string {
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const unsigned char* p = img.at(x, y);
                if ((p[2] != 0) != (p[3] != 0))
                    return "blue and alpha disagree" + where(x, y);
            }
        return img.at(img.width / 2, img.height / 2)[2] == 255 && img.at(0, 0)[2] == 0 ? "" : "not a filled shape";
    };
}

// The switch composer copies a row unmasked from the first fully opaque pixel to its mirror: in every
// row the opaque pixels must be one run, centred.
PixelCheck opaqueRunsCentred()
{
    return [](const Image& img) -> std::string {
        for (int y = 0; y < img.height; ++y) {
            int first = -1, last = -1, count = 0;
            for (int x = 0; x < img.width; ++x)
                if (img.alpha(x, y) == 255) {
                    if (first < 0)
                        first = x;
                    last = x;
                    ++count;
                }
            if (count == 0)
                continue;
            if (count != last - first + 1 || first + last != img.width - 1)
                return "opaque pixels of row " + std::to_string(y) + " are not one centred run";
        }
        return "";
    };
}

// Overlay pictures must be grey, or they would tint the wood they are laid over.
PixelCheck grey()
{
    return [](const Image& img) -> std::string {
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x) {
                const unsigned char* p = img.at(x, y);
                if (p[3] > 0 && (p[0] != p[1] || p[1] != p[2]))
                    return "not grey" + where(x, y);
            }
        return "";
    };
}

bool isBrass(const unsigned char* p)
{
    return p[0] > p[2] + 50 && p[0] > 110;
}

// The switch strip: brass only in the knob's columns, a dark "on" face for white words on the left,
// a light "off" face for black words on the right.
PixelCheck knobBetween(int first, int last)
{
    return [=](const Image& img) -> std::string {
        int y = img.height / 2;
        for (int x = 0; x < img.width; ++x) {
            bool inKnob = x >= first && x <= last;
            if (isBrass(img.at(x, y)) != inKnob && (x == first - 1 || x == last + 1 || x == first + 2 || x == last - 2))
                return "knob edge not where it belongs" + where(x, y);
            if (!inKnob && isBrass(img.at(x, y)))
                return "brass outside the knob" + where(x, y);
        }
        auto light = [&](int x, int y) {
            const unsigned char* p = img.at(x, y);
            return (p[0] * 3 + p[1] * 6 + p[2]) / 10;
        };
        if (light(3, 4) > 110 || light(48, 20) > 110)
            return "the on face is too light for white words";
        if (light(96, 4) < 170 || light(140, 20) < 170)
            return "the off face is too dark for black words";
        return "";
    };
}

// For pictures whose names carry no size: the size the menus lay them out by.
PixelCheck sizeWithin(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    return [=](const Image& img) -> std::string {
        if (img.width < minWidth || img.width > maxWidth || img.height < minHeight || img.height > maxHeight)
            return "is " + std::to_string(img.width) + " x " + std::to_string(img.height);
        return "";
    };
}

PixelCheck sized(int width, int height)
{
    return sizeWithin(width, height, width, height);
}

// The theme menu letters the name into this band with a blend that about doubles the band's brightness: a
// band too dark leaves the letters dark, one too light leaves them no lighter than the band.
PixelCheck nameBand(int top, int bottom)
{
    return [=](const Image& img) -> std::string {
        for (int y = top + 1; y < bottom; ++y)
            for (int x = 3; x < img.width - 3; ++x) {
                const unsigned char* p = img.at(x, y);
                const int luma = (p[0] * 3 + p[1] * 6 + p[2]) / 10;
                if (luma < 75)
                    return "too dark: the letters would stay dark" + where(x, y);
                if (luma > 127)
                    return "too light: the letters would not stand out" + where(x, y);
            }
        return "";
    };
}

struct PixelRule {
    const char* picture;
    const char* rule;
    PixelCheck check;
};

}  // namespace

TEST(MenuArt, PicturesKeepThePixelRulesTheMenusReadThemBy)
{
    const PixelRule rules[] = {
        {"Wood_Mask_50x50.png", "shape in the blue byte", blueMarksTheShape()},
        {"Wood_Mask_50x50.png", "corners of 11, middle columns plain", plainColumns(11, 38)},
        {"Wood_Mask_50x50.png", "corners of 11, middle rows plain", plainRows(11, 38)},
        {"Wood_Highlight_50x50.png", "clear middle", clearBox(11, 11, 38, 38)},
        {"Wood_Highlight_50x50.png", "middle columns plain", plainColumns(11, 38)},
        {"Wood_Highlight_50x50.png", "middle rows plain", plainRows(11, 38)},
        {"Wood_Highlight_50x50.png", "a bevel along the top", alphaAt(25, 2, 40)},
        {"MenuShadow_100x100.png", "symmetric", mirrored()},
        {"MenuShadow_100x100.png", "clear outside the read parts", clearBox(18, 0, 81, 66)},
        {"MenuShadow_100x100.png", "a shadow below", alphaAt(50, 82, 60)},
        {"MenuShadow_100x100.png", "a shadow beside", alphaAt(7, 30, 20)},
        {"MenuShadow_100x100.png", "bottom middle plain", plainColumns(50, 52, 67, 99)},
        {"Divider_245x3.png", "grey", grey()},
        {"Button_shrunk_25x41.png", "stretchable", plainMiddleColumn()},
        {"Button_shrunk_25x41.png", "grey", grey()},
        {"Button_Large_shrunk_30x45.png", "stretchable", plainMiddleColumn()},
        {"Button_Large_shrunk_30x45.png", "grey", grey()},
        {"Button_SmallRounded_shrunk_20x30.png", "stretchable", plainMiddleColumn()},
        {"Button_SmallRounded_shrunk_20x30.png", "grey", grey()},
        {"SmallRounded_30x30.png", "stretchable", plainMiddleColumn()},
        {"SmallRounded_30x30.png", "grey", grey()},
        {"Back_30x30.png", "stretchable", plainMiddleColumn()},
        {"Back_30x30.png", "grey", grey()},
        {"Back_30x30.png", "pointed left end", alphaAt(1, 15, 128)},
        {"FieldBackground_281x47.png", "grey", grey()},
        {"FieldBackground_281x47.png", "plain inset", plainColumns(94, 270, 11, 36)},
        {"GreenButton_25x25.png", "stretchable", plainMiddleColumn()},
        {"Left_69x30.png", "stretchable", plainMiddleColumn()},
        {"Middle_69x30.png", "stretchable", plainMiddleColumn()},
        {"Right_69x30.png", "stretchable", plainMiddleColumn()},
        {"Left_69x30_down.png", "stretchable", plainMiddleColumn()},
        {"Middle_69x30_down.png", "stretchable", plainMiddleColumn()},
        {"Right_69x30_down.png", "stretchable", plainMiddleColumn()},
        {"OnOffSlider_145x25.png", "knob in columns 53 to 91", knobBetween(53, 91)},
        {"BlankSwitch.png", "knob in columns 53 to 91", knobBetween(53, 91)},
        {"OnOffMask_92x25.png", "symmetric", mirrored()},
        {"OnOffMask_92x25.png", "opaque inside, in centred runs", opaqueRunsCentred()},
        {"OnOffMask_92x25.png", "opaque across the middle", plainColumns(13, 78)},
        {"OnOffMask_92x25.png", "alpha 255 inside", alphaAt(46, 12, 255)},
        {"Left_140x9.png", "stretchable", plainMiddleColumn()},
        {"Left_140x9.png", "the fill is solid in the middle", alphaAt(70, 4, 255)},
        {"Right_140x9.png", "stretchable", plainMiddleColumn()},
        {"InstructionBubble_50x50_inverted.png", "middle column plain", plainColumns(24, 26)},
        {"InstructionBubble_50x50_inverted.png", "middle row plain", plainRows(24, 26)},
        {"Border_273x132.png", "stretchable sideways", plainMiddleColumn()},
        {"Border_273x132.png", "stretchable upwards", plainMiddleRow()},
        {"Overlay_shrunk.png", "stretchable sideways", plainMiddleColumn()},
        {"Overlay_shrunk.png", "stretchable upwards", plainMiddleRow()},
        // The game drops 77 rows about the middle: they must all be alike.
        {"HighScoreShadow_shrunk.png", "rows dropped plain", plainRows(20, 102)},
        {"HighScoreShadow_shrunk.png", "stretchable sideways", plainMiddleColumn()},
        {"ShadowHighlight_shrunk.png", "stretchable sideways", plainMiddleColumn()},
        {"ShadowHighlight_shrunk.png", "stretchable upwards", plainMiddleRow()},
        {"Overlay_shrunk.png", "a small nine-patch", sizeWithin(20, 20, 40, 40)},
        {"HighScoreShadow_shrunk.png", "more rows than the 77 dropped", sizeWithin(1, 78, 200, 400)},
        {"BlankSwitch.png", "as wide as the strip", sized(145, 25)},
        {"Challenge.png", "as big as the other mode tiles", sized(60, 65)},
        {"Easy_small.png", "fits the small tile", sizeWithin(30, 30, 58, 55)},
        {"Medium_small.png", "fits the small tile", sizeWithin(30, 30, 58, 55)},
        {"Hard_small.png", "fits the small tile", sizeWithin(30, 30, 58, 55)},
        // The plate is widened at a third and two thirds of its width and heightened at the middle.
        {"BtCSliderBackground_248x78.png", "stretchable at a third", plainColumns(81, 83)},
        {"BtCSliderBackground_248x78.png", "stretchable at two thirds", plainColumns(164, 166)},
        {"BtCSliderBackground_248x78.png", "stretchable upwards", plainRows(38, 40)},
        {"BtC_Slider_Shadow_248x77.png", "see-through middle", clearBox(62, 9, 185, 67)},
        {"BtC_Slider_Shadow_248x77.png", "dark ends", alphaAt(2, 38, 200)},
        {"BtC_Slider_Shadow_248x77.png", "stretchable upwards", plainRows(37, 39)},
        {"Default_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"Soccer_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"Fruit_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"Panda_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"Turtle_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"Marble_136x195.png", "mid-tone name band", nameBand(154, 174)},
        {"gb.png", "the flags' size", sized(66, 44)},
        {"de.png", "the flags' size", sized(66, 44)},
        {"es.png", "the flags' size", sized(66, 44)},
        {"fr.png", "the flags' size", sized(66, 44)},
        {"it.png", "the flags' size", sized(66, 44)},
        {"MarbixSS1.PNG", "screenshot size", sized(64, 96)},
        {"MarbixSS2.PNG", "screenshot size", sized(64, 96)},
        {"MarbixSS3.PNG", "screenshot size", sized(64, 96)},
    };
    for (const PixelRule& r : rules) {
        Image image;
        ASSERT_TRUE(loadPng(dataPath(r.picture), image)) << r.picture;
        EXPECT_EQ(r.check(image), "") << r.picture << ": " << r.rule;
    }
}

TEST(MenuArt, PixelRulesCatchBrokenPictures)
{
    // A small capsule-like picture that keeps the rules, then the same with one fault each.
    Image good;
    good.width = 6;
    good.height = 3;
    good.rgba.assign(6 * 3 * 4, 0);
    auto set = [](Image& img, int x, int y, unsigned char v, unsigned char a) {
        unsigned char* p = &img.rgba[(static_cast<size_t>(y) * img.width + x) * 4];
        p[0] = p[1] = p[2] = v;
        p[3] = a;
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 1; x < 5; ++x)
            set(good, x, y, 255, 255);
    EXPECT_EQ(mirrored()(good), "");
    EXPECT_EQ(opaqueRunsCentred()(good), "");
    EXPECT_EQ(blueMarksTheShape()(good), "");
    EXPECT_EQ(plainMiddleColumn()(good), "");
    EXPECT_EQ(grey()(good), "");

    Image offCentre = good;
    set(offCentre, 1, 1, 0, 0);
    EXPECT_NE(mirrored()(offCentre), "");
    EXPECT_NE(opaqueRunsCentred()(offCentre), "");

    Image seam = good;
    set(seam, 3, 2, 40, 255);
    EXPECT_NE(plainMiddleColumn()(seam), "");

    Image tinted = good;
    tinted.rgba[(1 * 6 + 2) * 4 + 0] = 200;
    EXPECT_NE(grey()(tinted), "");

    Image strayBlue = good;
    strayBlue.rgba[0 * 4 + 2] = 9;  // blue in a clear pixel
    EXPECT_NE(blueMarksTheShape()(strayBlue), "");
    EXPECT_EQ(clearBox(0, 0, 0, 2)(good), "");
    EXPECT_NE(clearBox(0, 0, 1, 2)(good), "");

    // A name band: its inner rows must be mid-tone; the old near-black band left the letters unreadable.
    Image band;
    band.width = 8;
    band.height = 3;
    band.rgba.assign(8 * 3 * 4, 255);
    const struct {
        unsigned char grey;
        bool kept;
    } bands[] = {{24, false}, {74, false}, {75, true}, {110, true}, {127, true}, {128, false}, {230, false}};
    for (const auto& b : bands) {
        for (int x = 0; x < 8; ++x)
            set(band, x, 1, b.grey, 255);
        EXPECT_EQ(nameBand(0, 2)(band) == "", b.kept) << "grey " << int(b.grey);
    }
}
