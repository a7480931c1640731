#ifndef KELZO_UI_BACKBUTTON_H
#define KELZO_UI_BACKBUTTON_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// The back arrow with the word for back (text 5) on it, 80 px wide unless the word needs more room. Like
// Button, its tappable child record reports the tap, it draws at half brightness while pressed, and its
// picture is made at its first setPosition into the menu's atlas, with the wood of that screen position.
class BackButton : public ViewElementI {
public:
    explicit BackButton(SpriteSheet* atlas);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return stretch + kArrowSide; }
    int height() override { return kArrowSide; }

    bool isBuilt() const { return picture.sheet != nullptr; }

    static const int kArrowSide = 30;      // "Back_30x30.png"
    static const int kDefaultStretch = 50;
    static const int kWordRoom = 52;       // a wider word widens the button by the difference
    static const int kWordFontSize = 15;
    static const int kBackTextId = 5;

    SpriteSheet* atlas;  // the menu's; not owned
    SpriteRef picture;   // sheet null until built
    int stretch = kDefaultStretch;

private:
    void build(int x, int y);
};

#endif
