#ifndef KELZO_UI_MAINHEADING_H
#define KELZO_UI_MAINHEADING_H

#include "Core/String.h"
#include "graphics/SpriteSheet.h"
#include "ui/MyView.h"

// A menu's heading: engraved text at size 18 above the divider line, the line opened up under the text. Built
// into the menu's atlas at first; setText rebuilds it into a sheet of its own (the menu's atlas is uploaded by
// then) and uploads that.
class MainHeading : public MyView {
public:
    static const int kFontSize = 18;
    static const int kTextHeight = 23;
    static const int kDividerY = 10;
    static const int kGapExtra = 10;

    MainHeading(SpriteSheet* atlas, const char* text);
    void setText(const char* text);

    SpriteSheet* atlas;
    SpriteSheet ownSheet{256, 256, false};
    String text;

private:
    void build();
};

// Clears the divider's columns under a heading text: a gap `gap` px wide in the middle of the picture, all of
// it when the gap is wider than the divider, and never a column outside it.
void clearDividerGap(const PixelView& divider, int gap);

#endif
