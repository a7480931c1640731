#include "ui/Glower.h"

#include "board/GameGraphics.h"
#include "graphics/GlState.h"
#include "ui/ElementDrawParams.h"

void Glower::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)alpha;
    if (!selected || !gGameGraphics)
        return;
    const SpriteRef& glow = gGameGraphics->common[kEntryMenuHighlight];
    const float fitX = glow.width > 0 && glowWidth > 0 ? float(glowWidth) / float(glow.width) : 1.0f;
    const float fitY = glow.height > 0 && glowHeight > 0 ? float(glowHeight) / float(glow.height) : 1.0f;
    const float sx = scale * scaleX * fitX;
    const float sy = scale * (scaleY == -1.0f ? scaleX : scaleY) * fitY;
    glow.draw(x, y, elementDrawParams(sx, sy, 1.0f, angle, BlendPremultiplied));
}
