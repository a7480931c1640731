#ifndef KELZO_UI_BUTTON_H
#define KELZO_UI_BUTTON_H

#include "Core/String.h"
#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

// The background pictures of a captioned button. Any other value draws as ButtonStyleTwoLine.
enum ButtonStyle {
    ButtonStyleFitted = 0,       // "Button_shrunk_25x41.png", as wide as the caption needs (at least minWidth)
    ButtonStyleLarge = 1,        // "Button_Large_shrunk_30x45.png", 281 wide; a long caption shrinks a point or two
    ButtonStyleTwoLine = 2,      // "Button_SmallRounded_shrunk_20x30.png", 125 wide, caption split at "\n"
    ButtonStyleLargeNarrow = 3,  // "Button_Large_shrunk_30x45.png", 241 wide
    ButtonStyleSmallWide = 4,    // "Button_SmallRounded_shrunk_20x30.png", 237 wide
    ButtonStyleRound = 5,        // "SmallRounded_30x30.png", 125 wide
};

struct ButtonOptions {
    int style = ButtonStyleFitted;
    unsigned char chevron = 0;   // a ">" at the right, the caption left-aligned
    int minWidth = 125;          // smallest width of a fitted button
    int fontSizeDelta = 0;       // added to the style's font size
    int extraMargin = 0;         // more room on each side of a fitted button's caption
    float captionOpacity = 1.0f;
};

// A captioned button of a menu. It does not handle touches: its child record is tappable and reports its tag;
// while pressed (the armed child) it draws at half brightness. Its picture is made once, at its first
// setPosition, into the menu's atlas (which owns it), blended with the wood at that very screen position so
// the button looks cut from the menu behind it; the atlas must be uploaded after that. Before that width()
// and height() give the size the picture will have.
//
//   ButtonOptions options;                                  // fitted, min width 125
//   ViewChild* child = menu.addElement(kTagPlay, row, false);
//   child->element.reset(new Button(&atlas, getText(12).c_str(), options));
//   child->tappable = 1;
class Button : public ViewElementI {
public:
    Button(SpriteSheet* atlas, const char* caption, const ButtonOptions& options);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override;
    int height() override;

    bool isBuilt() const { return picture.sheet != nullptr; }
    // The style the button draws with (unknown values as ButtonStyleTwoLine).
    int effectiveStyle() const;

    SpriteSheet* atlas;   // the menu's; not owned
    SpriteRef picture;    // sheet null until built
    String caption;
    ButtonOptions options;
    int captionWidth = -1;   // -1: not measured yet
    int captionHeight = -1;
    int fontSize = 0;        // in effect after measuring
    int captionShift = 0;    // a large caption's nudge to the left, 0..5
    int captionY = 10;       // caption top inside the picture

    // The caption's size at the style's font size (one point smaller in German), once.
    void measureCaptionSize();
    // The full measuring done before the build: a large caption that does not fit shrinks a point, then a second.
    void measureCaption();

private:
    void build(int x, int y);
    void drawCaption(PixelView& view);
    void measureAt(int size);
};

// A button picture from its atlas, at half brightness while pressed (Button and BackButton draw alike).
void drawButtonPicture(const SpriteRef& picture, float x, float y, float scaleX, float scaleY, float alpha,
                       bool pressed);

#endif
