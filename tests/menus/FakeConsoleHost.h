#pragma once

// A console host that records what the console asks of the game.

#include <string>
#include <vector>

#include "game/PlatformState.h"
#include "menus/ConsoleHostI.h"

struct ConsoleAlert {
    std::string title;
    std::string message;
    AlertOptions options;
};

class FakeConsoleHost : public ConsoleHostI {
public:
    int currentGameType() override { return gameType; }
    void setArcadeScore(int score) override { arcadeScore = score; }
    void setFreePlayLevel(int level) override { freePlayLevel = level; }
    bool hasBoard() override { return board; }
    bool puzzleExists(int packedId) override { return packedId >= 0 && packedId < storeSize; }
    void loadPuzzle(int packedId) override { loaded.push_back(packedId); }
    void loadThemeBitmaps(int theme) override { themes.push_back(theme); }
    void showAlert(const char* title, const char* message, const AlertOptions& options) override
    {
        alerts.push_back({title, message, options});
    }
    void showBuildInfo() override { buildInfoShown++; }
    String statisticsText() override { return String("abcdefg"); }
    String suggestionCountsText() override { return String("1, 2, "); }
    void mailHistory() override { mails.push_back("history"); }
    void mailVersionInfo() override { mails.push_back("version"); }
    void mailLogFile(int maxChars) override { mails.push_back("log " + std::to_string(maxChars)); }
    void mailErrorLog() override { mails.push_back("errors"); }
    void saveVariations() override { variationsSaved++; }
    void requestQuit() override
    {
        quitRequested++;
        gPlatformState.quitRequested = true;
    }

    int gameType = -1;
    bool board = false;
    int storeSize = 100;
    int arcadeScore = -1;
    int freePlayLevel = -1;
    std::vector<int> loaded;
    std::vector<int> themes;
    std::vector<ConsoleAlert> alerts;
    std::vector<std::string> mails;
    int buildInfoShown = 0;
    int variationsSaved = 0;
    int quitRequested = 0;
};
