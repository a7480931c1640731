#include "ui/BubbleLayout.h"

namespace {

const int kScreenCentreX = 160;
const int kScreenCentreY = 240;
const int kAnchorGap = 7;        // between the frame and its anchor
const int kLeftInset = 12;       // the anchor lies at least this far inside the frame's left edge
const int kRightInset = 22;      // and this far inside its right edge

}  // namespace

BubbleLayout layoutBubble(const BubbleStyle& style, int frameWidth, int frameHeight, int yOverride,
                          int tailPictureHeight)
{
    BubbleLayout out;
    out.x = kScreenCentreX + style.xOffset - frameWidth / 2;
    if (style.anchorX == -1) {
        if (yOverride != -1)
            out.y = yOverride - frameHeight / 2;
        else if (style.anchorY != -1)
            out.y = style.anchorY;
        else
            out.y = kScreenCentreY - frameHeight / 2;
        return out;
    }
    const int ax = style.anchorX, ay = style.anchorY;
    const bool below = style.below != 0;
    const bool leftHalf = ax < kScreenCentreX;
    out.y = below ? ay + kAnchorGap : ay - kAnchorGap - frameHeight;
    if (ax - (kLeftInset - 1) <= out.x)
        out.x = ax - kLeftInset;
    if (out.x + frameWidth <= ax + (kRightInset - 1))
        out.x = ax + kRightInset - frameWidth;

    out.hasTail = true;
    out.tailX = ax - out.x + (leftHalf ? -3 : -12);
    out.tailY = ay - out.y + (below ? 1 : -9 - style.tailLength);
    out.tailAngle = below ? (leftHalf ? 45 : 135) : (leftHalf ? -45 : -135);
    out.tailMirrored = below ? !leftHalf : leftHalf;
    if (style.tailLength > 0 && tailPictureHeight > 0)
        out.tailScaleY = (float)(tailPictureHeight + style.tailLength) / (float)tailPictureHeight;
    return out;
}
