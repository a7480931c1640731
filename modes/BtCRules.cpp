#include "modes/BtCRules.h"

#include "modes/ArcadeRules.h"

int btcPuzzleCount(bool speedUp)
{
    return speedUp ? 2 : 8;
}

bool btcScoreRecordable(int movesLeft)
{
    return movesLeft <= 0;
}

BtCClock btcClock(int totalMs, int boardElapsedMs)
{
    int seconds = (totalMs + boardElapsedMs) / 1000;
    return BtCClock{seconds / 60, seconds % 60};
}

bool btcSlowSolve(int level, int elapsedMs, const Settings& settings, const AbSettings& ab)
{
    return static_cast<float>(elapsedMs) > 0.5f * arcadeTimeLimitMs(level, 0, settings, ab);
}
