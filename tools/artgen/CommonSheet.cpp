#include "CommonSheet.h"

#include "Backgrounds.h"
#include "Effects.h"
#include "HudPictures.h"
#include "SheetBuilder.h"
#include "graphics/CommonSheetLayout.h"

namespace {

// Each entry must start where the layout header says it does; a slip would shift every later picture.
bool at(const SheetBuilder& sheet, int expected, const char* what, std::string& error)
{
    if (sheet.regionCount() == expected)
        return true;
    error = std::string("fullBitmap: ") + what + " starts at region " + std::to_string(sheet.regionCount()) +
            ", the layout says " + std::to_string(expected);
    return false;
}

using Draw = void (*)(cairo_t*);

SheetBuilder::DrawFn plain(Draw fn)
{
    return [fn](cairo_t* cr, int, int) { fn(cr); };
}

void addHudRun(SheetBuilder& sheet, int medalLarge)
{
    sheet.add(30, 30, plain(drawUndoIcon));
    sheet.add(27, 36, plain(drawHintIcon));
    sheet.add(136, 5, plain(drawFrenzyBarBack));
    sheet.add(16, 5, plain(drawFrenzyBarFill), 2);
    sheet.add(5, 5, plain(drawFrenzyBarEnd));
    for (int grade = 0; grade < 3; ++grade)
        sheet.addShared(medalLarge + grade);
    sheet.add(36, 52, [](cairo_t* cr, int, int) { drawMedal(cr, 3, 1.0); });
    sheet.add(12, 4, plain(drawProgressCap));
    sheet.add(12, 24, plain(drawProgressFill), 2);
    sheet.add(12, 4, plain(drawProgressCap));
    sheet.add(36, 28, [](cairo_t* cr, int, int) { drawNumberBox(cr, 36, 28, true); });
    sheet.add(64, 28, plain(drawSkipLevelBox));
    sheet.add(36, 36, plain(drawTimeCircleBox));
    sheet.add(80, 28, [](cairo_t* cr, int, int) { drawNumberBox(cr, 80, 28, false); });
    sheet.add(33, 28, [](cairo_t* cr, int, int) { drawNumberBox(cr, 33, 28, false); });
}

}  // namespace

bool buildCommonSheet(const std::string& dir, std::string& error)
{
    SheetBuilder sheet("fullBitmap", {{1024, 1024}});
    int wood = sheet.add(320, 480, plain(drawMenuWood), 0);
    sheet.add(320, 480, plain(drawShade), 0);
    sheet.addShared(wood);
    sheet.add(80, 80, plain(drawEndOfPuzzleBadge));
    sheet.add(320, 16, plain(drawScoreboardShadow));
    sheet.add(215, 16, [](cairo_t* cr, int w, int h) { drawSoftBar(cr, w, h, 0.9); });
    if (!at(sheet, kCommonMedalLarge, "large medals", error))
        return false;
    for (int grade = 0; grade < 3; ++grade)
        sheet.add(36, 52, [grade](cairo_t* cr, int, int) { drawMedal(cr, grade, 1.0); });
    for (int grade = 0; grade < 3; ++grade)
        sheet.add(18, 26, [grade](cairo_t* cr, int, int) { drawMedal(cr, grade, 0.5); });
    if (!at(sheet, kCommonFurballShadow, "furball shadow", error))
        return false;
    sheet.add(45, 45, plain(drawFurballShadow));
    sheet.add(41, 41, plain(drawFurballShading));
    sheet.add(38, 54, plain(drawFinger));
    sheet.add(129, 152, [](cairo_t* cr, int w, int h) { drawGlowBox(cr, w, h); });
    sheet.add(5, 5, plain(drawProgressDot));
    if (!at(sheet, kCommonMenuHighlight, "menu highlight", error))
        return false;
    sheet.add(300, 52, [](cairo_t* cr, int w, int h) { drawSoftBar(cr, w, h, 0.55); });
    sheet.add(320, 14, plain(drawTopBanner), 0);
    sheet.add(22, 26, plain(drawBubbleTail));
    if (!at(sheet, kCommonHud, "heads-up run", error))
        return false;
    addHudRun(sheet, kCommonMedalLarge);
    if (!at(sheet, kCommonCellGlow, "cell glow", error))
        return false;
    sheet.add(128, 128, plain(drawCellGlow));
    sheet.add(60, 71, plain(drawWrongMoveCross));
    sheet.add(44, 50, plain(drawPadlock));
    if (!at(sheet, kCommonDigits, "digits", error))
        return false;
    for (int digit = 0; digit < 10; ++digit)
        sheet.add(44, 50, [digit](cairo_t* cr, int, int) { drawDigit(cr, digit); });
    for (int frame = 0; frame < 38; ++frame)
        sheet.add(36, 36, [frame](cairo_t* cr, int, int) { drawClockFrame(cr, frame); });
    if (!at(sheet, kCommonSmallDigits, "small digits", error))
        return false;
    for (int digit = 0; digit < 10; ++digit)
        sheet.add(14, 18, [digit](cairo_t* cr, int, int) { drawSmallDigit(cr, digit); });
    sheet.add(6, 20, plain(drawClockSeparator));
    sheet.add(40, 24, plain(drawInfinity));
    sheet.add(24, 24, plain(drawSparkle));
    sheet.add(16, 8, plain(drawInstructionArrow));
    if (!at(sheet, kCommonSparks, "sparks", error))
        return false;
    for (int family = 0; family < 10; ++family)
        for (int step = 0; step < 6; ++step)
            sheet.add(17, 17, [family, step](cairo_t* cr, int, int) { drawSpark(cr, family, step); });
    if (!at(sheet, kCommonLevelEndPanel, "level-end overlays", error))
        return false;
    sheet.add(240, 100, plain(drawLevelEndPanel));
    sheet.add(260, 120, plain(drawLevelEndGlow));
    if (!at(sheet, kCommonRegionCount, "the end", error))
        return false;
    return sheet.build(dir, error);
}
