#include "ui/ImageElementExt.h"

void ImageElementExt::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    const float sx = scaleX * scale;
    const float sy = scaleY == -1.0f ? sx : scaleY * scale;
    ImageElement::render(x + (float)(padX + extraX), y + (float)(padY + extraY), sx, sy, alpha, angle, selected);
}
