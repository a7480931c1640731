#ifndef KELZO_UI_CUSTOMIMAGEELEMENT_H
#define KELZO_UI_CUSTOMIMAGEELEMENT_H

#include "Core/Ref.h"
#include "graphics/DrawParams.h"
#include "ui/ViewElementI.h"

class Texture;

// A shared texture drawn with a draw record its owner chose; scale, opacity and angle combine as in
// CustomIndexElement. Reports no size.
class CustomImageElement : public ViewElementI {
public:
    CustomImageElement() = default;
    CustomImageElement(const Ref<Texture>& texture, const DrawParams& params) : texture(texture), params(params) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;

    Ref<Texture> texture;
    DrawParams params;
};

#endif
