#include "game/Tips.h"

#include <algorithm>
#include <cmath>

#include "Core/GameClock.h"
#include "Core/String.h"
#include "board/Board.h"
#include "board/CellGeometry.h"
#include "game/TipTable.h"
#include "game/TipsHost.h"
#include "ui/MenuBubble.h"
#include "ui/TipAlert.h"

namespace {

const int kBoardColumns = 7;
const int kBoardRows = 8;
// A bubble is placed over the board only when more rows than this are free.
const int kMinFreeRows = 2;
// Idle time is counted from a while after a bubble opens.
const int kQuietAfterShowMs = 3000;
// Open bubbles keep this far apart; a bubble is narrowed to stand beside another only down to this width.
const float kBubbleGap = 4.0f;
const int kNarrowestRoom = 90;
// A narrowed bubble must still hold the spot its tail points at this far inside its left and right edges (the
// right one as near as a bubble pointing at the hint button gets to the screen's edge).
const int kAimInsetLeft = 12;
const int kAimInsetRight = 16;

bool rowIsEmpty(const Board& board, int y)
{
    for (int x = 0; x < kBoardColumns; x++)
        if (board.hasFurballAt(x, y))
            return false;
    return true;
}

// On screen or still to come, fading out included.
bool onScreen(const MenuBubble* bubble)
{
    if (!bubble)
        return false;
    const int end = bubble->life.fadeOutEnd;
    return end == 0 || bubble->life.age() - bubble->life.delay < end;
}

// On screen and not yet asked to go.
bool stillShowing(const MenuBubble* bubble)
{
    return onScreen(bubble) && !bubble->life.closing;
}

// Where a bubble's tail points, or its middle when it has none.
float aimX(const MenuBubble& bubble)
{
    if (bubble.style->anchorX != -1)
        return (float)bubble.style->anchorX;
    const BubbleRect r = bubble.rect();
    return (r.left + r.right) / 2;
}

}  // namespace

int tipPlaceOverBoard(const Board* board)
{
    if (!board)
        return -1;
    int longest = 0;
    int lastStart = -1, lastEnd = -1;  // end is the first row after the run
    int start = -1;
    for (int y = 0; y <= kBoardRows; y++) {
        const bool empty = y < kBoardRows && rowIsEmpty(*board, y);
        if (empty && start < 0)
            start = y;
        if (!empty && start >= 0) {
            longest = std::max(longest, y - start);
            lastStart = start;
            lastEnd = y;
            start = -1;
        }
    }
    // The bottom row free alone leaves no room between the furballs and the bottom bar.
    const bool bottomRowAlone = lastStart == kBoardRows - 1;
    if (longest <= kMinFreeRows || bottomRowAlone)
        return -1;
    const int startBottom = kBoardTop + kCellPixels * lastStart + kCellPixels;
    const int endY = kBoardTop + kCellPixels * lastEnd;
    return (startBottom + endY) / 2;
}

Tips::Tips() = default;

const BubbleStyle& Tips::row(int id) { return kTipTable[counted(id) ? id : 0]; }

bool Tips::shouldShow(int id, int limit, bool force)
{
    if ((anyBubble() && !force) || !counted(id))
        return false;
    return shown_[id] < limit && perGame_[id] == 0;
}

bool Tips::shouldShowBelowTwice(int id, int limit, bool force)
{
    if ((anyBubble() && !force) || !counted(id))
        return false;
    return shown_[id] < limit && perGame_[id] < 2;
}

bool Tips::allow(int id)
{
    refused_[id] = 0;
    return true;
}

bool Tips::refuse(int id)
{
    refused_[id]++;
    return false;
}

bool Tips::shouldShowSpaced(int id, int limit, int limit2, int limit3)
{
    if (anyBubble() || !counted(id))
        return false;
    const int shown = shown_[id];
    const int r = refused_[id];
    if (perMove_[id] == 0 && (shown < limit || (shown < limit2 && r > 0) || (shown < limit3 && r > 1)))
        return allow(id);
    return refuse(id);
}

bool Tips::shouldShowBackoff(int id, int limit, int limit2, int limit3)
{
    if (anyBubble() || !counted(id))
        return false;
    const int shown = shown_[id];
    const int p = perMove_[id];
    const int r = refused_[id];
    if (r > 2 * p && (shown < limit || (shown < limit2 && r > 0) || (shown < limit3 && r > 1)))
        return allow(id);
    return refuse(id);
}

void Tips::countShown(int id)
{
    if (id >= 0 && id < kSavedCounters)
        shown_[id]++;
    if (counted(id)) {
        perGame_[id]++;
        perLevel_[id]++;
        perMove_[id]++;
    }
}

void Tips::show(int id, const TipParams& params)
{
    const bool tipsOn = !host || host->tipsOn();
    if (!tipsOn && id < kFirstTutorialTip)
        return;
    present(id, params);
}

void Tips::present(int id, const TipParams& params)
{
    if (!counted(id))
        return;
    countShown(id);
    lastParams_ = params;
    // The texts are the caller's and may be gone once it returns: the bubble has copied them.
    lastParams_.body = lastParams_.title = nullptr;

    BubbleStyle* style = new BubbleStyle(row(id));
    if (params.x != -1)
        style->anchorX = params.x;
    if (params.y != -1)
        style->anchorY = params.y;
    style->fontSizeOffset += params.styleAdjust;
    const bool tutorial = id >= kFirstTutorialTip && id <= kLastTutorialTip;
    const bool unplaced = style->anchorX == -1 && style->anchorY == -1;
    const int place = !tutorial && unplaced ? tipPlaceOverBoard(host ? host->tipBoard() : nullptr) : -1;
    if (!params.dismissOnTouch && style->footerKind == 1)
        style->footerKind = 0;
    if (params.flipArrow)
        style->below = style->below ? 0 : 1;

    // The frame drops the bubbles once none is showing; doing the same here
    // keeps the list short whether or not a frame ran in between.
    if (!anyBubble())
        bubbles.clear();
    MenuBubble* bubble = new MenuBubble(style, params.showMs, params.delayMs, place, -1, params.wobble,
                                        params.bubbleOption != 0, params.fadeOutMs, String(params.title),
                                        String(params.body));
    bubble->tag = id;
    bubble->removable = params.dismissOnTouch ? 1 : 0;
    bubble->scale = params.scale;
    keepApart(bubble);
    bubbles.add(bubble);
    quietFrom_ = gGameClock.now() + kQuietAfterShowMs;
}

void Tips::keepApart(MenuBubble* bubble) const
{
    for (const MenuBubble* other : bubbles.bubbles) {
        if (!onScreen(other))
            continue;
        const BubbleRect theirs = other->rect();
        if (!bubble->rect().near(theirs, kBubbleGap))
            continue;
        // The room on the side of the other bubble where this one points.
        BubbleBounds room;
        if (aimX(*bubble) >= (theirs.left + theirs.right) / 2)
            room.left = std::max(room.left, (int)std::ceil(theirs.right + kBubbleGap));
        else
            room.right = std::min(room.right, (int)std::floor(theirs.left - kBubbleGap));
        const int aim = (int)aimX(*bubble);
        if (room.width() >= kNarrowestRoom && room.left <= aim - kAimInsetLeft && aim + kAimInsetRight <= room.right)
            bubble->fitWithin(room);
        return;
    }
}

CustomAlertView* Tips::showWithText(int id, const char* buttonText, AlertViewCallbackI* listener)
{
    return showTipAsAlert(row(id), buttonText, listener);
}

void Tips::dismiss(int id)
{
    for (MenuBubble* bubble : bubbles.bubbles)
        if (bubble && bubble->tag == id)
            bubble->close(kDismissFadeMs, true);
}

bool Tips::allDismissed()
{
    for (MenuBubble* bubble : bubbles.bubbles)
        if (stillShowing(bubble)) {
            bubble->close(kDismissFadeMs, false);
            return false;
        }
    return true;
}

void Tips::resetMoveCounters(int now)
{
    quietFrom_ = now;
    std::fill(perMove_, perMove_ + kTipCount, 0);
    std::fill(refused_, refused_ + kTipCount, 0);
}

void Tips::resetLevelCounters(int now)
{
    resetMoveCounters(now);
    std::fill(perLevel_, perLevel_ + kTipCount, 0);
}

void Tips::resetGameCounters(int now)
{
    resetLevelCounters(now);
    std::fill(perGame_, perGame_ + kTipCount, 0);
}

void Tips::resetAllCounters(int now)
{
    resetGameCounters(now);
    std::fill(shown_, shown_ + kSavedCounters, 0);
}

bool Tips::save(StreamOut& out) const
{
    if (!writeInt16(out, kSaveMarker))
        return false;
    for (int count : shown_)
        if (!writeInt16(out, count))
            return false;
    return true;
}

bool Tips::load(StreamIn& in)
{
    int first = 0;
    if (!readInt16(in, &first))
        return false;
    int count = kSavedCounters;
    int next = 0;
    if ((first & 0xFFFF) != kSaveMarker) {
        count = kOldSavedCounters;
        shown_[next++] = first;
    }
    for (; next < count; next++)
        if (!readInt16(in, &shown_[next]))
            return false;
    return true;
}

bool Tips::isOpen(int id) const
{
    for (const MenuBubble* bubble : bubbles.bubbles)
        if (bubble && bubble->tag == id && stillShowing(bubble))
            return true;
    return false;
}

bool Tips::anyBubble() const
{
    for (const MenuBubble* bubble : bubbles.bubbles)
        if (onScreen(bubble))
            return true;
    return false;
}

int Tips::openCount() const
{
    int count = 0;
    for (const MenuBubble* bubble : bubbles.bubbles)
        if (bubble)
            count++;
    return count;
}
