#include "ui/Scroller.h"

#include "Core/GameClock.h"
#include "settings/AbSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A press on a pager that still moves faster than this only stops it.
const float kStopOnlySpeed = 0.007f;
// Slower than this, a coasting pager stops.
const float kRestSpeed = 0.0045f;
// A tap is shorter than this and strays less than kTapSlop px.
const int kTapMs = 600;
const int kTapSlop = 10;
// Side zones: within kSideZoneReach px of (148 - pageWidth) and of (172 + pageWidth).
const int kSideZoneReach = 30;

float clampf(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

}  // namespace

bool Scroller::beginDrag(int x, int y)
{
    if (!inBand(y))
        return false;
    dragStartX = x;
    dragStartTime = now_();
    maxDragDistance = 0;
    samples_.reset(x);
    velocityAtPress = velocity;
    velocity = 0.0f;
    dragStartPosition = position;
    return true;
}

float Scroller::followFinger(int x) const
{
    float p = dragStartPosition - static_cast<float>(x - dragStartX) / static_cast<float>(pageWidth);
    float lo = static_cast<float>(minPage);
    float hi = static_cast<float>(maxPage);
    if (p < lo)
        p = lo - (lo - p) / 2.0f;
    else if (p > hi)
        p = hi + (p - hi) / 2.0f;
    return p;
}

bool Scroller::drag(int x, int y)
{
    if (!isDragging())
        return false;
    if (!inBand(y))
        return true;
    float p = followFinger(x);
    maxDragDistance = std::max(maxDragDistance, std::abs(x - dragStartX));
    samples_.add(x, gameTimeDiff(now_(), dragStartTime));
    position = p;
    return true;
}

void Scroller::flickFrom(int x, int32_t elapsed)
{
    int dx = x - samples_.recentReference(elapsed);
    if (std::abs(dx) > pageWidth / 5) {
        float speed = flickFactor * static_cast<float>(std::abs(dx) + 5) / 450.0f;
        velocity = dx > 0 ? -speed : speed;
    } else {
        velocity = 0.0f;
    }
}

bool Scroller::takeTap(int x, bool* tapped)
{
    if (std::fabs(velocityAtPress) >= kStopOnlySpeed)
        return false;
    if (gAbSettings.ttd < 1 || static_cast<float>(page) != pagePos) {
        if (tapped)
            *tapped = true;
        return false;
    }
    // The press point is dragStartX: after a long drag the ring no longer holds it.
    int left = 148 - pageWidth;
    int right = 172 + pageWidth;
    bool leftTap = std::abs(x - left) <= kSideZoneReach && std::abs(dragStartX - left) <= kSideZoneReach;
    bool rightTap = std::abs(x - right) <= kSideZoneReach && std::abs(dragStartX - right) <= kSideZoneReach;
    if (leftTap && page > minPage) {
        page -= 1;
        pagePos = static_cast<float>(page);
        return true;
    }
    if (rightTap && page < maxPage) {
        page += 1;
        pagePos = static_cast<float>(page);
        return true;
    }
    if (tapped)
        *tapped = true;
    return false;
}

bool Scroller::endDrag(int x, int y, bool* tapped)
{
    if (tapped)
        *tapped = false;
    if (!isDragging())
        return false;
    int32_t elapsed = gameTimeDiff(now_(), dragStartTime);
    if (inBand(y)) {
        flickFrom(x, elapsed);
        position = followFinger(x);
    }
    maxDragDistance = std::max(maxDragDistance, std::abs(x - dragStartX));
    bool turned = elapsed < kTapMs && maxDragDistance < kTapSlop && takeTap(x, tapped);
    if (!turned) {
        pagePos = clampf(position, static_cast<float>(minPage), static_cast<float>(maxPage));
        page = static_cast<int>(pagePos + 0.5f);
    }
    dragStartX = -1;
    return true;
}

void Scroller::step()
{
    float t = clampf(velocity + pagePos, static_cast<float>(minPage), static_cast<float>(maxPage));
    velocity *= friction;
    if (std::fabs(velocity) < kRestSpeed)
        velocity = 0.0f;
    page = static_cast<int>(t + 0.5f);
    if (velocity != 0.0f && (t - position) * velocity >= 0.0f) {
        position = pagePos = t;
        return;
    }
    pagePos = static_cast<float>(page);
    if (pagePos == position || isDragging())
        return;
    ease();
}

// The step grows with the square of the distance: long jumps settle in a few frames, short
// ones glide.
void Scroller::ease()
{
    float d = pagePos - position;
    float pw = static_cast<float>(pageWidth);
    float s = 0.028f * (80.0f / pw + d * d * pw / 60.0f);
    if (std::fabs(d) <= s)
        position = pagePos;
    else
        position += d > 0 ? s : -s;
}

// Right after a release pagePos is where the finger left the pager, off its page; it still has
// to ease onto the page, so that counts as moving too.
bool Scroller::isMoving() const
{
    return velocity != 0.0f || isDragging() || pagePos != position || position != static_cast<float>(page);
}
