#ifndef KELZO_MENUS_CONSOLEHOSTI_H
#define KELZO_MENUS_CONSOLEHOSTI_H

#include "Core/String.h"
#include "ui/CustomAlertView.h"

// What the maintainers' console changes in the game and asks of it: the
// shell implements it over the application object; tests hand a fake.
class ConsoleHostI {
public:
    virtual ~ConsoleHostI() {}

    // -1 without a current game, else its GameType.
    virtual int currentGameType() = 0;
    // The running Arcade game's score (only called while Arcade runs).
    virtual void setArcadeScore(int score) = 0;
    virtual void setFreePlayLevel(int level) = 0;
    // The current game has a board.
    virtual bool hasBoard() = 0;
    // The store holds the puzzle of a packed id (batch * 8192 + index).
    virtual bool puzzleExists(int packedId) = 0;
    // Builds that puzzle on the current board.
    virtual void loadPuzzle(int packedId) = 0;
    // Board pictures of theme 0..5 into the game's graphics set; the chosen
    // theme in the settings stays.
    virtual void loadThemeBitmaps(int theme) = 0;
    // A one-button alert over the current screen (button text 0).
    virtual void showAlert(const char* title, const char* message, const AlertOptions& options) = 0;
    virtual void showBuildInfo() = 0;
    virtual String statisticsText() = 0;
    virtual String suggestionCountsText() = 0;
    virtual void mailHistory() = 0;
    virtual void mailVersionInfo() = 0;
    virtual void mailLogFile(int maxChars) = 0;
    virtual void mailErrorLog() = 0;
    // Saves the experiment values (after "bv.set").
    virtual void saveVariations() = 0;
    // Asks the main loop to end; the normal shut-down follows.
    virtual void requestQuit() = 0;
};

#endif
