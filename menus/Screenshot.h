#ifndef KELZO_MENUS_SCREENSHOT_H
#define KELZO_MENUS_SCREENSHOT_H

#include "Core/Ref.h"
#include "ui/ImageElement.h"

class Texture;

// A screenshot of the cross-promotion page floating over its soft drop
// shadow, which lies under it 4 pixels lower (the shadow is shared by the
// page's screenshots; the last one to go frees it). Takes no touches.
class Screenshot : public ImageElement {
public:
    // Takes the bitmap, as ImageElement does.
    Screenshot(Bitmap* picture, const Ref<Texture>& shadow);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int handleTouch(int phase, int x, int y, bool* consumed) override;

    Ref<Texture> shadow;
};

#endif
