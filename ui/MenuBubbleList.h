#ifndef KELZO_UI_MENUBUBBLELIST_H
#define KELZO_UI_MENUBUBBLELIST_H

#include "Core/Array.h"

class MenuBubble;

// The bubbles a screen or the application shows, owned; slots may be empty.
class MenuBubbleList {
public:
    MenuBubbleList() = default;
    ~MenuBubbleList();
    MenuBubbleList(const MenuBubbleList&) = delete;
    MenuBubbleList& operator=(const MenuBubbleList&) = delete;

    void add(MenuBubble* bubble) { bubbles.append(bubble); }
    // Draws every bubble and deletes the finished ones; true while any is left.
    bool render();
    // Deletes every bubble at least ageMs old on the game clock, except the tag-56 bubble while the play
    // screen is up; with flaggedOnly, only removable ones. An array left without a bubble is emptied.
    void removeOlderThan(int ageMs, bool flaggedOnly);
    void clear();

    Array<MenuBubble*> bubbles;

private:
    void emptyWhenNoneLeft();
};

#endif
