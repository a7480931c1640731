#ifndef KELZO_MODES_BLITZRULES_H
#define KELZO_MODES_BLITZRULES_H

// The numbers behind the Blitz game: one bank of 1, 3 or 5 minutes for the
// whole game, and the peak level solved as its score.

// The whole game's bank in milliseconds by difficulty (1.0 for an unknown
// difficulty, which runs out at once).
float blitzTimeLimitMs(int difficulty);

// Blitz starts every game at this level.
const int kBlitzStartLevel = 3;
const int kBlitzStartHints = 3;
const int kBlitzLastPuzzleLevel = 30;

// The peak after the puzzle of `level` is solved.
int blitzPeakAfterSolve(int level, int peak);

// The bank left once a board that ran `elapsedMs` is left.
int blitzBankAfterBoard(int bankMs, int elapsedMs);

// The puzzle store ends at level 30; a longer game goes on with puzzles of
// the last level while its level count keeps rising.
int blitzPuzzleLevel(int level);

// A saved peak outside -1..98 marks a damaged saved game.
bool blitzSavedPeakValid(int peak);

#endif
