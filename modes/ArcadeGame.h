#ifndef KELZO_MODES_ARCADEGAME_H
#define KELZO_MODES_ARCADEGAME_H

#include "modes/ArcadeLevelEnd.h"
#include "modes/CurrentGameI.h"

class AbSettings;

// The timed main mode: levels of a few puzzles each, 1 to 30 (the last one
// endless), played against a time bank carried from puzzle to puzzle. A
// solved puzzle scores by level and time left and tops the bank up; running
// out of time or giving up costs the single life.
class ArcadeGame : public CurrentGameI {
public:
    explicit ArcadeGame(GameGraphics* graphics);

    // The time allowed for a level, in ms; Challenge and Beat the Clock read it too.
    static float timeLimitMs(int level, int difficulty, const Settings& settings);

    bool hasStarted() override;
    int score() override { return scoreValue; }
    bool recordsScoreOnQuit() override { return true; }
    String modeName() override;
    // A life is lost: the next puzzle with a full bank, or the end of the game.
    void endGame() override;
    int puzzleSize() override;
    // Tops the bank up for the next board.
    void leaveLevel() override;
    // Time up raises the alert that costs a life.
    void tick() override;
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    bool isInputBlocked() override { return levelEnd.active; }
    bool isScoreRecordable() override { return scoreValue > 0; }
    // Plays the level-end show; 1 while it runs.
    int isAnimating() override;
    void drawHud() override;

    // Sets the score outright (the console's score command); the display follows.
    void setScore(int value);

    // This game's level time, with and without the shrink of level 30.
    float levelTimeMs() const;
    float shrunkLevelTimeMs() const;
    // The share of the level time the board has used, 0..1.
    float usedFraction() const;

    int bankMs = 0;
    int lives = 1;
    int scoreValue = 0;
    int shownScore = 0;   // -1: the display shows the score itself
    ArcadeLevelEnd levelEnd;

private:
    void showBonusTip();
};

#endif
