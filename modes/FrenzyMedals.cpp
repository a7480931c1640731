#include "modes/FrenzyMedals.h"

#include <cmath>

#include "modes/ChallengeRules.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyLevelTable.h"
#include "settings/AbSettings.h"

namespace {

const float kOneThirtieth = 0.033333335f;

// The slower par's seconds per 30 furballs, by the level's quota.
float silverSecondsPer30(int quota)
{
    if (quota < 51)
        return 110.0f;
    if (quota <= 60)
        return 102.0f;
    if (quota <= 75)
        return 97.0f;
    if (quota <= 90)
        return 92.0f;
    return quota <= 100 ? 88.0f : 86.0f;
}

} // namespace

int roundUpToTens(float seconds)
{
    int tens = static_cast<int>(seconds) / 10;
    return seconds <= static_cast<float>(10 * tens) ? 10 * tens : 10 * (tens + 1);
}

int frenzyParTime(int level, float secondsPer30, const Settings& settings, const AbSettings& ab)
{
    int quota = frenzyLevelQuota(level, settings, ab);
    int colours = frenzyColourCount(level, ab);
    float par = secondsPer30 * kOneThirtieth * static_cast<float>(quota);
    // No colour term for a quota scaled down to nothing, whose logarithm
    // would wreck the par.
    if (colours > 2 && quota > 0)
        par = static_cast<float>(par + 3.0 * (colours - 2) * std::log(static_cast<double>(quota)));
    if (ab.fmd == 1)
        par *= 0.9f;
    else if (ab.fmd == 2)
        par *= 1.1f;
    return roundUpToTens(par);
}

int frenzyMedalForTime(int level, int timeMs, const Settings& settings, const AbSettings& ab, float* progress)
{
    int gold = frenzyParTime(level, 60.0f, settings, ab);
    int silver = frenzyParTime(level, silverSecondsPer30(frenzyLevelQuota(level, settings, ab)), settings, ab);
    if (silver == gold)
        silver = gold + 10;
    int seconds = timeMs / 1000;
    int grade;
    float share;
    if (gold > seconds) {
        grade = kMedalGold;
        share = static_cast<float>(gold - seconds) / static_cast<float>(gold);
    } else if (silver <= seconds) {
        grade = kMedalBronze;
        share = 1.0f;
    } else {
        grade = kMedalSilver;
        share = static_cast<float>(silver - seconds) / static_cast<float>(silver - gold);
    }
    if (progress)
        *progress = share;
    return grade;
}

int frenzyMedalForLevel(int level, const Settings& settings, const AbSettings& ab)
{
    int best = gFrenzyBests.best(level);
    if (best == -1)
        return kMedalNone;
    return frenzyMedalForTime(level, best, settings, ab, nullptr);
}
