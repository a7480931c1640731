#ifndef KELZO_MENUS_WIDGETS_CUSTOMMULTISELECT_H
#define KELZO_MENUS_WIDGETS_CUSTOMMULTISELECT_H

#include "Core/String.h"
#include "ui/MyView.h"

// A strip of touchable segments, one of them shown pressed as the selected one (the high-score screen's
// local/online switch, the history screen's pages). A press on a segment selects it and tells the listener at
// once, also when it was selected already; moves and releases change nothing. The owner may set the selection
// itself through armedTag, which tells nobody.
//
// A segment is 69 px wide, or its caption's width + 15 when the caption is wider than 54 px (the pictures are
// then widened by repeating their middle column). The first segment uses the "Left" pictures, the last of two
// or more the "Right" ones, any between them "Middle". A press up to 3 px above or below still counts.
//
//     String captions[2] = {getText(146), getText(148)};
//     CustomMultiSelect* source = new CustomMultiSelect(this, captions, 2);   // then a child of a menu row
class CustomMultiSelect : public MyView {
public:
    static const int kHeight = 30;
    static const int kMinWidth = 69;
    static const int kCaptionFontSize = 13;
    static const int kCaptionTop = 6;
    static const int kHitMarginY = 3;

    CustomMultiSelect(SegmentedControlCallbackI* segmentListener, const String* captions, int count);

    int width() override { return totalWidth; }
    int height() override { return kHeight; }

    // The width a segment takes for its caption.
    static int segmentWidth(const char* caption);

    int totalWidth = 0;

private:
    void addSegment(int index, int count, const String& caption);
};

#endif
