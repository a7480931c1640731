#include "ui/BubbleLife.h"

#include "Core/GameClock.h"
#include "settings/AbSettings.h"

#include <algorithm>
#include <cmath>

namespace {

const int kNoFadeOut = 999999;
const float kWobbleRadiansPerMs = 0.009708738f;  // 2 pi / 647
const float kWobblePx = 5.5f;

float ramp(int elapsed, int length)
{
    if (length <= 0)
        return 1.0f;
    return std::min(std::max((float)elapsed / (float)length, 0.0f), 1.0f);
}

}  // namespace

BubbleLife::BubbleLife() : startTime(gGameClock.now()), startTimeRaw(gGameClock.current) {}

int BubbleLife::gameAge() const { return gameTimeDiff(gGameClock.now(), startTime); }

int BubbleLife::runningAge() const { return gameTimeDiff(gGameClock.current, startTimeRaw); }

void BubbleLife::close(int fadeOutMs, bool force)
{
    fadeOutLength = fadeOutMs;
    const int a = age();
    if (fadeOutEnd > 0 && a - delay < kCloseGraceMs && !force)
        return;
    closing = 1;
    // At least 1: an end of 0 would read as "none scheduled" and the bubble would never go.
    fadeOutEnd = std::max(std::min(fadeOutEnd > 0 ? fadeOutEnd : kNoFadeOut, a + fadeOutMs - delay), 1);
}

BubbleLife::Frame BubbleLife::frame() const
{
    Frame f;
    if (gameAge() < delay) {
        f.finished = closing != 0;
        f.changing = !f.finished;
        return f;
    }
    const int a = age();
    if (fadeOutEnd > 0) {
        const int left = fadeOutEnd + delay - a;
        if (left < -kInvisibleTailMs) {
            f.hide = f.finished = true;
            return f;
        }
        if (left < 0)
            return f;
        const float fo = ramp(left, fadeOutLength);
        const float fi = ramp(a - delay, kFadeInMs);
        f.factor = std::min(fi, fo);
        f.changing = true;   // the fade-out is on its way
    } else {
        f.factor = fadeInLength != -1 ? ramp(runningAge() - delay, fadeInLength) : 1.0f;
        f.changing = f.factor < 1.0f;
    }
    f.visible = true;
    return f;
}

bool BubbleLife::footerDue(bool typingDone) const
{
    if (runningAge() - delay - fadeInLength < footerDelay)
        return false;
    return gAbSettings.ttb == 1 || typingDone;
}

float BubbleLife::wobbleOffset() const { return std::sin((float)runningAge() * kWobbleRadiansPerMs) * kWobblePx; }
