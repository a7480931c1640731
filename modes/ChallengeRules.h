#ifndef KELZO_MODES_CHALLENGERULES_H
#define KELZO_MODES_CHALLENGERULES_H

class AbSettings;
class Settings;

// The numbers behind the Challenge game: puzzles per level, par times, hints
// and medal grades. Plain functions of their inputs; the game object wires
// them to its fields and to the stored bests.

const int kChallengeFirstLevel = 1;
const int kChallengeLastLevel = 30;

// Medal grades, shared with Frenzy.
enum MedalGrade { kMedalBronze = 0, kMedalSilver = 1, kMedalGold = 2, kMedalNone = 3 };

// P(n): puzzles in level n, by the settings value "_lr_".
int challengePuzzleCount(int level, int levelRepeats);

// The par of a level in whole seconds: 10 s a puzzle, grown per level in
// single precision by the "cet" experiment's factor, scaled by difficulty,
// then rounded to a time that reads well (tens, half minutes above 3
// minutes, whole minutes above 500 s) and quartered by the speed-up flag.
int challengeParTime(int level, int difficulty, const Settings& settings, const AbSettings& ab);

// The rounding of a par of `seconds` (before the speed-up quarter).
int roundChallengePar(float seconds);

// Hints for a level, by "ncm", the hint ladder "cmh" and the difficulty.
int challengeHintsForLevel(int level, int difficulty, int ncm, int cmh);

// With medals on ("ncm" above 0) the game is always played at difficulty 0
// from the chosen start level; otherwise at the chosen difficulty from its
// first level (1, 3 or 6).
int challengeDifficulty(int settingsDifficulty, int ncm);
int challengeStartLevel(int settingsDifficulty, int settingsStartLevel, int ncm);

// The grade of a run of `timeMs` against a par of `parSeconds`: gold up to
// 0.35 x par, silver up to 0.71 x par (both bounds included), else bronze;
// no medal while "ncm" is 0 or less. `progress`, when given, tells how far
// the run is from the next worse grade (1.0 for bronze).
int challengeMedalForTime(int timeMs, int parSeconds, int ncm, float* progress);

// Whether a run counts: not given up, and within par unless medals are on
// ("ncm" above 0), which judge by grade instead.
bool challengeRunPasses(int totalMs, int parSeconds, int ncm, bool givenUp);

// Share of the par used by the run so far, 0..1.
float challengeTimeFraction(int accumulatedMs, int elapsedMs, int parSeconds);

// The hurry warning: due once a board has run 13,001 ms when what is left of
// the par is above 0 and under 15 s, and over 80 % of it is used.
bool challengeHurryDue(int parSeconds, int accumulatedMs, int elapsedMs);

// A game worth keeping: past the first level of its difficulty (1, 3 or 6),
// or past the first puzzle of the level.
bool challengeHasProgress(int level, int difficulty, int puzzlesLeft, int puzzleCount);

// The grade of the stored difficulty-0 best of a level (kMedalNone without
// one), as the level-select screen shows it.
int challengeMedalForLevel(int level, const Settings& settings, const AbSettings& ab);

#endif
