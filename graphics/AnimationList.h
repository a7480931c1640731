#pragma once

#include "Core/Ref.h"

// A short-lived visual effect, stepped once per frame until it reports that it has finished.
class AnimationI {
public:
    virtual ~AnimationI() {}
    // Advances and draws one frame.
    virtual void update() = 0;
    virtual bool isDone() = 0;
    // Whether the next frame must come for it. One that waits, unchanged on screen, for a time to pass (a speech
    // bubble resting fully shown) says no: the main loop's idle frames still step it.
    virtual bool needsFrames() { return true; }
};

// Running animations, newest first, each shared through a Ref: an animation still held elsewhere outlives its
// entry. Main thread only.
class AnimationList {
public:
    AnimationList();
    ~AnimationList();
    AnimationList(const AnimationList&) = delete;
    AnimationList& operator=(const AnimationList&) = delete;

    // Inserts at the front, taking one more share of the animation.
    void add(const Ref<AnimationI>& animation);
    // Convenience: the list becomes the animation's only owner.
    void add(AnimationI* animation);
    int count() const { return count_; }

private:
    struct Entry {
        Ref<AnimationI> holder;
        Entry* next;
        Entry* prev;
    };
    Entry head_;  // ring: an empty list has head_.next == head_.prev == &head_
    int count_ = 0;

    void unlink(Entry* entry);
    friend bool updateAnimations(AnimationList* list);
};

// One pass: update() then isDone() on every animation, front to back; finished ones are dropped (and deleted
// when nothing else holds them). True when an animation finished in this pass or needs the next frame; false
// when the list was empty or every animation in it is waiting.
bool updateAnimations(AnimationList* list);

// The board and game animations; lives for the whole process.
extern AnimationList* gAnimationList;
