#include "ThemeSheets.h"

#include "Backgrounds.h"
#include "SheetBuilder.h"
#include "ThemeArt.h"

ThemeArt themeArt(int theme)
{
    static ThemeArt (*const art[kThemeCount])() = {furballArt, soccerArt, fruitArt, pandaArt, turtleArt, marbleArt};
    return art[theme]();
}

namespace {

// The frame layout multiplies by 8 whatever the colour count says.
const int kColours = 8;

}  // namespace

bool buildThemeSheet(int theme, const std::string& dir, std::string& error)
{
    const ThemeRow& row = ThemeTable[theme];
    ThemeArt art = themeArt(theme);
    if ((row.shadowFile != nullptr) != (art.drawShadow != nullptr) ||
        (row.overlayFile != nullptr) != (art.drawOverlay != nullptr)) {
        error = "theme" + std::to_string(theme) + ": the art's shadow and overlay do not match the theme table";
        return false;
    }
    // Half-rate themes halve the frame number, so they only ever reach the first half of the rows.
    int usedRows = row.halfRateFrames ? (71 + row.extraFrames) / 2 + 1 : 72 + row.extraFrames;
    if (art.storedFrames != usedRows) {
        error = "theme" + std::to_string(theme) + ": the art draws " + std::to_string(art.storedFrames) +
                " frame rows, the theme table uses " + std::to_string(usedRows);
        return false;
    }
    SheetBuilder sheet("theme" + std::to_string(theme), {{1024, 1024}, {512, 512}, {512, 256}});
    void (*boardArea)(cairo_t*) = art.drawBoardArea;
    sheet.add(320, 480, [boardArea](cairo_t* cr, int, int) { drawThemeBackground(cr, boardArea); }, 0);
    if (row.shadowFile)
        sheet.add(45, 45, [&art](cairo_t* cr, int, int) { art.drawShadow(cr); });
    if (row.overlayFile)
        sheet.add(45, 45, [&art](cairo_t* cr, int, int) { art.drawOverlay(cr); });

    int rows = row.extraFrames + 72;
    int firstFrame = sheet.regionCount();
    for (int frameRow = 0; frameRow < rows; ++frameRow) {
        for (int colour = 0; colour < kColours; ++colour) {
            if (frameRow >= art.storedFrames) {
                // Rows past the stored frames are never drawn by the game (half-rate frame numbers).
                sheet.addShared(firstFrame + colour);
                continue;
            }
            int size = art.frameSize;
            sheet.addKeyed(art.frameKey(frameRow, colour), size, size, [&art, frameRow, colour](cairo_t* cr, int w, int) {
                art.drawFrame(cr, w, frameRow, colour);
            });
        }
    }
    return sheet.build(dir, error);
}
