#ifndef KELZO_UI_BUBBLESTYLE_H
#define KELZO_UI_BUBBLESTYLE_H

#include <cstdint>

// What a speech bubble says and where it stands: ten 32-bit words, all zero unless set.
struct BubbleStyle {
    int32_t titleId = 0;         // text id of the title; -1 none
    int32_t bodyId = 0;          // text id of the body; -1 none
    int32_t wrapWidth = 0;       // px
    int32_t anchorX = 0;         // the spot the tail points at; -1: no anchor, no tail
    int32_t anchorY = 0;         // without an anchor: -1 centres the bubble on the screen
    uint8_t below = 0;           // 1: the bubble stands below the anchor, 0 above it
    int32_t xOffset = 0;         // added to the bubble's x
    int32_t fontSizeOffset = 0;  // added to the base font size
    int32_t tailLength = 0;      // > 0: the tail is drawn this much longer
    int32_t footerKind = 0;      // 0 none; 1 "tap to close" line; 2 or more a late footer due (kind - 2) ms on
};

static_assert(sizeof(BubbleStyle) == 40, "ten words");

#endif
