#include "ui/ExplainScreen.h"

#include "ui/ViewElementI.h"

int ExplainScreen::handleTouch(int phase, int x, int y)
{
    (void)x, (void)y;
    if (phase == TouchDown) {
        armedIndex = 1;
        return -1;
    }
    const int result = armedIndex;
    armedIndex = -1;
    return result;
}
