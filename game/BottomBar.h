#ifndef KELZO_GAME_BOTTOMBAR_H
#define KELZO_GAME_BOTTOMBAR_H

#include "Core/OwnedPtr.h"
#include "graphics/Texture.h"

struct GameGraphics;

// What the bottom bar shows in one frame; the application fills it from its screen and game.
struct BottomBarState {
    enum Caption { kNoCaption, kPausedCaption, kMenuCaption };
    Caption caption = kNoCaption;
    float captionAlpha = 1.0f;   // of the "double tap" caption (dimmed in the tutorial)
    bool german = false;         // the caption sits higher: its text wraps to two lines
    bool labels = false;         // "Undo" and "Hint" under the buttons, which then sit higher
    bool undoEnabled = false;
    bool hintEnabled = false;
    bool hintAlwaysOpaque = false;   // the tutorial's hint button
    int hintNumber = -1;         // hints left shown on the bulb; negative: none
};

// Where the hint number is drawn: one or two digits (n capped at 99), left edges and top, before the shift
// that centres them on the bulb. No digits for a negative n.
struct HintNumberLayout {
    int count = 0;
    int digit[2] = {0, 0};
    float x[2] = {0.0f, 0.0f};
    float y = 0.0f;
};
HintNumberLayout hintNumberLayout(int n, bool raised);

// The bar at the bottom of the play screen: the caption (the double tap that opens the menu, or "Game Paused"),
// the undo and hint buttons and the number of hints left. Its texts are rendered once and kept, again only
// when the language changes.
class BottomBar {
public:
    void draw(GameGraphics& g, const BottomBarState& state);

private:
    Texture* text(OwnedPtr<Texture>& slot, const char* text, int width, int height, int fontSize);
    void forgetOtherLanguageTexts();

    int language_ = -1;
    OwnedPtr<Texture> menuCaption_;
    OwnedPtr<Texture> pausedCaption_;
    OwnedPtr<Texture> undoLabel_;
    OwnedPtr<Texture> hintLabel_;
};

#endif
