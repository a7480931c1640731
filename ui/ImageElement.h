#ifndef KELZO_UI_IMAGEELEMENT_H
#define KELZO_UI_IMAGEELEMENT_H

#include "Core/Ref.h"
#include "ui/ViewElementI.h"

class Bitmap;
class Texture;

// A picture drawn from a texture of its own, at whole pixels. Made from a bitmap, it becomes a texture at its
// first placement (setPosition, or its first drawing if it was never placed), with the wood blend at that
// screen position first in mode 1. While armed, pressedTexture (when held) is drawn under the picture.
class ImageElement : public ViewElementI {
public:
    enum Mode {
        ModePremultiplied = 0,
        ModeWood = 1,   // wood blend before the upload
        ModeAlpha = 2,  // drawn with straight-alpha blending
    };

    ImageElement() = default;
    // Takes the bitmap; its visible size is the element's.
    ImageElement(Bitmap* source, int mode);
    ImageElement(const Ref<Texture>& texture, const Ref<Texture>& pressedTexture);
    ~ImageElement() override;
    ImageElement(const ImageElement&) = delete;
    ImageElement& operator=(const ImageElement&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return imageWidth; }
    int height() override { return imageHeight; }

    int imageWidth = 0;
    int imageHeight = 0;
    Ref<Texture> texture;
    Ref<Texture> pressedTexture;
    Bitmap* source = nullptr;   // owned until it becomes the texture
    int mode = ModePremultiplied;
    unsigned char made = 0;     // the first placement has been done
    unsigned char drawFlag = 0; // the draw record's insetTexel

private:
    void prepare(int ix, int iy);
};

#endif
