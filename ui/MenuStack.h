#ifndef KELZO_UI_MENUSTACK_H
#define KELZO_UI_MENUSTACK_H

#include "Core/Array.h"

// A menu on the menu stack; the toolkit's menus derive from it.
class MenuBaseI {
public:
    virtual ~MenuBaseI() {}
};

// The open menus, the top one receiving touches. Holds them without owning.
class MenuStack {
public:
    void push(MenuBaseI* menu) { menus_.append(menu); }
    void pop()
    {
        if (menus_.size() > 0)
            menus_.setSize(menus_.size() - 1);
    }
    // The open menu on top, or null when no menu is open.
    MenuBaseI* top() const { return menus_.size() > 0 ? menus_[menus_.size() - 1] : nullptr; }
    int size() const { return menus_.size(); }

private:
    Array<MenuBaseI*> menus_;
};

extern MenuStack gMenuStack;

#endif
