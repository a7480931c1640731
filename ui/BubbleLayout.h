#ifndef KELZO_UI_BUBBLELAYOUT_H
#define KELZO_UI_BUBBLELAYOUT_H

#include "ui/BubbleStyle.h"

// Where a bubble of frameWidth x frameHeight stands, and its tail.
struct BubbleLayout {
    int x = 0;                 // top-left corner of the frame, screen px
    int y = 0;
    bool hasTail = false;      // only an anchored bubble has one
    int tailX = 0;             // the tail's top-left corner, relative to the frame
    int tailY = 0;
    int tailAngle = 0;         // 45 below and left, 135 below and right, -45 above and left, -135 above and right
    bool tailMirrored = false;
    float tailScaleY = 1.0f;   // lengthened by the style's tail length
};

// Centred on the screen (plus the style's x offset); an anchored bubble stands 7 px above or below its anchor
// and is moved sideways until the anchor lies at least 12 px inside its left edge and 22 px inside its right
// edge. yOverride (-1: none) is the vertical centre of a bubble without an anchor.
BubbleLayout layoutBubble(const BubbleStyle& style, int frameWidth, int frameHeight, int yOverride,
                          int tailPictureHeight);

#endif
