#include "graphics/AnimationList.h"

// Never freed: animations may still run while other globals are torn down at exit.
AnimationList* gAnimationList = new AnimationList();

AnimationList::AnimationList() {
    head_.next = &head_;
    head_.prev = &head_;
}

AnimationList::~AnimationList() {
    while (head_.next != &head_) unlink(head_.next);
}

void AnimationList::add(const Ref<AnimationI>& animation) {
    Entry* entry = new Entry{animation, head_.next, &head_};
    head_.next->prev = entry;
    head_.next = entry;
    ++count_;
}

void AnimationList::add(AnimationI* animation) { add(Ref<AnimationI>(animation)); }

void AnimationList::unlink(Entry* entry) {
    entry->prev->next = entry->next;
    entry->next->prev = entry->prev;
    delete entry;  // releases the entry's share
    --count_;
}

bool updateAnimations(AnimationList* list) {
    AnimationList::Entry* head = &list->head_;
    bool moving = false;
    for (AnimationList::Entry* entry = head->next; entry != head;) {
        AnimationList::Entry* next = entry->next;
        AnimationI* animation = entry->holder.get();
        if (animation) animation->update();
        if (!animation || animation->isDone()) {
            list->unlink(entry);
            moving = true;
        } else if (animation->needsFrames()) {
            moving = true;
        }
        entry = next;
    }
    return moving;
}
