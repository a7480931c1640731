// The answers to the end of a Free Play level: the new-level popup (alert 2)
// and the final alert after the last level (alert 14).

#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "settings/Settings.h"

namespace {

const int kNextLevelButton = 1;
const int kHighScoresButton = 10;
const int kNewLevelTip = 21;
const int kNewLevelTipDelayMs = 500;
const int kRatingDelayMs = 1000;

} // namespace

void KelzoGame::answerFreePlayLevelAlert(int id, int button)
{
    if (id == AlertFreePlayNewLevel && button == kHighScoresButton) {
        // The popup stays pending: back on the play screen the heads-up display opens it again.
        showMenu(ScreenHiScores);
        return;
    }
    // Only a level whose puzzles are all done moves Free Play on; an answer that comes late changes nothing.
    if (puzzlesLeftInLevel() <= 0) {
        currentLevel++;
        if (currentGame)
            currentGame->onLevelUp();
    }
    if (currentGame)
        currentGame->levelPopupShown = false;
    if (id != AlertFreePlayNewLevel || !currentGame)
        return;
    if (button == kNextLevelButton && gSettings) {
        gSettings->startLevel++;
        currentGame->settings.startLevel = gSettings->startLevel;
        currentGame->startLevel(false);
    } else {
        nextPuzzle(false);
    }
    const int limit = gSettings && gSettings->extraFlag1 ? 2 : 3;
    if (tips.shouldShow(kNewLevelTip, limit, false)) {
        TipParams params;
        params.delayMs = kNewLevelTipDelayMs;
        showTip(kNewLevelTip, params);
    }
    maybeAskForRating(currentLevel, kRatingDelayMs);
}
