#ifndef KELZO_MENUS_TEXTANDVALUE_H
#define KELZO_MENUS_TEXTANDVALUE_H

#include "graphics/SpriteSheet.h"
#include "ui/MyView.h"

// A small two-line cell of the statistics page: an engraved caption (64 x 16, 13 pt, in the menu's atlas)
// over a number drawn in white (64 x 16, 13 pt). The number is turned into text once, when the cell is made;
// a negative one keeps its minus sign.
class TextAndValue : public MyView {
public:
    static const int kCellWidth = 69;
    static const int kCellHeight = 30;
    static const int kTextWidth = 64;
    static const int kTextHeight = 16;
    static const int kFontSize = 13;

    TextAndValue(SpriteSheet* atlas, const char* caption, int value);

    // 69 for each caption-and-value pair.
    int width() override { return kCellWidth * (children.size() / 2); }
    int height() override { return kCellHeight; }
};

#endif
