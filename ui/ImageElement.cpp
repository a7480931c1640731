#include "ui/ImageElement.h"

#include "graphics/Bitmap.h"
#include "graphics/GlState.h"
#include "graphics/Texture.h"
#include "ui/ElementDrawParams.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

ImageElement::ImageElement(Bitmap* picture, int imageMode) : source(picture), mode(imageMode)
{
    if (picture) {
        imageWidth = picture->width;
        imageHeight = picture->height;
    }
}

ImageElement::ImageElement(const Ref<Texture>& picture, const Ref<Texture>& pressed)
    : texture(picture), pressedTexture(pressed)
{
    if (picture) {
        imageWidth = picture->width;
        imageHeight = picture->height;
    }
}

ImageElement::~ImageElement()
{
    delete source;
}

void ImageElement::prepare(int ix, int iy)
{
    made = 1;
    if (!source || texture)
        return;
    if (mode == ModeWood)
        applyWoodOverlay(source, ix, iy, gSharedMenuTextures[kSharedWood]);
    texture.reset(new Texture(source, false, false));
    source = nullptr;
}

void ImageElement::setPosition(int ix, int iy, float fx, float fy)
{
    (void)fx, (void)fy;
    if (!made)
        prepare(ix, iy);
}

void ImageElement::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    ImageElement::setPosition((int)x, (int)y, x, y);
    DrawParams p = elementDrawParams(scaleX, scaleY, alpha, angle, mode == ModeAlpha ? BlendAlpha : BlendPremultiplied);
    p.insetTexel = drawFlag;
    const float left = (float)(int)x, top = (float)(int)y;
    if (selected && pressedTexture)
        drawTexture(pressedTexture.get(), left, top, p);
    if (texture)
        drawTexture(texture.get(), left, top, p);
}
