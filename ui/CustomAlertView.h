#ifndef KELZO_UI_CUSTOMALERTVIEW_H
#define KELZO_UI_CUSTOMALERTVIEW_H

#include "ui/AlertViewCallbackI.h"
#include "ui/TiledMenu.h"

struct AlertOptions {
    int messageFontSize = 16;
    int verticalOffset = 0;            // moves the contents down
    unsigned char buttonStyle = 0;     // stack the buttons
    unsigned char compact = 0;         // tighter spaces, and 10 px more offset
    unsigned char largeAtlas = 0;      // 512 x 1024 and 512 x 512 pages instead of 512 x 512 and 512 x 256
    unsigned char wide = 0;            // message 288 wide instead of 272, frame width parameter 70 instead of 50
    unsigned char noAnimation = 0;     // at full size from the first frame
    unsigned char buttonRowFlag = 0;   // the first button's caption dimmed
};

// The game's modal message box: title, divider, message and up to three buttons in a tiled menu. It pushes
// itself on the menu stack when made, pops in about the screen centre (to 1.1 in 460 ms, down to 0.9, settled
// at 1.0 at 680 ms), ignores touches until it has grown to 0.9, and tells the callback the tag of the button
// tapped (0, 1, 2) before the stack closes and deletes it. A null button text means no such button; an alert
// without buttons cannot be closed by a touch.
//
//   new CustomAlertView(this, getText(40).c_str(), getText(41).c_str(), getText(2).c_str(), getText(3).c_str(),
//                       nullptr, AlertOptions());   // owned by gMenuStack from here on
//
// Popups build their own contents: construct with the options, then call setup from their constructor.
class CustomAlertView : public TiledMenu {
public:
    static const int kPopInMs = 460;
    static const int kSettleMs = 680;
    static constexpr float kTouchScale = 0.9f;

    CustomAlertView(AlertViewCallbackI* callback, const char* title, const char* message, const char* button1,
                    const char* button2, const char* button3, AlertOptions options);
    explicit CustomAlertView(AlertOptions options);
    // Stores the texts and callback, builds, positions and uploads, and pushes the alert.
    void setup(AlertViewCallbackI* callback, const char* title, const char* message, const char* button1,
               const char* button2, const char* button3);

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;
    virtual void addBody(int* nextRow);
    virtual void addButtons(int* nextRow);

    // The pop-in's scale t ms into the animation.
    static float popInScale(float t);

    const char* message = nullptr;   // the texts are read only while the contents are built
    const char* title = nullptr;
    const char* buttons[3] = {nullptr, nullptr, nullptr};
    AlertOptions options;
    int frameCount = 0;
    AlertViewCallbackI* callback = nullptr;  // not owned
    int animStartMs = -1;                    // -1: no animation running

protected:
    // Engraved text in the atlas cut to its last inked row, in a margin, as a centred child of the row.
    void addCutText(int row, const char* text, int width, int height, int fontSize, int marginY);
};

// The rows of an engraved text picture down to its last inked one (a pixel with a non-zero blue byte); 0 for
// a picture with no ink.
int inkedHeight(const PixelView& view);

#endif
