#include "ui/CustomIndexElement.h"

#include "ui/ElementDrawParams.h"

void CustomIndexElement::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    region.draw(x, y, combinedDrawParams(params, scaleX, scaleY, alpha, angle));
}
