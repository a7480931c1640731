#include "ui/MenuBaseI.h"

#include "ui/ViewElementI.h"

int MenuBaseI::handleTouch(int phase, int x, int y)
{
    if (phase == TouchMove)
        return -1;
    if (phase == TouchDown) {
        armedIndex = hitTest(x, y);
        return -1;
    }
    const int hit = hitTest(x, y);
    const int result = hit == armedIndex ? hit : -1;
    armedIndex = -1;
    return result;
}
