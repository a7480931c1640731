#ifndef KELZO_MENUS_MAINMENUBUTTON_H
#define KELZO_MENUS_MAINMENUBUTTON_H

#include "ui/IndexElement.h"

// One entry of the main menu: its engraved caption from the menu's atlas, drawn 4 px low, and while the finger
// is on it the game's menu-highlight sprite laid additively over it, 2 px above the entry's top.
class MainMenuButton : public IndexElement {
public:
    static const int kCaptionDrop = 4;
    static const int kHighlightRise = 2;

    explicit MainMenuButton(const SpriteRef& caption);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
};

#endif
