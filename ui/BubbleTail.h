#ifndef KELZO_UI_BUBBLETAIL_H
#define KELZO_UI_BUBBLETAIL_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// The tail of a speech bubble: the shared tail picture (tip at its bottom left, for a bubble above its
// anchor) turned upside down for a bubble below its anchor (a positive child angle) and mirrored left to
// right when flagged. The child's scale lengthens it.
class BubbleTail : public ViewElementI {
public:
    BubbleTail(const SpriteRef& picture, bool mirrored) : picture(picture), mirrored(mirrored) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return picture.width; }
    int height() override { return picture.height; }

    SpriteRef picture;
    bool mirrored;
};

// How far above its anchor the tip of an unlengthened tail reaches, for a bubble standing below the anchor: the
// turned picture is drawn from 1 px under the anchor, raised by its height less 8 px.
inline int bubbleTailReach(int pictureHeight) { return pictureHeight > 0 ? pictureHeight - 9 : 0; }

#endif
