#include "menus/TitleScreen.h"

#include "Core/Language.h"
#include "board/GameType.h"
#include "graphics/DrawParams.h"
#include "menus/MenuHostI.h"
#include "ui/ViewElementI.h"

namespace {

const int kPromptWidth = 320;
const int kPromptHeight = 44;
const int kPromptFontSize = 18;
const int kPromptEffectStrength = 4;
const int kResumeAlertFontSize = 16;

}  // namespace

String resumeMessage(const RunningGame& game)
{
    String message = game.hasBoard ? formatText(93, game.boardLevel, game.modeName.c_str())
                                   : formatText(96, game.modeName.c_str());
    if (game.gameType == kGameArcade || game.gameType == kGameChallenge)
        message = message + " " + formatText(94, game.difficultyName.c_str());
    return message + ".\n\n" + getText(95);
}

TitleScreen::TitleScreen(MenuHostI* menuHost, const RunningGame& runningGame) : host(menuHost), game(runningGame) {}

void TitleScreen::firstFrame()
{
    if (game.exists && game.started) {
        const String message = resumeMessage(game);
        host->showAlert(kResumeAlertId, getText(92).c_str(), message.c_str(), getText(97).c_str(),
                        getText(98).c_str(), kResumeDelayMs, kResumeAlertFontSize);
        return;
    }
    promptTexture.reset(new Texture(getText(99).c_str(), kPromptWidth, kPromptHeight, 1, "AmericanTypewriter-Bold",
                                    kPromptFontSize, 0, 1.0f, false, nullptr, true, false, kPromptEffectStrength));
}

int TitleScreen::render()
{
    if (!started) {
        started = 1;
        firstFrame();
    }
    if (promptTexture)
        drawTexture(promptTexture.get(), 0, kPromptY, DrawParams());
    return 0;
}

int TitleScreen::handleTouch(int phase, int x, int y)
{
    (void)x, (void)y;
    if (phase == TouchDown) {
        armedIndex = 1;
        return -1;
    }
    if (phase != TouchUp)
        return -1;
    const int result = armedIndex;
    armedIndex = -1;
    return result;
}
