#include "menus/ModeChoiceHostI.h"

#include <algorithm>

#include "settings/Settings.h"

int firstUnsolvedLevelOfSelectedMode(ModeChoiceHostI* host)
{
    return std::max(1, host->firstUnsolvedLevel(gSettings ? gSettings->gameMode : 0));
}
