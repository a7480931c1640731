#include "ThemeSheets.h"

#include "Backgrounds.h"
#include "SheetBuilder.h"
#include "ThemeArt.h"

namespace {

// The parts of the game's theme table that decide a sheet's layout.
struct ThemeLayout {
    int extraFrames;
    bool halfRate;
    ThemeArt (*art)();
};

const ThemeLayout kThemes[kThemeCount] = {
    {1, false, furballArt}, {0, false, soccerArt}, {0, false, fruitArt},
    {10, true, pandaArt},   {10, true, turtleArt}, {0, true, marbleArt},
};

const int kColours = 8;

}  // namespace

int themeRegionCount(int theme)
{
    const ThemeLayout& t = kThemes[theme];
    ThemeArt art = t.art();
    return 1 + (art.drawShadow ? 1 : 0) + (art.drawOverlay ? 1 : 0) + (t.extraFrames + 72) * kColours;
}

bool buildThemeSheet(int theme, const std::string& dir, std::string& error)
{
    const ThemeLayout& t = kThemes[theme];
    ThemeArt art = t.art();
    SheetBuilder sheet("theme" + std::to_string(theme), {{1024, 1024}, {512, 512}, {512, 256}});
    void (*boardArea)(cairo_t*) = art.drawBoardArea;
    sheet.add(320, 480, [boardArea](cairo_t* cr, int, int) { drawThemeBackground(cr, boardArea); }, 0);
    if (art.drawShadow)
        sheet.add(45, 45, [&art](cairo_t* cr, int, int) { art.drawShadow(cr); });
    if (art.drawOverlay)
        sheet.add(45, 45, [&art](cairo_t* cr, int, int) { art.drawOverlay(cr); });

    int rows = t.extraFrames + 72;
    int firstFrame = sheet.regionCount();
    for (int row = 0; row < rows; ++row) {
        for (int colour = 0; colour < kColours; ++colour) {
            if (row >= art.storedFrames) {
                // Rows past the stored frames are never drawn by the game (half-rate frame numbers).
                sheet.addShared(firstFrame + colour);
                continue;
            }
            int size = art.frameSize;
            sheet.addKeyed(art.frameKey(row, colour), size, size, [&art, row, colour](cairo_t* cr, int w, int) {
                art.drawFrame(cr, w, row, colour);
            });
        }
    }
    return sheet.build(dir, error);
}
