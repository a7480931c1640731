#include "ui/MenuStack.h"

MenuStack gMenuStack;

void MenuStack::push(MenuBaseI* menu)
{
    if (menu)
        menus_.append(menu);
}

bool MenuStack::remove(MenuBaseI* menu)
{
    for (int i = 0; i < menus_.size(); i++) {
        if (menus_[i] == menu) {
            menus_.removeAt(i);
            return true;
        }
    }
    return false;
}

int MenuStack::dispatchTouch(int phase, int x, int y, bool* consumed)
{
    if (*consumed || menus_.size() == 0)
        return -1;
    MenuBaseI* menu = top();
    const int result = menu->handleTouch(phase, x, y);
    // By identity: the menu may have opened another one on top of itself while it handled the touch.
    if (result != -1 && remove(menu))
        delete menu;
    *consumed = true;
    return result;
}

int MenuStack::render()
{
    int animating = 0;
    for (int i = 0; i < menus_.size(); i++) {
        if (menus_[i]->render() != 0)
            animating = 1;
    }
    return animating;
}

void MenuStack::deleteAllMenus()
{
    while (menus_.size() > 0) {
        MenuBaseI* menu = top();
        menus_.setSize(menus_.size() - 1);
        delete menu;
    }
}
