#ifndef KELZO_MODES_CURRENTGAMEI_H
#define KELZO_MODES_CURRENTGAMEI_H

#include <cstdint>

#include "Core/OwnedPtr.h"
#include "Core/Stream.h"
#include "Core/String.h"
#include "board/GameType.h"
#include "board/PositionSet.h"
#include "settings/Settings.h"

class Board;
struct GameGraphics;
struct LevelRecord;

// The base of every game mode: the board it owns, its own copy of the
// settings (its type and difficulty), the counters the hint button and the
// heads-up display show, and the rules every mode shares (moves, hints,
// undo, the end of a puzzle, the saved game). Each mode overrides what it
// plays differently; the application reaches it only through this interface.
//
// The settings copy never writes "settings.dat" (a copy does not own the
// file), so destroying a game leaves the player's settings as they are.
class CurrentGameI {
public:
    // The saved-game tag, "10rf" on disk.
    static const int kTag = makeTag("fr01");

    explicit CurrentGameI(GameGraphics* graphics);
    CurrentGameI(const CurrentGameI&) = delete;
    CurrentGameI& operator=(const CurrentGameI&) = delete;

    // ---- The operations every mode may override, with the shared defaults.
    virtual bool hasStarted();                  // true
    virtual bool hasProgress();                 // false
    virtual bool isSavable();                   // true
    virtual int score();                        // 0
    virtual bool recordsScoreOnQuit();          // false
    virtual String modeName() = 0;
    virtual void endGame();                     // nothing
    virtual int hintsLeft();                    // hintsRemaining
    virtual void onLevelUp();                   // nothing
    // After every valid move; true when a furball left the board.
    virtual void onMoveMade(bool chainLeftBoard);
    // True while the board animates.
    virtual bool drawBoard();
    // Replaces the board with a new puzzle of the level; the previous
    // puzzles are passed on to the choice so it avoids them.
    virtual void startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3);
    // Puzzles of the current level.
    virtual int puzzleSize() = 0;
    virtual int movesLeft();                    // movesRemaining
    virtual ~CurrentGameI();
    // Called before the board is deleted.
    virtual void leaveLevel() = 0;
    // Per-frame rule check.
    virtual void tick();                        // nothing
    // The mode's own fields after the common saved body; false on failure.
    virtual bool saveState(StreamOut& out) = 0;
    virtual bool loadState(StreamIn& in) = 0;
    // The current puzzle was solved or given up; the mode may clear either flag.
    virtual void puzzleSolved(bool* advance, bool* deleteBoard) = 0;
    // Whether a board down to one furball ends the puzzle now (default: true).
    virtual bool takesFinishedBoard();
    virtual bool isInputBlocked();              // false
    // Flags the board given up and solved, its time run out.
    virtual void giveUp();
    virtual void restartLevel();                // nothing
    virtual bool isScoreRecordable();           // false
    virtual int isAnimating();                  // 0
    // The play screen's own help tips wait (Frenzy's hold flag).
    virtual bool helpTipHeld();                 // false
    // To the board unless input is blocked.
    virtual void handleTouch(int phase, int x, int y);
    // Takes back the last move; true when one was taken back.
    virtual bool undo();
    // A board with at least one move.
    virtual bool canUndo();
    virtual void drawHud() = 0;
    // The credit a finished or left puzzle's history record keeps (default: the hints left).
    virtual int recordCredit();
    // A board the game shows beside its own was solved and is at rest (default: none is shown).
    virtual void otherBoardFinished(Board&) {}
    // Before a hint the application wants confirmed: a mode that asks the
    // player opens its alert (the answer comes back under alert id 3) and
    // answers true; false lets the hint be played at once.
    virtual bool confirmHint();                 // false
    // The application shows the play screen and the game has no board: true
    // when the game sees to that itself (Challenge opens its level intro);
    // otherwise the application gives it its next puzzle.
    virtual bool resumeWithoutBoard();          // false

    // ---- Factory and saved games
    // A new game of the global settings' mode (an instruction game when
    // `explain`); null for a mode outside 0..6. The caller owns it.
    static CurrentGameI* create(GameGraphics* graphics, bool explain);
    // A game read from a saved game; null when the type is unknown or the
    // body is refused.
    static CurrentGameI* load(StreamIn& in, GameGraphics* graphics);
    // The whole saved game, type first; false when a write fell short.
    bool save(StreamOut& out);
    // Everything after the type word; true when the game may be resumed.
    // A damaged settings copy, a wrong tag, a value out of range, a wrong
    // check value, refused mode fields or an ended game refuse it.
    bool loadBody(StreamIn& in);
    // Integrity value of the common fields ("h3p2l1g12345e0" -> hashMod97).
    int checkValue() const;

    // ---- Shared rules
    GameType type() const { return static_cast<GameType>(settings.gameMode); }
    int difficulty() const { return settings.difficulty; }
    // Hands a move to the board's move rule; nonzero when it was made.
    int makeMove(CellPos pos, int dx, int dy, bool silent, int delay, float speed);
    // Records the board's puzzle in the play history, when there is a board.
    void startBoardLevel(bool finished, bool kept);
    // Moves the game to the global settings' start level and has the
    // application give it a new puzzle there. keepBoard: the puzzle left is
    // kept in the history to come back to. Only for the current game.
    void startLevel(bool keepBoard);
    // The tips of the level restart, the mode leaves the level, the board goes.
    void endLevel();
    // The end of a shown puzzle: counted, recorded, celebrated, and the
    // application moves on (or the mode keeps the board).
    void onPuzzleFinished();
    // The hint button.
    void playHint();
    // The puzzle choice's target: the first puzzle of a level gets the
    // easiest, the last the hardest; -1 for no target.
    float difficultyTarget();
    bool isHintAvailable();
    bool isHintFree();
    bool isHintEnabled();
    // Some furball the last move lifted sits on a cell taken again by a
    // furball the move did not place.
    bool lastMoveLeftFurball() const;
    // Free Play while its hints cost nothing.
    bool isOpenFreePlay();

    // ---- Common fields
    GameGraphics* graphics;          // not owned
    Settings settings;               // copy taken at construction
    OwnedPtr<Board> board;           // null between puzzles
    int32_t seed;
    int32_t level = 1;
    bool ended = false;              // set by the game-over screens; refused on load
    int32_t hintsRemaining = 0;      // shown on the hint button
    int32_t movesRemaining = 0;      // still to play in the level
    bool levelPopupShown = false;    // the Free Play new-level popup is up

protected:
    // Frenzy's: a level waits to start (-1 none), an undo was made since the last move.
    int32_t pendingLevel = -1;
    bool undoUsed = false;

private:
    bool noHintLeft(bool pending);
};

// Replaces the game in `slot` with a new one from the factory. The old game's
// level is left first unless it keeps its board for a later resume (Frenzy,
// Free Play, Challenge); then it is deleted. Returns the new game (or null).
CurrentGameI* replaceCurrentGame(GameGraphics* graphics, OwnedPtr<CurrentGameI>& slot, bool explain);

// Deletes the board in a game and stores another (null for none).
void replaceBoard(CurrentGameI& game, Board* board);

// True when the game's moves left are below 1 (asked in Frenzy only).
bool outOfMoves(CurrentGameI& game);

#endif
