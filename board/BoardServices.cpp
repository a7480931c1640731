#include "board/BoardServices.h"

#include <cstring>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

int boardGameType()
{
    return gSettings ? gSettings->gameMode : 0;
}

bool boardFreeHints()
{
    return gSettings && gSettings->freeHints;
}

bool boardFrenzyUnlocked()
{
    return !gSettings || gSettings->frenzyUnlocked == 1;
}

void boardSetFrenzyUnlocked()
{
    if (gSettings)
        gSettings->frenzyUnlocked = 1;
}

int boardLevelScheme()
{
    return gSettings ? gSettings->levelSetVariation : -1;
}

int boardVariation(const char* key)
{
    struct Named {
        const char* key;
        const int* value;
    };
    const Named variations[] = {{"ddh", &gAbSettings.ddh}, {"lvt", &gAbSettings.lvt}, {"as", &gAbSettings.as},
                                {"fic", &gAbSettings.fic}, {"pd", &gAbSettings.pd},   {"pml", &gAbSettings.pml}};
    for (const Named& v : variations)
        if (strcmp(v.key, key) == 0)
            return *v.value;
    return -1;
}

int boardKindCount(int level, int furballCount)
{
    return gAbSettings.kindCountForLevel(level, furballCount);
}

int boardLanguage()
{
    return currentLanguage();
}

int boardNow()
{
    return gGameClock.now();
}

int boardClockRunning()
{
    return gGameClock.current;
}

void boardCountStatistic(const char* name, int amount)
{
    gAbSettings.count(name, amount);
}

int boardStatistic(const char* name)
{
    return gAbSettings.counter(statisticIndex(name));
}
