#ifndef KELZO_TESTS_MODES_FAKEGAMEHOST_H
#define KELZO_TESTS_MODES_FAKEGAMEHOST_H

#include <string>
#include <vector>

#include "modes/CurrentGameI.h"
#include "modes/GameHost.h"
#include "tests/board/FakeBoardHost.h"

// The application around a game, as the games' tests need it: the board
// host's current game is `game`, and every call a game makes is recorded.
class FakeGameHost : public FakeBoardHost, public GameHost {
public:
    Board* currentGameBoard() override { return game ? game->board.get() : nullptr; }
    bool hasCurrentGame() override { return game != nullptr; }
    int hintsLeft() override { return game ? game->hintsLeft() : 0; }

    bool onPlayScreen() override { return playScreen; }
    int applicationLevel() override { return level; }
    void nextPuzzle(bool) override { nextPuzzles++; }
    void playMove(const MoveEntry& move) override
    {
        playedMoves.push_back(move);
        if (game)
            game->makeMove(CellPos{move.x, move.y}, move.dx, move.dy, true, 0, 1.0f);
    }
    void scheduleEvent(int kind, int delay) override { events.push_back(Event{kind, delay}); }
    void appendTimedEvent(int kind, int delay) override { appendedEvents.push_back(Event{kind, delay}); }
    void playWrongMoveEffect() override { wrongMoveSounds++; }
    void showAlert(int id, const String& title, const String& message, const String&, const String&) override
    {
        alerts.push_back(id);
        lastAlertTitle = title.c_str();
        lastAlertMessage = message.c_str();
    }
    bool isAlertShowing(int id) override { return showingAlert == id; }
    void resetLevelTipCounters() override { levelTipResets++; }
    void removeTipBubbles() override { tipRemovals++; }
    void presentTip(int id, const TipParams&) override { presentedTips.push_back(id); }
    void showTip(int id, const TipParams& params) override { FakeBoardHost::showTip(id, params); }
    void dismissTip(int id) override { FakeBoardHost::dismissTip(id); }
    bool isAnyAlertShowing() override { return showingAlert != -1; }
    void gameOver(bool, bool) override { gameOvers++; }
    void showPraise(bool useListB, bool, const char*, int) override
    {
        praises++;
        praiseListB.push_back(useListB);
    }
    bool shouldShowGameTip(int, int, bool) override { return gameTipsAllowed; }
    bool tipAllowed(int id, int) override
    {
        allowedTipAsks.push_back(id);
        return tipsAllowed;
    }
    int shownScreen() override { return screen; }
    int screenShownBefore() override { return previousScreen; }
    void openLevelSelect(int at) override { levelSelectOpenedAt.push_back(at); }
    const Array<HistoryRecord>* playHistory() override { return &history; }
    int puzzlesLeftInLevel() override { return puzzlesLeft; }
    int solvedPuzzlesInLevel() override { return solvedInLevel; }
    int firstUnsolvedLevelOfSelectedMode() override { return firstUnsolved; }
    void openFreePlayNewLevelPopup(bool delayed) override
    {
        popupsOpened.push_back(delayed);
        if (game)
            game->levelPopupShown = true;
        showingAlert = 2;
    }
    int recordCredit() override { return game ? game->recordCredit() : 0; }
    bool onHowToPlayScreen() override { return howToPlayScreen; }
    bool tipBubblesEmpty() override { return noBubbles; }
    void playLostLifeEffect() override { lostLifeSounds++; }
    void showMainMenu() override { mainMenus++; }
    void resumeGameClock() override { clockResumes++; }

    CurrentGameI* game = nullptr;
    int level = 1;
    int showingAlert = -1;
    int screen = 2;
    int previousScreen = 15;
    int solvedInLevel = 0;
    bool howToPlayScreen = false;
    bool noBubbles = true;
    int firstUnsolved = 1;

    int nextPuzzles = 0;
    std::vector<MoveEntry> playedMoves;
    std::vector<Event> appendedEvents;   // without the lead (appendTimedEvent)
    std::vector<int> alerts;
    std::string lastAlertTitle;
    std::string lastAlertMessage;
    int levelTipResets = 0;
    int tipRemovals = 0;
    std::vector<int> presentedTips;
    int gameOvers = 0;
    int praises = 0;
    bool gameTipsAllowed = true;
    std::vector<int> allowedTipAsks;
    std::vector<bool> praiseListB;   // the list each praise word came from
    std::vector<int> levelSelectOpenedAt;
    std::vector<bool> popupsOpened;
    int lostLifeSounds = 0;
    int mainMenus = 0;
    int clockResumes = 0;
};

#endif
