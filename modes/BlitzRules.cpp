#include "modes/BlitzRules.h"

float blitzTimeLimitMs(int difficulty)
{
    switch (difficulty) {
    case 0: return 60000.0f;
    case 1: return 180000.0f;
    case 2: return 300000.0f;
    default: return 1.0f;
    }
}

int blitzPeakAfterSolve(int level, int peak)
{
    return level > peak ? level : peak;
}

int blitzBankAfterBoard(int bankMs, int elapsedMs)
{
    return bankMs - elapsedMs;
}

bool blitzSavedPeakValid(int peak)
{
    return peak >= -1 && peak <= 98;
}

int blitzPuzzleLevel(int level)
{
    return level > kBlitzLastPuzzleLevel ? kBlitzLastPuzzleLevel : level;
}
