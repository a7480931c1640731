#ifndef KELZO_BOARD_THEMETABLE_H
#define KELZO_BOARD_THEMETABLE_H

#include <cstdint>

#include "board/BoardCell.h"

// One furball colour of a theme: a picture label and the colour family that
// picks the explosion sparks (0 neutral, 1 red, 2 yellow, 3 green, 4 pink,
// 5 blue, 6 orange, 7 cyan, 8 purple, 9 black or brown, 10 unused).
struct ThemeColour {
    const char* name;
    int32_t family;
};

// How one visual theme draws its furballs.
struct ThemeRow {
    int32_t colourCount;        // colours in the frame layout (8)
    int32_t flags;
    const char* backgroundFile;
    const char* nameFormat;
    ThemeColour colours[10];    // entry c - 1 for furball colour c
    int32_t extraFrames;        // frames of the special animation, after the 72 ordinary ones
    int32_t extraFramesMs;      // its duration
    const char* shadowFile;     // the theme's own shadow, or null
    const char* overlayFile;    // additive overlay during the special animation, or null
    int32_t halfRateFrames;     // the sheet keeps only every second frame
};

const int kThemeCount = 6;
extern const ThemeRow ThemeTable[kThemeCount];

// The row of a theme; numbers outside 0..5 read theme 0.
const ThemeRow& themeRow(int theme);

// The spark family of a furball colour in the theme last chosen; 0 for colour 0.
int themeColourEntry(int colour);
int themeColourFamily(int theme, int colour);

// One of 32 progress pictures for a fraction 0..1.
int fractionToFrame31(float f);

// Which furball picture a cell shows: the frame number (0..71 ordinary, 72 on
// the special animation) before any halving, and whether the odd frame it
// stands for is blended from this frame and frame + 2.
struct FurballFrame {
    int frame;
    bool blend;
};

// The frame of a still furball. Resets the cell's special-animation start
// once that animation is over (the frame of this call is still the last one).
FurballFrame chooseFurballFrame(BoardCell& cell, int theme, int halfFrames, int clockCurrent);

// Region of a frame in the theme's furball run: (frame, halved in half-rate
// themes) x colourCount + (colour - 1) mod colourCount.
int furballRegionIndex(int theme, int frame, int colour);

// The idle face animation: furballs now and then glance about (the position runs through the 36 face frames,
// every third time with the alternate face). Every cell keeps its own rhythm, taken from its place and face, so
// the board never looks like a drill and no random draw is spent. The theme's special animation is not started
// here: the shell's idle animations alone schedule it (game/FurballIdleAnimations.h).
void advanceFaceAnimation(BoardCell& cell, int x, int y, int clockCurrent);

#endif
