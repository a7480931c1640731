#ifndef KELZO_UI_INDEXELEMENT_H
#define KELZO_UI_INDEXELEMENT_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// A picture that lives in a region of a sprite sheet (usually its menu's atlas). With woodPending set, its
// first setPosition blends the region's pixels with the wood at that screen position; that must happen
// before the sheet is uploaded. Holds only the region: the sheet owns the pixels.
class IndexElement : public ViewElementI {
public:
    IndexElement() = default;
    explicit IndexElement(const SpriteRef& caption, bool woodPending = false);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return caption.width; }
    int height() override { return layoutHeight >= 0 ? layoutHeight : caption.height; }

    SpriteRef caption;
    int blendMode = 126;            // BlendPremultiplied
    unsigned char drawFlag = 0;     // the draw record's insetTexel
    unsigned char drawFlag2 = 0;    // the draw record's tag
    unsigned char woodPending = 0;
    // The height the row layout gives the element, when not the picture's: a text line's picture is taller
    // than its row so that descenders hang into the space below instead of being cut (-1: the picture's).
    int layoutHeight = -1;

protected:
    DrawParams drawParams(float scaleX, float scaleY, float alpha, float angle) const;
};

#endif
