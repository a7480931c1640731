#include "board/BoardViewServices.h"

#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

int boardTheme()
{
    return gAbSettings.chosenTheme();
}

void boardChooseTheme(int theme)
{
    if (theme == gAbSettings.counter(StatChosenTheme))
        return;
    gAbSettings.count(StatChangedTheme);
    gAbSettings.setCounter(StatChosenTheme, theme);
    if (gAbSettings.counter(StatFirstChosenTheme) < 1 && theme != 0)
        gAbSettings.setCounter(StatFirstChosenTheme, theme);
}

int boardHalfFrames()
{
    return gSettings ? gSettings->halfFrames : 0;
}

bool boardEffectsOn()
{
    return !(gSettings && gSettings->fxSwitchVariation != 0 && !gSettings->switchC);
}

int boardHitBurstVariation()
{
    return gAbSettings.bhe;
}
