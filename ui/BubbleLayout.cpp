#include "ui/BubbleLayout.h"

#include <algorithm>

namespace {

const int kScreenCentreX = 160;
const int kScreenCentreY = 240;
const int kAnchorGap = 7;        // between the frame and its anchor
const int kLeftInset = 12;       // the anchor lies at least this far inside the frame's left edge
const int kRightInset = 22;      // and this far inside its right edge
const int kTop = kBubbleScreenMargin;
const int kBottom = kBubbleScreenHeight - kBubbleScreenMargin;

// A span of `size` at `pos` moved into [low, high); one too big for it is centred on it.
int keepWithin(int pos, int size, int low, int high)
{
    if (size > high - low)
        return low + (high - low - size) / 2;
    return std::max(low, std::min(pos, high - size));
}

// Above the anchor unless the style says below; a side without room for the frame gives way to the other.
bool standsBelow(const BubbleStyle& style, int frameHeight)
{
    const bool fitsAbove = style.anchorY - kAnchorGap - frameHeight >= kTop;
    const bool fitsBelow = style.anchorY + kAnchorGap + frameHeight <= kBottom;
    return style.below != 0 ? fitsBelow || !fitsAbove : !fitsAbove && fitsBelow;
}

}  // namespace

BubbleLayout layoutBubble(const BubbleStyle& style, int frameWidth, int frameHeight, int yOverride,
                          int tailPictureHeight, const BubbleBounds& bounds)
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
        out.x = keepWithin(out.x, frameWidth, bounds.left, bounds.right);
        out.y = keepWithin(out.y, frameHeight, kTop, kBottom);
        return out;
    }
    const int ax = style.anchorX, ay = style.anchorY;
    const bool below = standsBelow(style, frameHeight);
    const bool leftHalf = ax < kScreenCentreX;
    out.below = below;
    out.y = below ? ay + kAnchorGap : ay - kAnchorGap - frameHeight;
    if (ax - (kLeftInset - 1) <= out.x)
        out.x = ax - kLeftInset;
    if (out.x + frameWidth <= ax + (kRightInset - 1))
        out.x = ax + kRightInset - frameWidth;
    out.x = keepWithin(out.x, frameWidth, bounds.left, bounds.right);

    out.hasTail = true;
    out.tailX = ax - out.x + (leftHalf ? -3 : -12);
    out.tailY = ay - out.y + (below ? 1 : -9 - style.tailLength);
    out.tailAngle = below ? (leftHalf ? 45 : 135) : (leftHalf ? -45 : -135);
    out.tailMirrored = below ? !leftHalf : leftHalf;
    if (style.tailLength > 0 && tailPictureHeight > 0)
        out.tailScaleY = (float)(tailPictureHeight + style.tailLength) / (float)tailPictureHeight;
    return out;
}
