#include "modes/ArcadeRules.h"

#include <algorithm>
#include <cmath>

#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const float kFirstLevelMs = 40000.0f;

// Growth per level; "aet" moves all three steps by the same offset.
float levelGrowth(int level, float offset)
{
    if (level <= 11)
        return 1.193f + offset;
    if (level <= 15)
        return 1.15f + offset;
    return 1.145f + offset;
}

} // namespace

float arcadeTimeLimitMs(int level, int difficulty, const Settings& settings, const AbSettings& ab)
{
    float offset = ab.aet == -1 ? 0.0f : 0.01f * static_cast<float>(ab.aet) - 0.04f;
    float time = kFirstLevelMs;
    for (int i = 2; i <= level; ++i)
        time *= levelGrowth(i, offset);
    if (settings.fasterClock)
        time *= 0.25f;
    if (difficulty == 2)
        time *= 0.4f;
    else if (difficulty == 0)
        time = time * 1.6f * settings.scaleFactor();
    return time;
}

int arcadeStartLevel(int difficulty)
{
    if (difficulty == 1)
        return 3;
    return difficulty == 2 ? 6 : 1;
}

int arcadeStartHints(int difficulty, bool mhVariation, int globalDifficulty)
{
    int hints = difficulty == 0 && mhVariation ? 4 : 3;
    return globalDifficulty == 2 ? 2 : hints;
}

int arcadePuzzleSize(int level, int difficulty, int levelRepeats)
{
    if (level == kArcadeLastLevel)
        return kArcadeEndlessPuzzles;
    int n = level + 2 - arcadeStartLevel(difficulty);
    int cap;
    if (levelRepeats == 1 || levelRepeats == 2)
        cap = level <= 4 ? 4 : level <= 7 ? 5 : level <= 12 ? 6 : 7;
    else
        cap = level <= 4 ? 4 : level <= 6 ? 5 : level <= 8 ? 6 : level <= 13 ? 7 : 8;
    return std::min(n, cap);
}

float arcadeLevel30Shrink(int puzzlesSolvedAtLevel30)
{
    if (puzzlesSolvedAtLevel30 <= 7)
        return 1.0f;
    return std::pow(0.9f, static_cast<float>(puzzlesSolvedAtLevel30 - 7));
}

float arcadeShrunkTimeMs(int level, int difficulty, int movesLeft, const Settings& settings,
                         const AbSettings& ab)
{
    float time = arcadeTimeLimitMs(level, difficulty, settings, ab);
    if (level == kArcadeLastLevel)
        time *= arcadeLevel30Shrink(kArcadeEndlessPuzzles - movesLeft);
    return time;
}

int arcadePoints(int level, int difficulty, float levelTimeMs, int elapsedMs, float scaleFactor)
{
    float bonus = std::max(0.0f, 0.2f * levelTimeMs - static_cast<float>(elapsedMs));
    if (difficulty == 0)
        bonus = bonus * 0.3f / scaleFactor;
    else if (difficulty == 1)
        bonus *= 0.55f;
    if (level > 1)
        bonus *= std::pow(0.93f, static_cast<float>(level - 1));
    float growth = level < 1 ? 1.0f : std::pow(1.25f, static_cast<float>(level));
    float points = growth * 0.002f * (bonus + 7500.0f) + 1.0f;
    if (difficulty == 0)
        points *= 0.5f;
    else if (difficulty == 1)
        points *= 0.7f;
    return static_cast<int>(points + 1.0f);
}

bool arcadeHalfLevelHint(int puzzlesInLevel, int movesLeft, int difficulty)
{
    int longerThan = difficulty == 2 ? 6 : 5;
    return puzzlesInLevel > longerThan && movesLeft == puzzlesInLevel / 2;
}

int arcadeToppedUpBank(int bankMs, int elapsedMs, float levelTimeMs, float shrunkLevelTimeMs)
{
    float bank = static_cast<float>(bankMs - elapsedMs) + 0.2f * shrunkLevelTimeMs;
    return static_cast<int>(std::min(bank, levelTimeMs));
}

float bankUsedFraction(int bankMs, int elapsedMs, float referenceMs)
{
    int left = bankMs - elapsedMs;
    if (left < 0)
        return 1.0f;
    float leftShare = static_cast<float>(left) / referenceMs;
    return leftShare <= 1.0f ? 1.0f - leftShare : 0.0f;
}

bool bankRunOut(int bankMs, int elapsedMs, int furballs)
{
    return elapsedMs > bankMs && furballs >= 2;
}

bool lowTimeAlarmDue(int bankMs, int elapsedMs, float referenceMs)
{
    if (elapsedMs < kLowTimeAlarmAfterMs)
        return false;
    int left = bankMs - elapsedMs;
    return left > 0 && left < kLowTimeAlarmBelowMs && static_cast<float>(left) < 0.2f * referenceMs;
}
