#ifndef KELZO_GAME_TIMEDEVENTQUEUE_H
#define KELZO_GAME_TIMEDEVENTQUEUE_H

#include <cstdint>
#include <functional>

#include "Core/Array.h"
#include "Core/Mutex.h"

// What a timed event does when it falls due.
enum TimedEventKind {
    kEventLostLife = 0,
    kEventTitleMusic = 1,   // the music goes back to the title theme
    kEventGameOver = 2,
    kEventYay = 3,
    kEventMouthPop = 5,
    kEventWrongMove = 6,
    kEventUndo = 7,
    kEventHint = 8,
    kEventBeatStage = 9,
    kEventAlarm = 10,
};

// A sound (or the music's return) the frame plays when the game clock reaches `dueMs`. Any clock reading is a
// valid due time, -1 included: an entry leaves the queue when it has run, so no due value stands for "done".
struct TimedEvent {
    int32_t kind;
    int32_t dueMs;
};

// The sounds that must come a little later than the code that asks for them: the hint and undo effects, the
// "yay" of a solved puzzle, the alarm, the mouth pops of furballs entering. The frame walks the queue once
// per frame; other threads (the music cross-fader) add to it at any time, so every operation takes the lock
// it is given, the application's frame lock, which the frame holds around its walk anyway.
//
// A walk plays each due entry and drops it at once; the entry that moves into its place waits for the next
// frame, so two sounds due together come one frame apart instead of on top of each other. A kind whose
// effect loads in the background (see retried()) stays queued while its player reports that nothing sounded.
//
//     TimedEventQueue events(frameMutex, clockNow);
//     events.schedule(kEventHint, -1);                          // plays in the next walk
//     events.runDue([&](int kind) { return playEffect(kind); });
class TimedEventQueue {
public:
    using Clock = int32_t (*)();
    // Plays a kind; false when its effect is not loaded (yet).
    using Player = std::function<bool(int kind)>;

    // The lead that schedule() takes off: a frame comes every few ms, and an effect asked for "now" should
    // not wait for the frame after the next.
    static const int kLeadMs = 100;

    TimedEventQueue(Mutex& lock, Clock clock) : lock_(lock), clock_(clock) {}
    TimedEventQueue(const TimedEventQueue&) = delete;
    TimedEventQueue& operator=(const TimedEventQueue&) = delete;

    // Due `delayMs` from now less the lead; a delay of -1 is due at once.
    void schedule(int kind, int delayMs);
    // Due exactly `delayMs` from now (no lead): the end-of-level sounds of Challenge and Frenzy.
    void append(int kind, int delayMs);
    // Plays what is due, in queue order (see above).
    void runDue(const Player& play);

    // The kinds whose effect is loaded in the background: they wait for it rather than go unheard.
    static bool retried(int kind);

    int size() const;
    TimedEvent at(int index) const;

private:
    void add(int kind, int32_t dueMs);

    Mutex& lock_;
    Clock clock_;
    Array<TimedEvent> events_;
};

#endif
