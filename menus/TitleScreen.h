#ifndef KELZO_MENUS_TITLESCREEN_H
#define KELZO_MENUS_TITLESCREEN_H

#include "Core/OwnedPtr.h"
#include "Core/String.h"
#include "graphics/Texture.h"
#include "menus/RunningGame.h"
#include "ui/MenuBase.h"

class MenuHostI;

// The first screen, over the launch picture that the shell draws under it. On its first frame it either offers
// to resume the game in progress (alert 9, shown after a pause, which then takes the touches) or shows the
// prompt to tap anywhere at the foot of the screen. A release after a press on it returns 1: leave the title.
//
//   TitleScreen* title = new TitleScreen(host, runningGame);
//   ...  title->render() every frame; title->handleTouch(phase, x, y) == 1: go on
class TitleScreen : public MenuBase {
public:
    static const int kResumeAlertId = 9;
    static const int kResumeDelayMs = 1100;
    static const int kPromptY = 454;

    TitleScreen(MenuHostI* host, const RunningGame& game);

    int render() override;
    int handleTouch(int phase, int x, int y) override;

    MenuHostI* host;  // not owned
    RunningGame game;
    OwnedPtr<Texture> promptTexture;
    unsigned char started = 0;

private:
    void firstFrame();
};

// The resume alert's message for a game in progress: where the player was, the difficulty for the game types
// that have one, and the question.
String resumeMessage(const RunningGame& game);

#endif
