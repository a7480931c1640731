#ifndef KELZO_GAME_APPBUBBLEHOST_H
#define KELZO_GAME_APPBUBBLEHOST_H

#include "ui/BubbleHost.h"

class KelzoGame;

// The application as the speech bubbles see it: whether the tutorial was finished, whether the play screen
// shows, and the tail picture of the shared sheet. A member of the application object (whose own field
// `tutorialDone` would clash with the bubbles' question of that name).
class AppBubbleHost : public BubbleHost {
public:
    explicit AppBubbleHost(KelzoGame& game) : game_(game) {}

    bool tutorialDone() override;
    bool onPlayScreen() override;
    SpriteRef bubbleTail() override;

private:
    KelzoGame& game_;
};

#endif
