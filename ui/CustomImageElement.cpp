#include "ui/CustomImageElement.h"

#include "graphics/Texture.h"
#include "ui/ElementDrawParams.h"

void CustomImageElement::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    if (texture)
        drawTexture(texture.get(), x, y, combinedDrawParams(params, scaleX, scaleY, alpha, angle));
}
