#ifndef KELZO_UI_SCROLLSAMPLES_H
#define KELZO_UI_SCROLLSAMPLES_H

#include <cstdint>

// The recent finger positions of a drag, for the speed of a flick: a fixed ring (no allocation
// while a finger moves) of (coordinate, ms since the press) pairs, newest first. A drag longer
// than the ring keeps only its newest kCapacity samples; the count never exceeds the ring, so a
// walk over the samples never runs into ones already overwritten.
class ScrollSamples {
public:
    static const int kCapacity = 32;

    // Forgets every sample and keeps (value, 0), the press.
    void reset(int value);
    void add(int value, int32_t time);
    int count() const { return count_; }

    // The value of the oldest sample in the run from the newest one that was taken within the
    // last 300 ms (elapsed - its time < 301); the newest sample when no older one qualifies.
    int recentReference(int32_t elapsed) const;

private:
    int slot(int age) const { return (writeIndex_ + 1 + age) % kCapacity; }

    int values_[kCapacity] = {};
    int32_t times_[kCapacity] = {};
    int writeIndex_ = kCapacity - 1;  // where the next sample goes; moves backwards
    int count_ = 0;
};

// Where the scrollers read the time: the game clock's frame time (running also while the game waits) unless
// a test swaps it.
using ScrollClock = int32_t (*)();
int32_t gameClockNow();

#endif
