#ifndef KELZO_UI_IMAGEELEMENTEXT_H
#define KELZO_UI_IMAGEELEMENTEXT_H

#include "ui/ImageElement.h"

// An ImageElement with padding on every side, an extra offset that also widens it, and a scale of its own.
class ImageElementExt : public ImageElement {
public:
    ImageElementExt() = default;
    ImageElementExt(Bitmap* source, int mode) : ImageElement(source, mode) {}
    ImageElementExt(const Ref<Texture>& texture, const Ref<Texture>& pressedTexture)
        : ImageElement(texture, pressedTexture) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return imageWidth + extraX + 2 * padX; }
    int height() override { return imageHeight + extraY + 2 * padY; }

    int extraX = 0;
    int extraY = 0;
    int padX = 0;
    int padY = 0;
    float scale = 1.0f;
};

#endif
