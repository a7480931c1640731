#ifndef KELZO_MODES_ARCADERULES_H
#define KELZO_MODES_ARCADERULES_H

class AbSettings;
class Settings;

// The numbers behind the Arcade game: level times, level lengths, points and
// the time bank. Plain functions of their inputs, so the game object only
// wires them to its fields; Challenge and Beat the Clock read the level time
// too.
//
// All level times are single-precision floats multiplied in level order, so
// every build arrives at the same milliseconds.

// Level 30 never ends.
const int kArcadeLastLevel = 30;
const int kArcadeEndlessPuzzles = 9999;

// The time allowed for one level, in milliseconds: 40 s grown per level by
// the "aet" experiment's factor, quartered by the speed-up flag, then scaled
// by difficulty (2 is harder, 0 gentler by the settings' scale factor).
float arcadeTimeLimitMs(int level, int difficulty, const Settings& settings, const AbSettings& ab);

// The level a new game starts at: 1, 3 or 6 by difficulty.
int arcadeStartLevel(int difficulty);

// Hints of a new game: 3, one more at difficulty 0 with "_mh_", and 2 when
// the player's chosen difficulty is 2.
int arcadeStartHints(int difficulty, bool mhVariation, int globalDifficulty);

// Puzzles in a level: 2 at the start level of the difficulty, one more per
// level up to a cap that "_lr_" (levelRepeats) chooses; level 30 is endless.
int arcadePuzzleSize(int level, int difficulty, int levelRepeats);

// At level 30 every puzzle beyond the seventh shortens the level time by 10 %.
float arcadeLevel30Shrink(int puzzlesSolvedAtLevel30);

// The level time with the level-30 shrink, for a level with `movesLeft`
// puzzles still to solve.
float arcadeShrunkTimeMs(int level, int difficulty, int movesLeft, const Settings& settings,
                         const AbSettings& ab);

// Points for a solved puzzle: a bonus for finishing within a fifth of the
// level time `levelTimeMs` (shrink included), grown by level.
int arcadePoints(int level, int difficulty, float levelTimeMs, int elapsedMs, float scaleFactor);

// True when solving a puzzle left `movesLeft` of a level of `puzzlesInLevel`
// at its half: long levels (over 5 puzzles, over 6 at difficulty 2) give a
// hint there.
bool arcadeHalfLevelHint(int puzzlesInLevel, int movesLeft, int difficulty);

// The bank for the next puzzle: what is left plus a fifth of the shrunk level
// time, never more than the full level time.
int arcadeToppedUpBank(int bankMs, int elapsedMs, float levelTimeMs, float shrunkLevelTimeMs);

// Share of the bank used so far, 0..1 (1 once it is overdrawn).
float bankUsedFraction(int bankMs, int elapsedMs, float referenceMs);

// Time up in the bank modes: the board has run longer than its bank while
// its puzzle is still open (two or more furballs).
bool bankRunOut(int bankMs, int elapsedMs, int furballs);

// The low-time alarm of the timed modes: due once a board has run 13,001 ms
// when what is left of the bank is above 0, under 15 s and under a fifth of
// the reference time.
const int kLowTimeAlarmAfterMs = 13001;
const int kLowTimeAlarmBelowMs = 15000;
bool lowTimeAlarmDue(int bankMs, int elapsedMs, float referenceMs);

#endif
