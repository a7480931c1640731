#ifndef KELZO_MODES_FRENZYGAME_H
#define KELZO_MODES_FRENZYGAME_H

#include <cstdint>

#include "board/BoardCell.h"
#include "modes/CurrentGameI.h"
#include "modes/FrenzyPacing.h"
#include "ui/AlertViewCallbackI.h"

// The real-time mode: one random board per level that new furballs keep
// dropping onto, each move bringing the next drop closer, until the level's
// quota of furballs is cleared (a time, a best in gFrenzyBests, a grade) or
// the board fills up (the level is lost and starts again). The quota still
// to clear is the common moves-left count.
//
// While a lost level waits for its restart the board takes no moves, and the
// restart comes however many furballs the player has cleared meanwhile. A
// drop lands only on a cell that was empty; with no empty cell none is chosen.
class FrenzyGame : public CurrentGameI, public AlertViewCallbackI {
public:
    static const int kLosingFurballs = 55;
    static const int kNoColour = 0xFFFF;   // the next furball's colour when none is chosen

    explicit FrenzyGame(GameGraphics* graphics);
    ~FrenzyGame() override;

    bool hasStarted() override { return !ended; }
    bool hasProgress() override;
    int score() override { return clearedTotal; }
    String modeName() override;
    void endGame() override;
    void onMoveMade(bool chainLeftBoard) override;
    void startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3) override;
    int puzzleSize() override { return -1; }
    void leaveLevel() override {}
    void tick() override;
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    // A board down to one furball gets a fresh board; the level's quota, drop clock and time go on.
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    // Not once the quota is cleared or the level is lost: the level's own end follows.
    bool takesFinishedBoard() override;
    bool isInputBlocked() override { return restartTime != -1; }
    // Drops grow and fall while a level runs, so every frame is drawn.
    int isAnimating() override;
    void restartLevel() override { startLevel(); }
    bool isScoreRecordable() override { return false; }
    bool undo() override;
    bool canUndo() override;
    void drawHud() override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;

    // A new board of the level, and the level's fields afresh.
    void startLevel();
    // Picks the next drop's cell and colour (the colour kept when asked and set).
    void chooseSpawn(bool keepColour);
    // How far the next drop has come, 0..1.
    float timeFraction() const;
    int spawnInterval(int* unadjusted = nullptr) const;
    float movePull() const;
    // Grade and progress of the running board's time.
    int currentMedal(float* progress) const;
    // The chosen colour of the next drop, -1 for none.
    int nextColour() const { return nextFurball.colour == kNoColour ? -1 : nextFurball.colour; }

    // ---- Own fields, as the saved game uses them
    int32_t spawnX = -1;
    int32_t spawnY = -1;
    BoardCell nextFurball{};
    int32_t barStepTime = -1;
    int32_t barShown = 0;
    int32_t barFirst = -1;
    int32_t constantField = 10;
    int32_t quotaBeforeMove = -1;
    int32_t intervalMs = 0;
    uint8_t levelCompleteShown = 0;
    int32_t restartTime = -1;
    int32_t nextSpawnTime = 0;
    int32_t clearedTotal = 0;
    // The level's play time on the boards before the current one, handed to the next board.
    int32_t carriedMs = 0;

private:
    void levelStart();
    FrenzyBoardView boardView() const;
    int levelQuota() const;
    void dropNextFurball(int now);
    void loseLevel(int now);
    void completeLevel();
    void showColourRuleTip();
    void stepBar(int now);
    void drawBar(float offset);
    void drawNextDrop(float progress);
};

#endif
