#ifndef KELZO_UI_BUBBLELAYOUT_H
#define KELZO_UI_BUBBLELAYOUT_H

#include "ui/BubbleStyle.h"

// Every bubble keeps this far inside the 320 x 480 screen, so that its outline never touches an edge.
const int kBubbleScreenMargin = 4;
const int kBubbleScreenWidth = 320;
const int kBubbleScreenHeight = 480;

// The columns a bubble's frame must stay within: the screen less its margins, unless its owner narrows them
// (to keep it beside another bubble).
struct BubbleBounds {
    int left = kBubbleScreenMargin;
    int right = kBubbleScreenWidth - kBubbleScreenMargin;
    int width() const { return right - left; }
};

// A bubble's frame on the screen, as drawn.
struct BubbleRect {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    // Whether the two come closer than `gap` pixels.
    bool near(const BubbleRect& other, float gap) const
    {
        return left < other.right + gap && other.left < right + gap && top < other.bottom + gap &&
               other.top < bottom + gap;
    }
};

// Where a bubble of frameWidth x frameHeight stands, and its tail.
struct BubbleLayout {
    int x = 0;                 // top-left corner of the frame, screen px
    int y = 0;
    bool hasTail = false;      // only an anchored bubble has one
    bool below = false;        // an anchored bubble stands below its anchor
    int tailX = 0;             // the tail's top-left corner, relative to the frame
    int tailY = 0;
    int tailAngle = 0;         // 45 below and left, 135 below and right, -45 above and left, -135 above and right
    bool tailMirrored = false;
    float tailScaleY = 1.0f;   // lengthened by the style's tail length
};

// Centred on the screen (plus the style's x offset); an anchored bubble stands 7 px above or below its anchor
// and is moved sideways until the anchor lies at least 12 px inside its left edge and 22 px inside its right
// edge. yOverride (-1: none) is the vertical centre of a bubble without an anchor.
//
// Then the frame is kept inside the bounds and the screen's rows (less the margin): it is moved sideways, a
// free bubble also up or down, and an anchored bubble that has no room on its side of the anchor goes to the
// other side. The tail still points at the anchor.
BubbleLayout layoutBubble(const BubbleStyle& style, int frameWidth, int frameHeight, int yOverride,
                          int tailPictureHeight, const BubbleBounds& bounds = BubbleBounds());

#endif
