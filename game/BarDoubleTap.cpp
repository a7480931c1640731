#include "game/BarDoubleTap.h"

#include "Core/GameClock.h"

bool BarDoubleTap::press(int x, int y)
{
    if (tapCount != 0 && tapCount != 2) {
        clear();
        return false;
    }
    if (tapCount == 2)
        secondTapDown = 1;
    tapCount++;
    tapDownX = x;
    tapDownY = y;
    return true;
}

BarDoubleTap::Result BarDoubleTap::release(int x, int y, int32_t now, const TutorialRule& rule)
{
    const int dx = x - tapDownX;
    const int dy = y - tapDownY;
    if (dx * dx + dy * dy > kRadiusSquared || (tapCount != 1 && tapCount != 3)) {
        clear();
        return None;
    }
    if (tapCount == 1) {
        tapCount = 2;
        firstTapTime = now;
        return Counted;
    }
    const int32_t first = firstTapTime;
    clear();
    if (!rule.applies)
        return Leave;
    // A slow double tap on the tutorial is two taps the player meant for the tutorial.
    if (first < 0 || gameTimeDiff(now, first) > kTutorialLimitMs)
        return None;
    if (rule.ieh == 1)
        return y > kTutorialLowY ? Leave : None;
    return rule.ieh == 2 ? None : Leave;
}

void BarDoubleTap::abandonIfOld(int32_t now)
{
    if (firstTapTime >= 0 && gameTimeDiff(now, firstTapTime) >= kAbandonMs)
        clear();
}

void BarDoubleTap::clear()
{
    tapCount = 0;
    firstTapTime = -1;
    secondTapDown = 0;
}
