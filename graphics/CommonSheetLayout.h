#pragma once

// Where each picture sits in "fullBitmap.dat", the fixed-layout sheet of pictures that every
// screen shares. The loader takes the 34 entries below in this order (164 regions in all); the
// numbers are first-region indexes into the sheet, so a picture of a run is kFirst + n.
// Entries whose name says "_png" are taken by image name; the others are plain region runs whose
// meaning the art and the code that draws them agree on here.
enum CommonSheetRegion {
    kCommonWood = 0,              // "Wood_320x480.png": the menus' wood, 320 x 480
    kCommonShade = 1,             // dark full-screen vignette laid over menu frames, 320 x 480
    kCommonAlternateBackground = 2,  // same pixels as the wood (no screen draws it)
    kCommonEndOfPuzzle = 3,       // "EndOfPuzzle.png": a round "solved" badge with a tick
    kCommonScoreboardShadow = 4,  // "Scoreboard_Shadow.png": shadow the score board casts, 320 x 16
    kCommonMenuBar = 5,           // "Menu_215x16.png": soft light bar, 215 x 16
    kCommonMedalLarge = 6,        // 3 regions: bronze, silver, gold, 36 x 52
    kCommonMedalSmall = 9,        // 3 regions: bronze, silver, gold, 18 x 26
    kCommonFurballShadow = 12,    // "FurballShadow.png": 45 x 45, centred under a furball
    kCommonFurballShading = 13,   // "FurballShading.png": 41 x 41 light and shade over theme 0 furballs
    kCommonFinger = 14,           // "finger.png": a hand pointing up, fingertip at the top
    kCommonHighlight = 15,        // "Highlight_129x152.png": glow over a selected tile (additive)
    kCommonProgressWhite = 16,    // "Progress_white_5x5.png": white dot, 5 x 5
    kCommonMenuHighlight = 17,    // glow over a pressed main-menu entry (additive), 300 x 52
    kCommonTopBanner = 18,        // lip and shadow under the score board, drawn at (0, 70), 320 x 14
    kCommonBubbleTail = 19,       // speech-bubble tail, tip at the bottom-left, 22 x 26
    kCommonHud = 20,              // 17 regions of heads-up pieces (kHud* below)
    kCommonCellGlow = 37,         // soft glow behind a popping furball, also the menus' glow, 128 x 128
    kCommonWrongMove = 38,        // "WrongMove_X_60x71.png": red cross
    kCommonPadlock = 39,          // "Padlock_44x50.png"
    kCommonDigits = 40,           // "Numbers_44x50_x10.png": 10 regions, digits 0 to 9, 44 x 50
    kCommonTimeCircle = 50,       // 38 regions: clock gauge 0..31 (time used), 32..37 blinking 31..26
    kCommonSmallDigits = 88,      // 10 regions: dark digits 0 to 9, 14 x 18 (padlocked levels)
    kCommonClockSeparator = 98,   // colon between minutes and seconds, 6 x 20
    kCommonFreePlayPicture = 99,  // Free Play heads-up picture: unlimited hints, 40 x 24
    kCommonSparkle = 100,         // small white four-point sparkle, 24 x 24
    kCommonInstructionArrow = 101,  // "InstructionArrow_16x8_inverted.png": tutorial pointer
    kCommonSparks = 102,          // 60 regions: explosion sparks, family f at rotation step k = f x 6 + k, 17 x 17
    kCommonLevelEndPanel = 162,   // level-end overlay: panel behind the bonus clock and points, 240 x 100
    kCommonLevelEndGlow = 163,    // level-end overlay: golden glow and stars around the panel, 260 x 120
    kCommonRegionCount = 164,
};

// The run of heads-up pieces at kCommonHud.
enum CommonHudPiece {
    kHudUndo = 0,            // undo button, 30 x 30
    kHudHint = 1,            // hint bulb, 28 x 36; the hint count is drawn over the bulb
    kHudFrenzyBarBack = 2,   // Frenzy bar groove, 136 x 5
    kHudFrenzyBarFill = 3,   // Frenzy bar fill, 16 x 5, stretched sideways
    kHudFrenzyBarEnd = 4,    // Frenzy bar rounded end, 5 x 5
    kHudGradeMedal = 5,      // 4 regions: grade 0 bronze, 1 silver, 2 gold, 3 none; 36 x 52
    kHudProgressBase = 9,    // medal progress bar: bottom cap, 12 x 4
    kHudProgressFill = 10,   // medal progress bar: fill, 12 x 24, stretched upwards
    kHudProgressCap = 11,    // medal progress bar: top cap, 12 x 4
    kHudLevelBox = 12,       // the five number boxes as regions (same pictures as the files)
    kHudSkipLevel = 13,
    kHudTimeCircle = 14,
    kHudTimerBox = 15,
    kHudTwoDigitBox = 16,
    kHudPieceCount = 17,
};
