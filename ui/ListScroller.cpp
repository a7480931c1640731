#include "ui/ListScroller.h"

#include "Core/GameClock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const float kTop = 0.0001f;            // rest position of the list's top
const float kUnitsPerPx = 0.00625f;    // 1 / 160
const int kDragSlop = 10;              // px before a press becomes a drag
const int kFlickMinPx = 50;
const int32_t kFlickWindowMs = 300;
const float kFlickSpeed = 0.25f;       // units per frame, whatever the flick's length
const float kBounceDamping = 0.57f;
const float kBounceMinSpeed = 0.01f;
const float kBounceBackSpeed = 0.017f;
const float kEndZone = 0.5f;           // near an end, extra friction
const float kEndFriction = 0.95f;
const float kFriction = 0.985f;
const float kFrictionStep = 0.0015f;
const float kFollowPerMs = 0.05f;      // how fast the shown position catches up with the target

}  // namespace

ListScroller::ListScroller(int bandHalfWidth, float margin, float maxPos)
    : bandHalfWidth_(bandHalfWidth), maxPos_(maxPos), margin_(margin)
{
}

int ListScroller::handleTouch(int phase, int x, int y)
{
    MutexLock lock(&mutex_);
    if (phase == 0)
        beginDrag(x, y);
    else if (phase == 1)
        drag(y);
    else
        release(y);
    return -1;
}

float ListScroller::clampTarget(float t) const { return std::min(std::max(t, kTop - margin_), maxPos_ + margin_); }

void ListScroller::beginDrag(int x, int y)
{
    MutexLock lock(&mutex_);
    if (std::abs(x - 160) >= bandHalfWidth_ || std::abs(y - 240) >= 200)
        return;
    dragStartPosition_ = target_ = shown_;
    velocity_ = 0.0f;
    samples_.reset(y);
    dragStartY_ = y;
    dragStartTime_ = lastStepTime_ = now_();
    bouncedTop_ = bouncedBottom_ = false;
    dragging_ = 1;
}

void ListScroller::drag(int y)
{
    MutexLock lock(&mutex_);
    if (dragging_ == 0)
        return;
    samples_.add(y, gameTimeDiff(now_(), dragStartTime_));
    if (dragging_ == 1) {
        if (std::abs(y - dragStartY_) <= kDragSlop)
            return;
        dragging_ = 2;
    }
    int d = dragStartY_ - y;
    if (d > 0)
        target_ = dragStartPosition_ + std::min(d * kUnitsPerPx, 1.0f);
    else if (d < 0)
        target_ = dragStartPosition_ - std::min(-d * kUnitsPerPx, 1.0f);
    target_ = clampTarget(target_);
}

void ListScroller::release(int y)
{
    MutexLock lock(&mutex_);
    if (dragging_ == 0)
        return;
    target_ = clampTarget(target_);
    dragging_ = 0;
    int32_t elapsed = gameTimeDiff(now_(), dragStartTime_);
    int d = elapsed < kFlickWindowMs ? y - dragStartY_ : y - samples_.recentReference(elapsed);
    if (std::abs(d) > kFlickMinPx)
        velocity_ = d < 0 ? kFlickSpeed : -kFlickSpeed;
    dragStartTime_ = -1;
}

void ListScroller::applyPhysics()
{
    bool outside = shown_ < kTop || shown_ > maxPos_;
    if (velocity_ == 0.0f && !(outside && dragging_ == 0))
        return;
    float t = target_ + velocity_;
    if (shown_ < kTop) {
        velocity_ *= kBounceDamping;
        if (std::fabs(velocity_) < kBounceMinSpeed) {
            velocity_ = kBounceBackSpeed;
            bouncedTop_ = true;
        }
        t += velocity_;
    }
    if (shown_ > maxPos_) {
        velocity_ *= kBounceDamping;
        if (std::fabs(velocity_) < kBounceMinSpeed) {
            velocity_ = -kBounceBackSpeed;
            bouncedBottom_ = true;
        }
        t += velocity_;
    }
    target_ = clampTarget(t);
}

void ListScroller::applyFriction()
{
    if (bouncedTop_ || bouncedBottom_)
        return;
    if (std::fabs(shown_ - kTop) < kEndZone || std::fabs(shown_ - maxPos_) < kEndZone)
        velocity_ *= kEndFriction;
    velocity_ *= kFriction;
    if (std::fabs(velocity_) < kFrictionStep)
        velocity_ = 0.0f;
    else
        velocity_ -= velocity_ > 0 ? kFrictionStep : -kFrictionStep;
}

// Back inside after a bounce: stop, and rest exactly on the end that was overshot.
void ListScroller::settleBounce(bool* moving)
{
    if (!bouncedTop_ && !bouncedBottom_)
        return;
    *moving = true;
    if (shown_ < kTop || shown_ > maxPos_)
        return;
    velocity_ = 0.0f;
    if (dragging_ == 0) {
        if (bouncedTop_ && target_ > kTop)
            shown_ = target_ = kTop;
        if (bouncedBottom_ && target_ < maxPos_)
            shown_ = target_ = maxPos_;
    }
    bouncedTop_ = bouncedBottom_ = false;
}

float ListScroller::step(bool* movingOut)
{
    MutexLock lock(&mutex_);
    int32_t now = now_();
    if (margin_ > 0.0f) {
        applyPhysics();
        applyFriction();
    }
    // Pinned at the margin with speed left, the list is about to bounce back: still moving.
    bool moving = velocity_ != 0.0f;
    if (shown_ != target_) {
        moving = true;
        float reach = kFollowPerMs * static_cast<float>(gameTimeDiff(now, lastStepTime_));
        float d = target_ - shown_;
        if (std::fabs(d) <= reach)
            shown_ = target_;
        else
            shown_ += d > 0 ? reach : -reach;
    }
    settleBounce(&moving);
    lastStepTime_ = now;
    moving_ = moving;
    if (movingOut)
        *movingOut = moving;
    return shown_;
}

void ListScroller::setMaxPos(float maxPos)
{
    MutexLock lock(&mutex_);
    maxPos_ = maxPos;
}

float ListScroller::maxPosition() const
{
    MutexLock lock(&mutex_);
    return maxPos_;
}

float ListScroller::shownPosition() const
{
    MutexLock lock(&mutex_);
    return shown_;
}

float ListScroller::targetPosition() const
{
    MutexLock lock(&mutex_);
    return target_;
}

float ListScroller::currentVelocity() const
{
    MutexLock lock(&mutex_);
    return velocity_;
}

bool ListScroller::isDragging() const
{
    MutexLock lock(&mutex_);
    return dragging_ != 0;
}

bool ListScroller::isMoving() const
{
    MutexLock lock(&mutex_);
    return moving_;
}

void ListScroller::setClock(ScrollClock clock)
{
    MutexLock lock(&mutex_);
    now_ = clock;
}
