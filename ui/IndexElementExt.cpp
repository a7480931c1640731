#include "ui/IndexElementExt.h"

void IndexElementExt::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    const float left = x + (float)padX;
    const float top = y + (float)padY;
    DrawParams p = drawParams(scaleX, scaleY, alpha, angle);
    const int h = caption.height;
    if (extraHeight == 0 || h <= 2 * kSliceRows) {
        caption.draw(left, top, p);
        return;
    }
    const float w = (float)caption.width;
    // Part of a region: pixel offsets inside it.
    p.uLeft = 0.0f;
    p.uRight = w;
    p.vTop = 0.0f;
    p.vBottom = (float)kSliceRows;
    caption.draw(left, top, p);

    DrawParams middle = p;
    middle.vTop = (float)kSliceRows;
    middle.vBottom = (float)(h - kSliceRows);
    middle.scaleY = p.scaleY * (float)(h - 2 * kSliceRows + extraHeight) / (float)(h - 2 * kSliceRows);
    caption.draw(left, top + (float)kSliceRows, middle);

    p.vTop = (float)(h - kSliceRows);
    p.vBottom = (float)h;
    caption.draw(left, top + (float)(h - kSliceRows + extraHeight), p);
}
