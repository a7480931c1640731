#include "ui/BubbleTail.h"

#include "graphics/GlState.h"
#include "ui/ElementDrawParams.h"

namespace {

// The two placements' child offsets (+1 below the anchor, -9 above) differ by this much.
const int kTurnedTailDrop = 8;

}  // namespace

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
    // The child stands by the anchor for both placements (its offsets, +1 below and -9 above, differ by 8 px).
    // Hanging down, the tail runs from the frame over the anchor; turned up it must run the other way, so it
    // is drawn its own height higher, less those 8 px: the two placements mirror each other about the gap.
    if (upsideDown)
        y -= (float)picture.height * p.effectiveScaleY() - (float)kTurnedTailDrop;
    picture.draw(x, y, p);
}
