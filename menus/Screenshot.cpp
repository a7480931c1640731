#include "menus/Screenshot.h"

#include "graphics/DrawParams.h"
#include "graphics/Texture.h"
#include "menus/ScreenshotShadow.h"

Screenshot::Screenshot(Bitmap* picture, const Ref<Texture>& shadowTexture)
    : ImageElement(picture, ImageElement::ModePremultiplied), shadow(shadowTexture)
{
}

void Screenshot::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    if (shadow) {
        DrawParams params;
        params.alpha = alpha;
        params.scaleX = scaleX;
        params.scaleY = scaleY;
        drawTexture(shadow.get(), px + kShadowOffsetX, py + kShadowOffsetY, params);
    }
    ImageElement::render(px, py, scaleX, scaleY, alpha, angle, selected);
}

int Screenshot::handleTouch(int phase, int px, int py, bool* consumed)
{
    (void)phase, (void)px, (void)py, (void)consumed;
    return -1;
}
