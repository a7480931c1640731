#ifndef KELZO_MENUS_MODEOPTION_H
#define KELZO_MENUS_MODEOPTION_H

#include "Core/String.h"
#include "graphics/SpriteSheet.h"
#include "ui/MyView.h"

// One tile of the game-mode menu, 87 x 118: a caption over a picture, both packed into the menu's atlas (so a
// tile must not outlive its menu). Drawn selected, it glows with the common highlight; pressed, it asks for its
// description bubble, which opens at the next frame that draws it selected, while tips are on. The tile reports
// no tag of its own: its panel (a MyView in drag-select mode) selects it through its tappable child record.
//
//   Ref<ViewElementI> tile(ModeOption::create(&atlas, getText(100).c_str(), "Arcade_60x65.png",
//                                             getText(101).c_str()));
class ModeOption : public ViewElementI {
public:
    static const int kWidth = 87;
    static const int kHeight = 118;
    static const int kCaptionWidth = 84;
    static const int kCaptionHeight = 34;
    static const int kCaptionFontSize = 13;
    static const int kOneLineY = 8;         // a one-line caption's top; two lines start at 0
    static const int kPictureY = 38;
    static const int kTouchSlack = 2;       // a press this far outside the tile still asks for the bubble
    static const int kBubbleWidth = 295;

    static ModeOption* create(SpriteSheet* atlas, const char* caption, const char* pictureName,
                              const char* description);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override { view.setPosition(ix, iy, fx, fy); }
    int width() override { return view.width(); }
    int height() override { return view.height(); }
    // Always -1; a press or drag over the tile asks for the bubble and stops the bubble's close countdown.
    int handleTouch(int phase, int x, int y, bool* consumed) override;

    // From the tile's top to the bottom of its picture.
    int pictureBottom();

    MyView view;
    String description;
    unsigned char bubbleRequested = 0;
    // Screen y of the spot the bubble points up at from below, chosen by the menu to keep the bubble off its
    // headings; -1: the bubble stands above the tile's top edge.
    int bubbleAnchorY = -1;

private:
    ModeOption() = default;
    void openBubble();
};

#endif
