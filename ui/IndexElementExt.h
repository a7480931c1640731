#ifndef KELZO_UI_INDEXELEMENTEXT_H
#define KELZO_UI_INDEXELEMENTEXT_H

#include "ui/IndexElement.h"

// An IndexElement with padding on every side and room to grow: with extraHeight the picture is drawn in
// three slices, its top and bottom 32 rows as they are and the rows between stretched to fill the extra
// height (a frame that fits its contents).
class IndexElementExt : public IndexElement {
public:
    IndexElementExt() = default;
    explicit IndexElementExt(const SpriteRef& caption, bool woodPending = false)
        : IndexElement(caption, woodPending) {}

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return caption.width + extraWidth + 2 * padX; }
    int height() override { return caption.height + extraHeight + 2 * padY; }

    int padX = 0;
    int padY = 0;
    int extraWidth = 0;
    int extraHeight = 0;

    // Rows kept unstretched at the top and at the bottom of a three-slice picture.
    static const int kSliceRows = 32;
};

#endif
