#include "menus/BubbleDrop.h"

#include "ui/MenuBubble.h"

void dropBubbleNow(Ref<AnimationI>* holder)
{
    auto* animation = static_cast<MenuBubble::BubbleAnimation*>(holder->get());
    if (animation && animation->bubble) {
        delete animation->bubble;
        animation->bubble = nullptr;
        animation->done = 1;
    }
    holder->reset(nullptr);
}

bool bubbleRunning(const Ref<AnimationI>& holder)
{
    auto* animation = static_cast<MenuBubble::BubbleAnimation*>(holder.get());
    return animation && !animation->isDone();
}
