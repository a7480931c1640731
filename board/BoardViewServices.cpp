#include "board/BoardViewServices.h"

BoardViewValues gBoardViewValues;

int boardTheme()
{
    int theme = gBoardViewValues.chosenTheme;
    return theme < 0 || theme > 5 ? 0 : theme;
}

void boardChooseTheme(int theme)
{
    if (theme == gBoardViewValues.chosenTheme)
        return;
    gBoardViewValues.changedTheme++;
    gBoardViewValues.chosenTheme = theme;
    if (gBoardViewValues.firstChosenTheme < 1 && theme != 0)
        gBoardViewValues.firstChosenTheme = theme;
}

int boardHalfFrames()
{
    return gBoardViewValues.halfFrames;
}

bool boardHitBurstsOn()
{
    return !(gBoardViewValues.fxSwitchVariation != 0 && !gBoardViewValues.switchC);
}

int boardHitBurstVariation()
{
    return gBoardViewValues.bhe;
}

bool boardWindUpOn()
{
    return gBoardViewValues.windUp;
}
