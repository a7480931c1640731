#ifndef KELZO_MODES_GAMEHOST_H
#define KELZO_MODES_GAMEHOST_H

#include "Core/Array.h"
#include "Core/String.h"
#include "board/HistoryRecord.h"
#include "board/MoveEntry.h"
#include "board/TipParams.h"

// What a game asks of the application it is played in: the screen and level
// it shows, the next puzzle, alerts, tips, sounds and hint moves. The
// application implements it and hands it down once at start-up (gGameHost);
// without a host (tests, tools) a game plays alone and asks nothing.
class GameHost {
public:
    virtual ~GameHost() = default;

    // The play screen is up.
    virtual bool onPlayScreen() = 0;
    // The application's current level (how far Free Play has come).
    virtual int applicationLevel() = 0;

    // Ends the current puzzle and gives the current game its next one.
    virtual void nextPuzzle(bool flag) = 0;
    // Presents a hint move (played at once, or marked with a tip).
    virtual void playMove(const MoveEntry& move) = 0;
    // An event (8 hint effect, 9 "beat stage" effect, ...) due `delayMs` from now.
    virtual void scheduleEvent(int kind, int delayMs) = 0;
    // The same event due exactly `delayMs` from now, without the 100-ms lead scheduleEvent takes off (the
    // end-of-level sounds of Challenge and Frenzy). Safe from any thread, as scheduleEvent is.
    virtual void appendTimedEvent(int kind, int delayMs) = 0;
    virtual void playWrongMoveEffect() = 0;

    // An alert with two buttons; its answer comes back under `id`.
    virtual void showAlert(int id, const String& title, const String& message, const String& button1,
                           const String& button2) = 0;
    // The alert with this id is open.
    virtual bool isAlertShowing(int id) = 0;

    // ---- Tips
    // Tip counters of the level restart; every open tip closes.
    virtual void resetLevelTipCounters() = 0;
    virtual void removeTipBubbles() = 0;
    // Shown whatever the tips option says.
    virtual void presentTip(int id, const TipParams& params) = 0;
    // Shown when the tips option allows it.
    virtual void showTip(int id, const TipParams& params) = 0;
    virtual void dismissTip(int id) = 0;

    // ---- The timed modes
    // Any alert or popup is open over the game.
    virtual bool isAnyAlertShowing() { return false; }
    // The game is over: the game-over screen first when silent, then the new
    // high score or the game-over alert.
    virtual void gameOver(bool /*showAlert*/, bool /*silent*/) {}
    // Pops a praise word over the board, `delayMs` from now.
    virtual void showPraise(bool /*useListB*/, bool /*useListC*/, const char* /*text*/, int /*delayMs*/) {}
    // Once per game, while the tip was shown fewer than `limit` times.
    virtual bool shouldShowGameTip(int /*id*/, int /*limit*/, bool /*force*/) { return false; }

    // Tip `id` may show: seen fewer than `limit` times, not twice in this game yet, tips switched on.
    virtual bool tipAllowed(int, int) { return false; }

    // ---- Screens
    // The screen shown now and the one before it (ScreenId values); -1 without screens.
    virtual int shownScreen() { return -1; }
    virtual int screenShownBefore() { return -1; }
    // Opens the level select with its slider standing at `level`, with a click.
    virtual void openLevelSelect(int) {}

    // ---- Progress over the play history (Free Play)
    // The play history, oldest first; null without one.
    virtual const Array<HistoryRecord>* playHistory() { return nullptr; }
    // Puzzles still to solve at the level Free Play has reached, and those that count as solved there.
    virtual int puzzlesLeftInLevel() { return 0; }
    virtual int solvedPuzzlesInLevel() { return 0; }
    virtual int firstUnsolvedLevelOfSelectedMode() { return 1; }
    // The new-level popup for the level reached (the final alert after the last); held back a moment when
    // `delayed`. The game's level-popup flag is set; its answer comes back to the application.
    virtual void openFreePlayNewLevelPopup(bool) {}

    // ---- What the Challenge and Frenzy games ask besides (harmless answers by default)
    // The how-to-play screen is up.
    virtual bool onHowToPlayScreen() { return false; }
    // No tip bubble is open.
    virtual bool tipBubblesEmpty() { return true; }
    virtual void playLostLifeEffect() {}
    virtual void showMainMenu() {}
    virtual void resumeGameClock() {}
};

// The application the games are played in; null when there is none.
extern GameHost* gGameHost;

#endif
