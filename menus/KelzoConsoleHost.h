#ifndef KELZO_MENUS_KELZOCONSOLEHOST_H
#define KELZO_MENUS_KELZOCONSOLEHOST_H

#include "menus/ConsoleHostI.h"

class KelzoGame;

// The console's changes made on the application object.
class KelzoConsoleHost : public ConsoleHostI {
public:
    explicit KelzoConsoleHost(KelzoGame& game) : game(game) {}

    int currentGameType() override;
    void setArcadeScore(int score) override;
    void setFreePlayLevel(int level) override;
    bool hasBoard() override;
    bool puzzleExists(int packedId) override;
    void loadPuzzle(int packedId) override;
    void loadThemeBitmaps(int theme) override;
    void showAlert(const char* title, const char* message, const AlertOptions& options) override;
    void showBuildInfo() override;
    String statisticsText() override;
    String suggestionCountsText() override;
    void mailHistory() override;
    void mailVersionInfo() override;
    void mailLogFile(int maxChars) override;
    void mailErrorLog() override;
    void saveVariations() override;
    void requestQuit() override;

    KelzoGame& game;
};

#endif
