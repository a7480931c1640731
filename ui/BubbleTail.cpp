#include "ui/BubbleTail.h"

#include "graphics/GlState.h"
#include "ui/ElementDrawParams.h"

void BubbleTail::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    DrawParams p = elementDrawParams(scaleX, scaleY, alpha, 0.0f, BlendPremultiplied);
    const bool upsideDown = angle > 0.0f;
    // Half a turn flips both ways; the upright flag undoes the vertical part.
    if (mirrored) {
        p.quarterTurns = 2;
        p.upright = upsideDown ? 1 : 0;
    } else {
        p.upright = upsideDown ? 0 : 1;
    }
    picture.draw(x, y, p);
}
