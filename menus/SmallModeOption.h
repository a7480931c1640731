#ifndef KELZO_MENUS_SMALLMODEOPTION_H
#define KELZO_MENUS_SMALLMODEOPTION_H

#include "graphics/SpriteSheet.h"
#include "ui/MyView.h"
#include "ui/ViewElementI.h"

// A small difficulty tile of the high-score screen, 58 x 70: its caption on top, its picture 15 px lower,
// both in the menu's atlas. The tile itself never answers a touch; the row around it (a press-select view)
// selects it by its tag, and the selected tile glows with the common highlight, 12 px left of and 18 px above
// the tile, at 0.6 of its size and half its strength, added to what lies below.
//
//     ViewChild& tile = modeRow->addChild();
//     tile.element.reset(new SmallModeOption(&atlas, getText(2).c_str(), "Easy_small.png"));
class SmallModeOption : public ViewElementI {
public:
    static const int kWidth = 58;
    static const int kHeight = 70;
    static const int kCaptionWidth = 80;
    static const int kCaptionHeight = 13;
    static const int kCaptionFontSize = 10;
    static const int kPictureTop = 15;

    // The highlight is the common sheet's glow of the game's graphics (nothing drawn while they are not loaded).
    SmallModeOption(SpriteSheet* sheet, const char* caption, const char* imageName);
    SmallModeOption(SpriteSheet* sheet, const char* caption, const char* imageName, const SpriteRef& glow);
    SmallModeOption(const SmallModeOption&) = delete;
    SmallModeOption& operator=(const SmallModeOption&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return view.width(); }
    int height() override { return view.height(); }

    MyView view;
    SpriteRef highlight;
};

#endif
