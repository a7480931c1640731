#ifndef KELZO_MODES_FREEPLAYRULES_H
#define KELZO_MODES_FREEPLAYRULES_H

// The two tables of the Free Play game: how many hints a level allows, which
// is also the budget its progress rule draws on, and how many puzzles make a
// level.

const int kFreePlayLastLevel = 30;

// The allowance of a level: how many thresholds of the ladder chosen by the
// experiment value "fph" (and, for "fph" 4 or less, the settings value
// "_fs_") lie at or below the level. A threshold listed twice counts twice;
// a level past the last threshold counts them all.
int freePlayRequiredSolves(int level, int fph, int freeSkipsVariation);

// The number of puzzles of a level, by the settings value "_lr_"; the last
// range of each row covers the levels up to 30 (and any level above it).
int freePlayLevelSize(int level, int levelRepeats);

#endif
