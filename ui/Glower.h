#ifndef KELZO_UI_GLOWER_H
#define KELZO_UI_GLOWER_H

#include "ui/ViewElementI.h"

// The glow of the common pictures, shown only while its child is armed (a pressed option lights up). Always
// drawn fully opaque, whatever opacity the container gives; it is stretched over the size its owner sets, so
// it lights the area that was pressed.
class Glower : public ViewElementI {
public:
    Glower() = default;
    Glower(float scale, int width, int height) : scale(scale), glowWidth(width), glowHeight(height) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return glowWidth; }
    int height() override { return glowHeight; }

    float scale = 1.0f;
    int glowWidth = 0;
    int glowHeight = 0;
};

#endif
