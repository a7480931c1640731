#ifndef KELZO_BOARD_GAMEGRAPHICS_H
#define KELZO_BOARD_GAMEGRAPHICS_H

#include <cstdint>

#include "board/CellGeometry.h"
#include "graphics/SpriteSheet.h"

class Bitmap;
class LoadingScreen;

// The pictures every screen shares, in the order the loader takes them from
// "fullBitmap.dat" (one entry per take; some entries are runs of frames).
enum CommonEntry {
    kEntryWood = 0,            // full-screen wood of the menus
    kEntryShade,
    kEntryAlternateBackground,
    kEntryEndOfPuzzle,
    kEntryScoreboardShadow,
    kEntryMenuBar,
    kEntryMedalLarge,          // three entries: bronze, silver, gold
    kEntryMedalSmall = kEntryMedalLarge + 3,
    kEntryFurballShadow = kEntryMedalSmall + 3,
    kEntryFurballShading,
    kEntryFinger,
    kEntryHighlight,
    kEntryProgressWhite,
    kEntryMenuHighlight,
    kEntryTopBanner,
    kEntryBubbleTail,
    kEntryHud,                 // 17 heads-up pieces
    kEntryCellGlow,
    kEntryWrongMove,
    kEntryPadlock,
    kEntryDigits,              // 10 frames, digits 0..9
    kEntryTimeCircle,          // 38 frames
    kEntrySmallDigits,         // 10 frames
    kEntryClockSeparator,
    kEntryFreePlayPicture,
    kEntrySparkle,
    kEntryInstructionArrow,
    kEntrySparks,              // 60 frames: family x 6 + rotation step
    kEntryLevelEndPanel,
    kEntryLevelEndGlow,
    kCommonEntryCount
};

// The heads-up box pictures, each loaded by itself.
enum BoxBitmap {
    kBoxLevel = 0,
    kBoxSkipLevel,
    kBoxTimeCircle,
    kBoxTimer,
    kBoxTwoDigit,
    kBoxCount
};

// The pictures of the current theme and the pictures every screen shares,
// with the layout of the board being drawn (scale and the half-turned small
// board's centre). One lives in the application object.
struct GameGraphics {
    GameGraphics();
    ~GameGraphics();
    GameGraphics(const GameGraphics&) = delete;
    GameGraphics& operator=(const GameGraphics&) = delete;

    // Small board of the history screen, centred at (centreX, 222), half size.
    void setMiniBoard(int centreX);
    // Back to the normal layout at full size.
    void resetView();
    void endFrame() {}

    float scale = 1.0f;
    SpriteSheet themeSheet;
    SpriteRef furballFrames;
    SpriteRef background;
    SpriteRef themeShadow;
    SpriteRef themeOverlay;
    SpriteSheet commonSheet;
    SpriteRef common[kCommonEntryCount];   // kEntryAlternateBackground included
    Bitmap* boxBitmaps[kBoxCount];
    int32_t spare[2] = {0, 0};
    int32_t viewCentreX = -1;
    int32_t viewCentreY = -1;
};

// The application object's graphics; null until the game shell sets it.
extern GameGraphics* gGameGraphics;

// Loads the theme of counter "chosenTheme", then the shared pictures; the
// loading screen, when given, shows the progress.
void loadCommonGraphics(GameGraphics& graphics, LoadingScreen* loading = nullptr);
// (Re)loads the pictures of theme 0..5 and counts a change of theme.
void loadThemeBitmaps(GameGraphics& graphics, int theme);

// Top-left screen point of a cell in the layout of `g` (whole or fractional cells).
ScreenPoint cellToScreen(const GameGraphics& g, int column, int row);
ScreenPoint cellToScreenF(const GameGraphics& g, float column, float row);

// The two-digit box for 100, else the timer box.
Bitmap* boxBitmapFor(const GameGraphics& g, int n);

#endif
