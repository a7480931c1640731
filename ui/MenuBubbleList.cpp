#include "ui/MenuBubbleList.h"

#include "ui/BubbleHost.h"
#include "ui/MenuBubble.h"

namespace {

const int kPlayScreenTag = 56;  // the bubble the play screen keeps

}  // namespace

MenuBubbleList::~MenuBubbleList() { clear(); }

void MenuBubbleList::clear()
{
    for (MenuBubble* bubble : bubbles)
        delete bubble;
    bubbles.setSize(0);
}

bool MenuBubbleList::render()
{
    bool any = false;
    for (MenuBubble*& bubble : bubbles) {
        if (!bubble)
            continue;
        if (bubble->render()) {
            any = true;
        } else {
            delete bubble;
            bubble = nullptr;
        }
    }
    emptyWhenNoneLeft();
    return any;
}

void MenuBubbleList::removeOlderThan(int ageMs, bool flaggedOnly)
{
    const bool onPlayScreen = gBubbleHost && gBubbleHost->onPlayScreen();
    for (MenuBubble*& bubble : bubbles) {
        if (!bubble || bubble->life.gameAge() < ageMs)
            continue;
        if (bubble->tag == kPlayScreenTag && onPlayScreen)
            continue;
        if (flaggedOnly && bubble->removable != 1)
            continue;
        bubble->hide();
        delete bubble;
        bubble = nullptr;
    }
    emptyWhenNoneLeft();
}

void MenuBubbleList::emptyWhenNoneLeft()
{
    for (MenuBubble* bubble : bubbles)
        if (bubble)
            return;
    bubbles.setSize(0);
}
