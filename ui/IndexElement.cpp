#include "ui/IndexElement.h"

#include "ui/ElementDrawParams.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

IndexElement::IndexElement(const SpriteRef& picture, bool wood) : caption(picture), woodPending(wood ? 1 : 0) {}

DrawParams IndexElement::drawParams(float scaleX, float scaleY, float alpha, float angle) const
{
    DrawParams p = elementDrawParams(scaleX, scaleY, alpha, angle, blendMode);
    p.insetTexel = drawFlag;
    p.tag = drawFlag2;
    return p;
}

void IndexElement::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    caption.draw(x, y, drawParams(scaleX, scaleY, alpha, angle));
}

void IndexElement::setPosition(int ix, int iy, float fx, float fy)
{
    (void)fx, (void)fy;
    if (!woodPending)
        return;
    applyWoodOverlay(caption.pixelView(0), ix, iy, gSharedMenuTextures[kSharedWood]);
    woodPending = 0;
}
