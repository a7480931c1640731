#ifndef KELZO_MODES_FREEPLAYGAME_H
#define KELZO_MODES_FREEPLAYGAME_H

#include "Core/Array.h"
#include "board/HistoryRecord.h"
#include "modes/CurrentGameI.h"
#include "ui/MyView.h"

class Button;

// The untimed mode most players live in: thirty levels of a fixed number of
// puzzles each. How far a level has come is not kept here but counted over
// the play history by the application (puzzles left); a level also carries an
// allowance, the hints the hint button starts from and the budget hinted
// puzzles draw on before they cost progress. The game asks before a hint that
// would cost progress, tells a player who returned to a puzzle their earlier
// times, and shows puzzles left and level on the score board; while an
// earlier level is replayed, a button there leads back to the level select.
//
// A puzzle's record in the history carries, as its credit, the moves of it
// that hints showed: a clean solve has none and counts in full, a hinted or
// given-up one draws on the allowance.
//
//   CurrentGameI* game = new FreePlayGame(graphics);   // level from the settings' start level
class FreePlayGame : public CurrentGameI {
public:
    static const int kSelectLevelTag = 1;

    explicit FreePlayGame(GameGraphics* graphics);
    ~FreePlayGame() override;

    String modeName() override;
    int hintsLeft() override;
    void onLevelUp() override;
    int puzzleSize() override;
    int movesLeft() override;
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    void giveUp() override;
    void handleTouch(int phase, int x, int y) override;
    void drawHud() override;
    int recordCredit() override;

    // The alert that asks before a hint (its answer comes back under alert 3).
    bool confirmHint() override;
    // Whether the hint button asks first: the hint costs progress here and
    // none has been used on this board yet.
    bool asksBeforeHint();

    // The texts of the hint confirmation, by the experiment "hw" and the language.
    static String confirmTitle(int hw, bool english);
    static String confirmMessage(int hw, bool english);
    // The progress line under it: what the allowance still holds, or that it
    // is used up; empty when there is nothing to say.
    static String progressLine(int required, int solved, int puzzlesLeft, int levelSize);
    // The times of a puzzle solved again, or empty when the history holds no
    // earlier solve of it (then no alert shows).
    static String replayMessage(const Array<HistoryRecord>& history, int puzzleId, int thisMs);

    int32_t shownLeft = -1;    // puzzles left as last drawn (0 away from the free-play level)
    int32_t shownLevel = -1;   // level as last drawn
    Button* levelSelectButton = nullptr;   // while shown; owned by hudView's child record
    MyView hudView;

private:
    int applicationLevel();
    int requiredSolves(int level);
    bool replaysEarlierLevel();
    void drawLevelSelectButton();
    void dropLevelSelectButton();
    void showReplayTimes();
};

#endif
