#include "ui/MarginWrapper.h"

void MarginWrapper::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    if (child)
        child->render(x + (float)marginX, y + (float)marginY, scaleX, scaleY, alpha, angle, selected);
}

void MarginWrapper::setPosition(int ix, int iy, float fx, float fy)
{
    if (child)
        child->setPosition(ix, iy, fx, fy);
}
