#ifndef KELZO_UI_MENUSTACK_H
#define KELZO_UI_MENUSTACK_H

#include "Core/Array.h"
#include "ui/MenuBaseI.h"

// The open menus and dialogs, drawn bottom to top every frame; the top one receives every touch. The stack
// owns what is pushed: a menu that answers a touch with anything but -1 is taken off and deleted, and the
// shell deletes whatever is still open at shut-down (deleteAllMenus), while the GL context and the shared
// menu pictures still exist.
//
//   gMenuStack.push(new SomeAlert(...));           // alerts push themselves
//   int action = gMenuStack.dispatchTouch(phase, x, y, &consumed);
//   gMenuStack.render();                           // after the current screen
class MenuStack {
public:
    MenuStack() = default;
    MenuStack(const MenuStack&) = delete;
    MenuStack& operator=(const MenuStack&) = delete;

    // Puts the menu on top and takes it over.
    void push(MenuBaseI* menu);
    // Gives the touch to the top menu, unless *consumed is already set. With any menu open the touch is
    // consumed, also when the menu answers -1 (nothing under an open dialog sees it). An answer other than -1
    // closes and deletes that menu. Returns the answer, -1 when no menu took the touch.
    int dispatchTouch(int phase, int x, int y, bool* consumed);
    // Draws every menu from the bottom up; 1 when any of them still animates.
    int render();
    // Deletes every open menu, the top one first.
    void deleteAllMenus();

    // The top menu, or null when none is open.
    MenuBaseI* top() const { return menus_.size() > 0 ? menus_[menus_.size() - 1] : nullptr; }
    int size() const { return menus_.size(); }
    MenuBaseI* at(int index) const { return menus_[index]; }

private:
    // Takes the menu off (the first slot that holds it) without deleting it; false when it is not on the stack.
    bool remove(MenuBaseI* menu);

    Array<MenuBaseI*> menus_;
};

extern MenuStack gMenuStack;

#endif
