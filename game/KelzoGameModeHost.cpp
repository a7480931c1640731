// What the game modes ask of the application beyond the board: tips by their
// own limits, the screens they lead to, the play history
// and the Free Play new-level popup.

#include "game/KelzoGame.h"
#include "modes/FreePlayNewLevelPopup.h"

bool KelzoGame::tipAllowed(int id, int limit)
{
    return tipsOn() && tips.shouldShowBelowTwice(id, limit, false);
}

void KelzoGame::openLevelSelect(int level)
{
    showMenu(ScreenLevelSelect);
    if (currentMenu && screenFactory)
        screenFactory->showLevel(currentMenu.get(), level);
    playClick();
}

void KelzoGame::openFreePlayNewLevelPopup(bool delayed)
{
    if (currentGame)
        currentGame->levelPopupShown = true;
    CustomAlertView* alert = nullptr;
    currentAlertId = FreePlayNewLevelPopup::open(currentLevel, delayed, this, &alert);
    // Logged with its buttons as the application's other alerts are, so that a walk through the game by its
    // log can answer it.
    logAlert(currentAlertId, FreePlayNewLevelPopup::titleFor(currentLevel).c_str(), alert);
}

int KelzoGame::recordCredit() { return currentGame ? currentGame->recordCredit() : 0; }

void KelzoGame::puzzleFinishedOn(Board& board)
{
    if (currentGame && currentGame->board.get() != &board)
        currentGame->otherBoardFinished(board);
    else
        puzzleFinished();
}
