#ifndef KELZO_UI_CUSTOMINDEXELEMENT_H
#define KELZO_UI_CUSTOMINDEXELEMENT_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// A sheet region drawn with a draw record its owner chose (blend, tint, part of the region...); the container's
// scale and opacity multiply the stored ones and its angle replaces the stored one. Reports no size: its owner
// gives its cell one.
class CustomIndexElement : public ViewElementI {
public:
    CustomIndexElement() = default;
    CustomIndexElement(const SpriteRef& region, const DrawParams& params) : region(region), params(params) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;

    SpriteRef region;
    DrawParams params;
};

#endif
