#ifndef KELZO_MODES_CHALLENGEGAME_H
#define KELZO_MODES_CHALLENGEGAME_H

#include <cstdint>

#include "modes/CurrentGameI.h"
#include "ui/AlertViewCallbackI.h"

// The Challenge ladder: each level is a run of P(n) puzzles against one
// clock, judged against the level's par (or by medal while medals are on).
// A level intro opens every run and a result popup closes it; the best run
// per difficulty and level is kept in gChallengeBests ("personalBests.dat").
//
// Its board comes only after the player has answered the level intro, so the
// application asks resumeWithoutBoard() instead of giving it a puzzle.
//
// A run whose count of puzzles has run out when a puzzle ends (nothing left
// to play in it) sets the level up again and shows its intro, as a restart
// does; the game never wipes the application's state from its own callback.
class ChallengeGame : public CurrentGameI, public AlertViewCallbackI {
public:
    // Its level intro opens once the application shows the play screen
    // (resumeWithoutBoard), so a game read from a saved game opens it too.
    explicit ChallengeGame(GameGraphics* graphics);
    ~ChallengeGame() override;

    bool hasStarted() override { return true; }
    bool hasProgress() override;
    int score() override { return 0; }
    bool recordsScoreOnQuit() override { return false; }
    bool isScoreRecordable() override { return false; }
    String modeName() override;
    int puzzleSize() override;
    void startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3) override;
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    void restartLevel() override;
    void drawHud() override;
    // The clock of a running board counts on screen (and its warnings come in time).
    int isAnimating() override;
    bool resumeWithoutBoard() override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;

    // The level intro: resuming (the run was under way) or starting it.
    void showLevelIntro(bool resume);
    // Grade and progress of the running board (gold while nothing runs).
    int currentMedal(float* progress);
    // Puzzles of the current level, hints, par and the run's clock afresh.
    void setUpLevel();
    // The hurry warning and the time-up rule, as each heads-up draw applies them.
    void applyTimeRules();

    // ---- Own fields, as the saved game and the popups use them
    int32_t accumulatedMs = 0;   // the already solved puzzles of the level
    int32_t par = 0;             // seconds
    uint8_t resultPending = 0;   // the result popup is up
    uint8_t levelPassed = 0;     // that popup reports a recorded run
    uint8_t restartPending = 0;  // the next heads-up draw shows the level intro
    uint8_t introTipsPending = 0;

private:
    int elapsedOfBoard() const;
    void showResult(int totalMs, bool givenUp, bool recorded, int oldBest, bool newBest);
    void answerResult(int buttonIndex);
    void answerIntro(int buttonIndex);
    void presentIntroTips();
    void showUnlockNotice();

    bool introOpen_ = false;     // the intro waits for its answer
    bool hurryWarned_ = false;   // for the board in play
};

#endif
