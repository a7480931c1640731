#ifndef KELZO_BOARD_LEVELSCHEMES_H
#define KELZO_BOARD_LEVELSCHEMES_H

// The level schemes: 40 ways of cutting the puzzle store into 30 levels by
// complexity. These tables, the puzzle files and the puzzle ids in saved
// games belong together: changing a value renumbers the puzzles of a level.

const int kLevelSchemeCount = 40;
const int kLevelCount = 30;

extern const float kLevelOverlap[kLevelSchemeCount];
extern const float kLevelGrowth[kLevelSchemeCount][kLevelCount];

// The scheme a settings value stands for: -1, values above 39, 10 and 15..19
// are served by scheme 2; every other value as it is.
int mappedLevelScheme(int value);

// The schemes players can be given, ascending; returns how many (at most 40).
int levelSchemesInUse(int* out);

// Complexity windows of the 30 level lists of a scheme 0..39: list l takes
// [lower[l], upper[l]). List 0 (level 1) has none.
void levelWindows(int scheme, double lower[kLevelCount], double upper[kLevelCount]);

#endif
