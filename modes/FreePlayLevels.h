#ifndef KELZO_MODES_FREEPLAYLEVELS_H
#define KELZO_MODES_FREEPLAYLEVELS_H

// The shape of the Free Play levels, by the experiment values: how many
// puzzles a level has, and the allowance of hinted or skipped puzzles it
// still counts toward the level.

// The allowance of a level: how many thresholds of the ladder chosen by
// "fph" (and "_fs_" while "fph" is 4 or less) lie at or below the level.
int freePlayRequiredSolves(int level);
// The number of puzzles of a level, by the settings' "_lr_".
int freePlayLevelSize(int level);

#endif
