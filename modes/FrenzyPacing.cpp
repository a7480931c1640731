#include "modes/FrenzyPacing.h"

#include <algorithm>
#include <cmath>

#include "modes/FrenzyLevelTable.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

// Past these counts a crowded board speeds the drops up.
const int kCrowdedFrom = 29;
const int kPackedFrom = 33;

const float kShortestIntervalMs = 100.0f;
const float kLeastPull = 0.01f;

FrenzyShortfalls shortfallsOf(int level, const FrenzyBoardView& board, const AbSettings& ab)
{
    int target = frenzyFurballTarget(frenzyColourCount(level, ab), ab);
    return frenzyShortfalls(target, board.furballs);
}

} // namespace

FrenzyShortfalls frenzyShortfalls(int target, int furballs)
{
    return FrenzyShortfalls{std::max(target - furballs, 0), std::max(target - 5 - furballs, 0),
                            std::max(target - 10 - furballs, 0)};
}

int frenzySpawnInterval(int level, const FrenzyBoardView& board, const Settings& settings, const AbSettings& ab,
                        int* unadjusted)
{
    int moves = board.exists ? board.historyMoves : 0;
    double settle = std::log(1.0 + 0.23 * moves);
    double base = 7450.0;
    double slope = -600.0;
    if (level >= 0) {
        int pace = static_cast<int>(frenzyLevelParams(level, ab).pace);
        base = 1450.0 + 1000.0 * pace;
        slope = -100.0 * pace;
    }
    float interval = static_cast<float>(base + slope * settle);
    if (unadjusted)
        *unadjusted = static_cast<int>(interval);
    if (board.exists && level >= 0) {
        FrenzyShortfalls s = shortfallsOf(level, board, ab);
        interval = interval - 150.0f * s.s1 - 300.0f * s.s2 - 200.0f * s.s3;
        if (board.furballs >= kCrowdedFrom)
            interval += 40.0f * (board.furballs - kCrowdedFrom);
        if (board.furballs >= kPackedFrom)
            interval += 40.0f * (board.furballs - kPackedFrom);
    }
    if (board.exists && !board.hasPossibleMove)
        interval *= 0.5f;
    interval = std::max(interval, kShortestIntervalMs);
    return static_cast<int>(interval / settings.frenzySpeedFactor);
}

float frenzyMovePull(int level, int difficulty, const FrenzyBoardView& board, const AbSettings& ab)
{
    if (level < 0) {
        if (difficulty == 0)
            return 0.34f;
        return difficulty == 2 ? 0.42f : 0.38f;
    }
    float pull = frenzyLevelParams(level, ab).pull;
    if (!board.exists)
        return pull;
    FrenzyShortfalls s = shortfallsOf(level, board, ab);
    pull = pull + 0.011f * s.s1 + 0.019f * s.s2 + 0.026f * s.s3;
    if (board.furballs >= kCrowdedFrom)
        pull -= 0.004f * (board.furballs - kCrowdedFrom);
    if (board.furballs >= kPackedFrom)
        pull -= 0.007f * (board.furballs - kPackedFrom);
    return std::max(pull, kLeastPull);
}
