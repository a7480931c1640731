#ifndef KELZO_UI_MENUBASE_H
#define KELZO_UI_MENUBASE_H

#include "Core/Array.h"
#include "Core/OwnedPtr.h"
#include "graphics/Texture.h"
#include "ui/MenuBaseI.h"

// One option picture of a MenuBase and the screen row where it starts.
struct MenuOption {
    OwnedPtr<Texture> image;  // null: the option takes no touches
    int top = 0;
};

// A screen that is a vertical list of option pictures (the title screen, the instruction overlay). An option
// is hit in the column 51..269 between its top and top + max(52, picture height), both ends included. With
// twoColumnFirstRow, options 0 and 1 share the first row, split at x 160. Subclasses draw.
class MenuBase : public MenuBaseI {
public:
    MenuBase() = default;
    ~MenuBase() override = default;
    MenuBase(const MenuBase&) = delete;
    MenuBase& operator=(const MenuBase&) = delete;

    int hitTest(int x, int y) override;
    // Appends an option (the menu takes the texture).
    void addOption(Texture* image, int top);

    static const int kColumnLeft = 51;
    static const int kColumnRight = 269;
    static const int kMinRowHeight = 52;
    static const int kSplitX = 160;

    OwnedPtr<Texture> background;
    Array<MenuOption> options;
    OwnedPtr<Texture> secondTexture;
    unsigned char twoColumnFirstRow = 0;
};

#endif
