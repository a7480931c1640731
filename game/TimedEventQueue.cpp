#include "game/TimedEventQueue.h"

#include "Core/GameClock.h"

void TimedEventQueue::add(int kind, int32_t dueMs)
{
    MutexLock lock(&lock_);
    events_.append(TimedEvent{kind, dueMs});
}

void TimedEventQueue::schedule(int kind, int delayMs)
{
    add(kind, int32_t(uint32_t(clock_()) - uint32_t(kLeadMs) + uint32_t(delayMs)));
}

void TimedEventQueue::append(int kind, int delayMs)
{
    add(kind, int32_t(uint32_t(clock_()) + uint32_t(delayMs)));
}

bool TimedEventQueue::retried(int kind)
{
    switch (kind) {
    case kEventGameOver:
    case kEventYay:
    case kEventUndo:
    case kEventHint:
    case kEventBeatStage:
    case kEventAlarm:
        return true;
    default:
        return false;
    }
}

void TimedEventQueue::runDue(const Player& play)
{
    MutexLock lock(&lock_);
    const int32_t now = clock_();
    // The walk steps past the place of an entry it removes: the entry moving in waits a frame.
    for (int i = 0; i < events_.size(); i++) {
        const TimedEvent event = events_[i];
        if (gameTimeDiff(now, event.dueMs) < 0)
            continue;
        if (!play(event.kind) && retried(event.kind))
            continue;
        // Found by place again: the player may have appended (same thread, recursive lock).
        events_.removeAt(i);
    }
}

int TimedEventQueue::size() const
{
    MutexLock lock(&lock_);
    return events_.size();
}

TimedEvent TimedEventQueue::at(int index) const
{
    MutexLock lock(&lock_);
    return events_[index];
}
