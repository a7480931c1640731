#ifndef KELZO_MENUS_GREENBUTTON_H
#define KELZO_MENUS_GREENBUTTON_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// A small green push button with a white caption. Its three pictures are made once, when it is built, into the
// owning menu's atlas (upload the atlas afterwards): the face widened by its middle column to 25 + extraWidth,
// a copy of the face at half brightness for the pressed look, and the caption in a region as wide as the face
// and 32 high. It takes no touches itself: make its child record tappable and the view reports the tag.
//
//   ViewChild* child = menu.addElement(kTagStore, row, false);
//   child->element.reset(new GreenButton(&menu.atlas, getText(451).c_str(), 150, 13));
//   child->tappable = 1;
class GreenButton : public ViewElementI {
public:
    static const int kFaceSide = 25;        // "GreenButton_25x25.png"
    static const int kCaptionHeight = 32;
    static const int kCaptionDrop = 4;      // caption top below the face's top
    static const int kSmallFontBelow = 12;  // smaller captions sit one pixel lower

    GreenButton(SpriteSheet* atlas, const char* caption, int extraWidth, int fontSize);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return extraWidth + kFaceSide; }
    int height() override { return kFaceSide; }

    SpriteSheet* atlas;  // the menu's; not owned
    SpriteRef face;
    SpriteRef pressedFace;
    SpriteRef caption;
    int extraWidth;
    int fontSize;
};

#endif
