#include "modes/ChallengeRules.h"

#include <algorithm>

#include "modes/ChallengeBests.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const int kHurryAfterMs = 13001;
const int kHurryBelowMs = 15000;
const float kHurryFraction = 0.8f;

// Growth steps up to this level use the steeper factor.
const int kSteepGrowthUntil = 12;

} // namespace

int challengePuzzleCount(int level, int levelRepeats)
{
    if (levelRepeats == 1)
        return level < 3 ? 3 : level <= 6 ? 4 : level <= 10 ? 5 : 6;
    if (levelRepeats == 2)
        return level < 2 ? 3 : level <= 6 ? 4 : level <= 10 ? 5 : 6;
    return level < 2 ? 3 : level < 5 ? 4 : level < 8 ? 5 : level < 14 ? 6 : 7;
}

int roundChallengePar(float seconds)
{
    int par = static_cast<int>(seconds);
    if (par % 10 != 0)
        par += 10 - par % 10;
    if (par > 180) {
        if (par % 30 == 10)
            par -= 10;
        else if (par % 30 == 20)
            par += 10;
    }
    if (par > 500)
        par = par / 60 * 60;
    return par;
}

int challengeParTime(int level, int difficulty, const Settings& settings, const AbSettings& ab)
{
    float growth = ab.cet == -1 ? 0.0f : static_cast<float>(ab.cet) * 0.01f - 0.03f;
    float par = 10.0f * static_cast<float>(challengePuzzleCount(level, settings.levelRepeatsVariation));
    for (int step = 2; step <= level; ++step)
        par *= step <= kSteepGrowthUntil ? 1.21f + growth : 1.16f + growth;
    if (difficulty == 0)
        par = par * 1.85f * settings.speedFactor();
    else if (difficulty == 2)
        par *= 0.565f;
    int rounded = roundChallengePar(par);
    return settings.fasterClock ? rounded / 4 : rounded;
}

int challengeHintsForLevel(int level, int difficulty, int ncm, int cmh)
{
    int n = level;
    int d = difficulty;
    if (ncm > 0) {
        if (cmh < 1)
            return n < 5 ? 1 : 2;
        if (cmh == 1)
            return n < 5 ? 1 : n > 13 ? 3 : 2;
        if (cmh == 2)
            return n > 6 ? 3 : 2;
        if (cmh == 3)
            return n <= 6 ? 2 : n <= 12 ? 3 : 4;
        return n < 6 ? 2 : n < 12 ? 3 : n < 17 ? 4 : 5;
    }
    if (cmh < 2) {
        if (d == 2)
            return n < 7 ? 1 : 2;
        int base = d == 0 ? (cmh == 1 ? 3 : 2) : 1;
        return base + (n >= 6 ? 1 : 0);
    }
    if (cmh == 2 || cmh == 3) {
        if (d == 2)
            return n < 9 ? 1 : n < 15 ? 2 : 3;
        int low = d == 0 ? 2 : 1;
        if (cmh == 3)
            ++low;
        int high = low + 1;
        return (n > d + 5 ? high : low) + (n > d + 11 ? 1 : 0);
    }
    return 2 + (n > 2 * d + 5 ? 1 : 0) + (n > 2 * d + 10 ? 1 : 0) + (n > 2 * d + 15 ? 1 : 0);
}

int challengeDifficulty(int settingsDifficulty, int ncm)
{
    return ncm > 0 ? 0 : settingsDifficulty;
}

int challengeStartLevel(int settingsDifficulty, int settingsStartLevel, int ncm)
{
    if (ncm > 0)
        return settingsStartLevel;
    if (settingsDifficulty == 1)
        return 3;
    return settingsDifficulty == 2 ? 6 : 1;
}

int challengeMedalForTime(int timeMs, int parSeconds, int ncm, float* progress)
{
    if (ncm <= 0)
        return kMedalNone;
    // The bounds are compared in whole milliseconds, so a time of exactly
    // 0.35 or 0.71 x par earns the better grade whatever float rounding does.
    long long ms = timeMs;
    long long par = parSeconds;
    float seconds = static_cast<float>(timeMs) / 1000.0f;
    float gold = 0.35f * static_cast<float>(parSeconds);
    float silver = 0.71f * static_cast<float>(parSeconds);
    int grade;
    float share;
    if (ms <= 350 * par) {
        grade = kMedalGold;
        share = (gold - seconds) / gold;
    } else if (ms <= 710 * par) {
        grade = kMedalSilver;
        share = (silver - seconds) / (silver - gold);
    } else {
        grade = kMedalBronze;
        share = 1.0f;
    }
    if (progress)
        *progress = share;
    return grade;
}

bool challengeRunPasses(int totalMs, int parSeconds, int ncm, bool givenUp)
{
    return !givenUp && (totalMs / 1000 <= parSeconds || ncm > 0);
}

float challengeTimeFraction(int accumulatedMs, int elapsedMs, int parSeconds)
{
    float fraction = static_cast<float>(accumulatedMs + elapsedMs) * 0.001f / static_cast<float>(parSeconds);
    return std::clamp(fraction, 0.0f, 1.0f);
}

bool challengeHurryDue(int parSeconds, int accumulatedMs, int elapsedMs)
{
    if (elapsedMs < kHurryAfterMs)
        return false;
    int remaining = parSeconds * 1000 - accumulatedMs - elapsedMs;
    if (remaining <= 0 || remaining >= kHurryBelowMs)
        return false;
    float used = static_cast<float>(elapsedMs + accumulatedMs) / static_cast<float>(parSeconds * 1000);
    return std::clamp(used, 0.0f, 1.0f) > kHurryFraction;
}

bool challengeHasProgress(int level, int difficulty, int puzzlesLeft, int puzzleCount)
{
    int firstLevel = difficulty == 1 ? 3 : difficulty == 2 ? 6 : 1;
    return level > firstLevel || puzzlesLeft < puzzleCount;
}

int challengeMedalForLevel(int level, const Settings& settings, const AbSettings& ab)
{
    int best = gChallengeBests.best(0, level);
    if (best == -1)
        return kMedalNone;
    return challengeMedalForTime(best * 1000, challengeParTime(level, 0, settings, ab), ab.ncm, nullptr);
}
