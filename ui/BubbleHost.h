#ifndef KELZO_UI_BUBBLEHOST_H
#define KELZO_UI_BUBBLEHOST_H

#include "graphics/SpriteSheet.h"

// What the speech bubbles ask of the game above them. The application implements it and hands it down once
// (gBubbleHost); without a host (tests, tools) bubbles have no tail, the tutorial counts as not done and no
// screen is the play screen.
class BubbleHost {
public:
    virtual ~BubbleHost() = default;
    // The how-to-play tutorial has been completed: late footers then come without their extra wait.
    virtual bool tutorialDone() = 0;
    // The play screen is the current screen.
    virtual bool onPlayScreen() = 0;
    // The tail picture of the shared sheet, tip at its bottom left.
    virtual SpriteRef bubbleTail() = 0;
};

extern BubbleHost* gBubbleHost;

#endif
