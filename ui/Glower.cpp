#include "ui/Glower.h"

#include "board/GameGraphics.h"
#include "graphics/GlState.h"
#include "ui/ElementDrawParams.h"

void Glower::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)alpha;
    if (!selected || !gGameGraphics)
        return;
    const float sx = scale * scaleX;
    const float sy = scale * (scaleY == -1.0f ? scaleX : scaleY);
    gGameGraphics->common[kEntryMenuHighlight].draw(x, y, elementDrawParams(sx, sy, 1.0f, angle, BlendPremultiplied));
}
