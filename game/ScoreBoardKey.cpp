#include "game/ScoreBoardKey.h"

#include "settings/AbSettings.h"

int scoreBoardKey(int gameType, int gameLevel, int freePlayLevel, bool howToPlay)
{
    if (howToPlay)
        return 100;
    int key = gameType;
    if (gameLevel != freePlayLevel && gAbSettings.bfp == 1)
        key += 200;
    if (gAbSettings.fsp >= 1)
        key += 400;
    if (gAbSettings.ncp >= 1)
        key += 800;
    if (gAbSettings.ncm >= 1)
        key += 1600;
    return key;
}
