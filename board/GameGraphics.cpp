#include "board/GameGraphics.h"

#include "graphics/LoadingScreen.h"
#include "Core/String.h"
#include "board/BoardViewServices.h"
#include "board/ThemeTable.h"
#include "graphics/Bitmap.h"
#include "ui/SharedMenuTextures.h"

GameGraphics* gGameGraphics = nullptr;

namespace {

const char* const kBoxFiles[kBoxCount] = {"Level_box.png", "SkipLevel.png", "Time_Circle.png", "Timer_box.png",
                                          "2_digit_box.png"};

void showProgress(LoadingScreen* loading, int value)
{
    if (loading)
        loading->setLoadingProgress(value);
}

} // namespace

GameGraphics::GameGraphics()
    : themeSheet(1024, 1024, true, 512, 512, 512, 256), commonSheet(1024, 1024, true, -1, -1, -1, -1)
{
    for (Bitmap*& box : boxBitmaps)
        box = nullptr;
}

GameGraphics::~GameGraphics()
{
    for (Bitmap*& box : boxBitmaps) {
        delete box;
        box = nullptr;
    }
}

void GameGraphics::setMiniBoard(int centreX)
{
    scale = 0.5f;
    viewCentreX = centreX;
    viewCentreY = 222;
}

void GameGraphics::resetView()
{
    viewCentreX = -1;
    viewCentreY = -1;
    scale = 1.0f;
}

ScreenPoint cellToScreen(const GameGraphics& g, int column, int row)
{
    return cellCorner(g.scale, g.viewCentreX, g.viewCentreY, static_cast<float>(column), static_cast<float>(row));
}

ScreenPoint cellToScreenF(const GameGraphics& g, float column, float row)
{
    return cellCorner(g.scale, g.viewCentreX, g.viewCentreY, column, row);
}

Bitmap* boxBitmapFor(const GameGraphics& g, int n)
{
    return g.boxBitmaps[n == 100 ? kBoxTwoDigit : kBoxTimer];
}

void loadThemeBitmaps(GameGraphics& graphics, int theme)
{
    if (theme < 0 || theme >= kThemeCount)
        theme = 0;
    boardChooseTheme(theme);
    const ThemeRow& row = ThemeTable[theme];
    graphics.themeSheet.reset();
    String name("theme");
    name += String::fromInt(theme);
    graphics.themeSheet.load(name.c_str(), name.c_str(), true, false);
    graphics.background = graphics.themeSheet.addImage(row.backgroundFile, 1.0f);
    graphics.themeShadow = SpriteRef();
    graphics.themeOverlay = SpriteRef();
    if (row.shadowFile)
        graphics.themeShadow = graphics.themeSheet.addImage(row.shadowFile, 1.0f);
    if (row.overlayFile)
        graphics.themeOverlay = graphics.themeSheet.addImage(row.overlayFile, 1.0f);
    graphics.furballFrames = graphics.themeSheet.takeRegions((row.extraFrames + 72) * 8);
    graphics.themeSheet.uploadPages();
}

void loadCommonGraphics(GameGraphics& graphics, LoadingScreen* loading)
{
    loadThemeBitmaps(graphics, boardTheme());
    SpriteSheet& sheet = graphics.commonSheet;
    SpriteRef* entry = graphics.common;
    showProgress(loading, 25);
    sheet.load("fullBitmap", "fullBitmap", true, true);
    showProgress(loading, 35);
    entry[kEntryWood] = sheet.addImage("Wood_320x480.png", 1.0f);
    showProgress(loading, 37);
    entry[kEntryShade] = sheet.takeRegions(1);
    showProgress(loading, 39);
    entry[kEntryAlternateBackground] = sheet.takeRegions(1);
    showProgress(loading, 40);
    entry[kEntryEndOfPuzzle] = sheet.addImagePadded("EndOfPuzzle.png", 1.0f);
    showProgress(loading, 42);
    entry[kEntryScoreboardShadow] = sheet.addImagePadded("Scoreboard_Shadow.png", 1.0f);
    entry[kEntryMenuBar] = sheet.addImagePadded("Menu_215x16.png", 1.0f);
    entry[kEntryMedalLarge] = sheet.addImagePadded("Medal_Bronze_36x52.png", 1.0f);
    entry[kEntryMedalLarge + 1] = sheet.addImagePadded("Medal_Silver_36x52.png", 1.0f);
    entry[kEntryMedalLarge + 2] = sheet.addImagePadded("Medal_Gold_36x52.png", 1.0f);
    showProgress(loading, 50);
    entry[kEntryMedalSmall] = sheet.addImagePadded("Medal_Bronze_18x26.png", 1.0f);
    entry[kEntryMedalSmall + 1] = sheet.addImagePadded("Medal_Silver_18x26.png", 1.0f);
    entry[kEntryMedalSmall + 2] = sheet.addImagePadded("Medal_Gold_18x26.png", 1.0f);
    showProgress(loading, 55);
    entry[kEntryFurballShadow] = sheet.addImage("FurballShadow.png", 1.0f);
    entry[kEntryFurballShading] = sheet.addImage("FurballShading.png", 1.0f);
    entry[kEntryFinger] = sheet.addImage("finger.png", 1.0f);
    entry[kEntryHighlight] = sheet.addImage("Highlight_129x152.png", 1.0f);
    entry[kEntryProgressWhite] = sheet.addImagePadded("Progress_white_5x5.png", 1.0f);
    showProgress(loading, 60);
    entry[kEntryMenuHighlight] = sheet.takeRegions(1);
    entry[kEntryTopBanner] = sheet.takeRegions(1);
    for (int i = 0; i < kBoxCount; i++) {
        delete graphics.boxBitmaps[i];
        graphics.boxBitmaps[i] = new Bitmap(kBoxFiles[i], 1.0f, true);
    }
    showProgress(loading, 65);
    entry[kEntryBubbleTail] = sheet.takeRegions(1);
    entry[kEntryHud] = sheet.takeRegions(17);
    setSharedMenuTexture(0, entry[kEntryWood].copyBitmap(0));
    showProgress(loading, 68);
    entry[kEntryCellGlow] = sheet.takeRegions(1);
    entry[kEntryWrongMove] = sheet.addImage("WrongMove_X_60x71.png", 1.0f);
    entry[kEntryPadlock] = sheet.addImage("Padlock_44x50.png", 1.0f);
    entry[kEntryDigits] = sheet.addImageFrames("Numbers_44x50_x10.png", 10, 44, 50, 1);
    entry[kEntryTimeCircle] = sheet.takeRegions(38);
    entry[kEntrySmallDigits] = sheet.takeRegions(10);
    entry[kEntryClockSeparator] = sheet.takeRegions(1);
    showProgress(loading, 70);
    entry[kEntryFreePlayPicture] = sheet.takeRegions(1);
    entry[kEntrySparkle] = sheet.takeRegions(1);
    showProgress(loading, 73);
    entry[kEntryInstructionArrow] = sheet.addImage("InstructionArrow_16x8_inverted.png", 1.0f);
    entry[kEntrySparks] = sheet.takeRegions(60);
    showProgress(loading, 75);
    entry[kEntryLevelEndPanel] = sheet.takeRegions(1);
    entry[kEntryLevelEndGlow] = sheet.takeRegions(1);
    showProgress(loading, 77);
    sheet.uploadPages();
    showProgress(loading, 80);
}
