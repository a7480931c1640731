#ifndef KELZO_MODES_FRENZYMEDALS_H
#define KELZO_MODES_FRENZYMEDALS_H

class AbSettings;
class Settings;

// Frenzy par times and medal grades (kMedalGold, kMedalSilver, kMedalBronze,
// kMedalNone of ChallengeRules.h).

// A level's par for `secondsPer30` seconds per 30 furballs of quota, grown
// with the colours and "fmd", rounded up to whole tens of seconds.
int frenzyParTime(int level, float secondsPer30, const Settings& settings, const AbSettings& ab);

// `seconds` rounded up to a multiple of 10 (a multiple stays).
int roundUpToTens(float seconds);

// The grade of a level time: gold under the 60-seconds par G, bronze from
// the slower par H on (at least G + 10), silver between. `progress`, when
// given, tells how far the time is from the next worse grade.
int frenzyMedalForTime(int level, int timeMs, const Settings& settings, const AbSettings& ab, float* progress);

// The grade of the level's stored best, kMedalNone without one.
int frenzyMedalForLevel(int level, const Settings& settings, const AbSettings& ab);

#endif
