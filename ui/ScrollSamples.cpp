#include "ui/ScrollSamples.h"

#include "Core/GameClock.h"

// The frame clock, not the game time: the scrollers live on menus, where the game time stands still while a
// game waits, and a drag measured on a stopped clock would take every hold for a flick.
int32_t gameClockNow() { return gGameClock.current; }

void ScrollSamples::reset(int value)
{
    writeIndex_ = kCapacity - 1;
    count_ = 0;
    add(value, 0);
}

void ScrollSamples::add(int value, int32_t time)
{
    values_[writeIndex_] = value;
    times_[writeIndex_] = time;
    writeIndex_ = writeIndex_ == 0 ? kCapacity - 1 : writeIndex_ - 1;
    if (count_ < kCapacity)
        count_++;
}

int ScrollSamples::recentReference(int32_t elapsed) const
{
    int age = 0;
    while (age + 1 < count_ && gameTimeDiff(elapsed, times_[slot(age + 1)]) < 301)
        age++;
    return values_[slot(age)];
}
