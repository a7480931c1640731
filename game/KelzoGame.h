#ifndef KELZO_GAME_KELZOGAME_H
#define KELZO_GAME_KELZOGAME_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/GameClock.h"
#include "Core/Mutex.h"
#include "Core/OwnedPtr.h"
#include "Core/String.h"
#include "board/BoardCell.h"
#include "board/BoardHost.h"
#include "board/GameGraphics.h"
#include "board/InstructionFinger.h"
#include "board/LevelRecord.h"
#include "board/PositionSet.h"
#include "game/AppBubbleHost.h"
#include "game/BarDoubleTap.h"
#include "game/BottomBar.h"
#include "game/BvGameI.h"
#include "game/FrameStats.h"
#include "game/FurballIdleAnimations.h"
#include "game/PlayHelpTips.h"
#include "game/ScreenFactoryI.h"
#include "game/ScreenId.h"
#include "game/TimedEventQueue.h"
#include "game/Tips.h"
#include "game/TipsHost.h"
#include "graphics/Texture.h"
#include "modes/CurrentGameI.h"
#include "modes/GameHost.h"
#include "modes/PraiseDisplay.h"
#include "scores/HiScoreTable.h"
#include "scores/HiScoresListenerI.h"
#include "scores/HistorySampleSourceI.h"
#include "settings/ReportFacts.h"
#include "sound/SoundPlayer.h"
#include "ui/AlertViewCallbackI.h"
#include "ui/MenuBaseI.h"
#include "ui/MyView.h"


// The application object: the BvGameI the main loop drives, and the owner of
// everything that lasts across screens: the games (one kept per type 0 to 3,
// the others and the instruction game owned apart), the play history, the
// players, the tips, the sound player, the local high scores and the timed
// events. It is the host of the board and of the games, and it tells the
// statistics report about the game in progress. Its state survives a
// restart in "gameState.dat" and the player's file beside it
// (KelzoGameState.cpp); the progress queries on the play history are in
// KelzoGameHistory.cpp.
//
// It shows one screen at a time (KelzoGameScreens.cpp): the menus come from
// the screen factory it is given, and the action codes they answer and the
// alerts it raises are turned into the next screen (KelzoGameTouch.cpp).
class KelzoGame : public BvGameI,
                  public BoardHost,
                  public GameHost,
                  public ReportFactsI,
                  public HistorySampleSourceI,
                  public HiScoresListenerI,
                  public AlertViewCallbackI,
                  public TipsHost {
public:
    static const int kKeptGameTypes = 4;      // Arcade, Frenzy, Free Play, Challenge
    static const int kStateTag = makeTag("fr01");
    static const int kRecordTag = makeTag("pr01");
    // The newest records always survive a load; older ones only from Free Play.
    static const int kKeptRecentRecords = 799;
    static const int kMaxPlayers = 1000000;
    static const int kMaxHistory = 1000000;
    // How long a quit waits for the reply to a score upload in flight.
    static const int kExitUploadWaitMs = 3000;

    // A bare object, nothing loaded and nothing shown (tests).
    KelzoGame();
    // The program's object: shows the loading screen at once.
    explicit KelzoGame(void* platformHandle);
    // Saves the state first.
    ~KelzoGame() override;
    KelzoGame(const KelzoGame&) = delete;
    KelzoGame& operator=(const KelzoGame&) = delete;

    // ---- BvGameI
    bool drawFrame() override;
    void progressBarRect(float* position, float* size) override;
    void handleTouch(int phase, TouchPoint at, TouchPoint second) override;
    void pauseClock() override;
    void resumeClock() override;
    // Focus lost: the state is saved and the experiment report sent.
    void pause() override;
    void resume() override;

    // ---- ReportFactsI
    int playHistoryCount() override;
    void playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags) override;
    bool currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove) override;

    // ---- BoardHost (and GameHost where they share a call)
    bool onPlayScreen() override;
    bool onInstructionScreen() override;
    bool hasCurrentGame() override;
    Board* currentGameBoard() override;
    void tellMoveMade(bool chainLeftBoard) override;
    bool outOfMoves() override;
    int hintsLeft() override;
    void puzzleFinished() override;
    // The current game's own board goes through puzzleFinished; another board it shows, to the game.
    void puzzleFinishedOn(Board& board) override;
    Array<HistoryRecord>& playedPuzzles() override;
    int currentGameType() override;
    int currentGameLevel() override;
    // Marks the current game's popup as shown; answers come back under the alert id it opened.
    void showFreePlayNewLevelPopup() override;
    bool shouldShowTip(int id, int limit, int limit2, int limit3) override;
    // Shown unless the tips option is off (the tutorial's tips always show).
    void showTip(int id, const TipParams& params) override;
    void dismissTip(int id) override;
    void resetTipCounters(int now) override;
    void playHitEffect() override;

    // ---- TipsHost
    bool tipsOn() override;
    const Board* tipBoard() override;
    void playWrongMoveEffect() override;
    // Queues an event due `delay` ms from now (less the frame's 100 ms lead); takes the frame lock, so any
    // thread may call it.
    void scheduleEvent(int kind, int delay) override;
    // Queues a furball in flight on the current game's board.
    void addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source, CellPos target,
                          bool ghost, int delay, float speed, bool fast) override;
    int instructionStep() override;
    void noteInstructionMisthrow() override;
    // Moves the tutorial to its next step and shows that step's tip (KelzoGameTutorial.cpp).
    void advanceTutorial() override;

    // ---- GameHost
    int applicationLevel() override { return currentLevel; }
    // Ends the current puzzle, gives the current game its next one, saves.
    void nextPuzzle(bool flag) override;
    // Presents a hint move: played at once, or marked and explained by a tip.
    void playMove(const MoveEntry& move) override;
    // Opens the alert over the current screen; its answer comes to alertButtonClicked by this id.
    void showAlert(int id, const String& title, const String& message, const String& button1,
                   const String& button2) override;
    bool isAlertShowing(int id) override;
    void resetLevelTipCounters() override;
    // Also the board's (the guided instruction's step 49 gone wrong).
    void removeTipBubbles() override;
    void presentTip(int id, const TipParams& params) override;
    bool isAnyAlertShowing() override;
    void showPraise(bool useListB, bool useListC, const char* text, int delayMs) override;
    bool shouldShowGameTip(int id, int limit, bool force) override;
    bool onHowToPlayScreen() override { return currentScreen == ScreenHowToPlay; }
    bool tipBubblesEmpty() override;
    void playLostLifeEffect() override { soundPlayer.playLostLifeEffect(); }
    void showMainMenu() override { showMenu(ScreenMainMenu); }
    void resumeGameClock() override;
    // Queues an event due exactly `delayMs` from now; takes the frame lock.
    void appendTimedEvent(int kind, int delayMs) override;

    // ---- The how-to-play tutorial (KelzoGameTutorial.cpp)
    // Alert 6 answered: the tutorial's board is laid out and the first tip shows.
    void startTutorial();
    // Shows the move of a step (45 to 47) and makes it on the board.
    void playTutorialDemo(int step);
    // A release on the how-to-play screen; the tutorial may move on or end.
    void tutorialTouchEnded(int x, int y);
    // The frame's part: the demonstrations repeat every 3 s.
    void stepTutorial();
    // The demonstration finger and the pointers; true while they move.
    bool drawTutorial();
    // Touches go on to the game: on the play screen, and in the tutorial's steps where the player moves.
    bool touchesReachGame() const;
    // The bar's undo works on the how-to-play screen now.
    bool tutorialUndoAllowed() const;
    // After an undo on the how-to-play screen: the step is shown again once the board is back to its start.
    void tutorialUndone();
    // The end of the tutorial: the saved state comes back; when finished (its last step tapped away) the
    // player goes on, else (alert 5 answered with its button 1) to the main menu.
    void leaveTutorial(bool finished);
    // The bar's double tap on the how-to-play screen: alert 5 asks whether to leave.
    void askToLeaveTutorial();
    // Game time since the step began.
    int msIntoTutorialStep() const;
    // ---- GameHost: what the modes ask of the play history and the screens (KelzoGameModeHost.cpp)
    bool tipAllowed(int id, int limit) override;
    int shownScreen() override { return currentScreen; }
    int screenShownBefore() override { return previousScreen; }
    void openLevelSelect(int level) override;
    const Array<HistoryRecord>* playHistory() override { return &history; }
    void openFreePlayNewLevelPopup(bool delayed) override;
    int recordCredit() override;
    // The new-level popup's and the final alert's answers (KelzoGameFreePlayLevel.cpp).
    void answerFreePlayLevelAlert(int id, int button);

    // ---- Start-up
    // The loading part of start-up, with the loading screen's progress.
    void loadResources();
    void pauseClockIfRunning();
    void resumeClockIfPaused();
    // The first screen: the title, or on a later launch whose theme screen
    // was never introduced the theme choice (which returns to the title).
    void showFirstScreen();

    // ---- Screens (KelzoGameScreens.cpp)
    // Switches to a screen: its menu built, music, cross-fade, click, the
    // last three ids kept, the clock running only on the play screen.
    void showMenu(ScreenId id, bool fromNewHiScore = false);
    // Saves, starts the mode of the settings and shows its first screen.
    void startSelectedMode();
    // The end of a game: the new high score, the game-over alert or a new game.
    void gameOver(bool showAlert, bool silent) override;
    // The play screen; a Free Play game away from its level hears about it,
    // a game without a board gets one.
    void resumeToPlay();
    // The snapshot of the game in play the title screen and the main menu are built from.
    bool gameInProgress() const;

    // ---- Frame (KelzoGameFrame.cpp)
    // What the bottom bar shows in this frame.
    BottomBarState bottomBarState();

    // ---- Touches (KelzoGameTouch.cpp)
    void touchBegan(int x, int y);
    void touchEnded(int x, int y);
    // The menu click, at most one per 301 ms of the running clock.
    void playClick();
    // The loop's idle question: true once the current menu's wished-for frame is due.
    bool needsFrame() override;
    // The bar's undo: tips about the move go, the board steps back.
    void undoPressed();
    // The bar's hint: tips about hints go, the game plays its hint.
    void hintPressed();

    // ---- Screen actions (KelzoGameActions.cpp)
    // What the current screen's menu answered.
    void screenAction(int action);
    // Rebuilds the play screen's heads-up areas for the selected mode.
    void createGlower();
    // A tapped heads-up area of the play screen (4 level select, 5 skip, 6 level info).
    void hudAction(int action);
    // Asks before the puzzle is skipped (Challenge and Frenzy: restart).
    void showSkipAlert();

    // ---- Alerts (KelzoGameAlerts.cpp)
    // An alert with a start delay and the message's font size.
    void showAlert(int id, const char* title, const char* message, const char* button1, const char* button2,
                   int startDelayMs, int messageFontSize);
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;
    // The play history's time goes into the settings' totals, Free Play and
    // Challenge start over, the Challenge bests are forgotten.
    void resetProgress();

    // ---- Games
    // Makes the game of the settings' mode the current one: the kept one
    // when it may go on, else a new one (createNew) or none.
    void startGame(bool modeChanged, bool createNew);
    // The kept game of a type 0..3; null for other types.
    CurrentGameI* keptGame(int type) const;
    // Deletes the game in a slot; a current pointer to it is cleared.
    void deleteGame(OwnedPtr<CurrentGameI>& slot);
    // A game read or made for a kept type replaces the slot's game.
    void setKeptGame(int type, CurrentGameI* game);
    void setCurrentGame(CurrentGameI* game);

    // ---- State files (KelzoGameState.cpp)
    // Names the state file and the high-score file, reads both.
    void setFilesAndLoad(const String& path, const char* hiScoresPath);
    // Writes "gameState.dat" and the current player's file; the current
    // game's level, difficulty and mode go back to the settings first when
    // takeGameSettings. Nothing is written on the how-to-play screen. True
    // when both files are in place.
    bool saveState(bool takeGameSettings);
    void loadState();
    // The player's file body; false when the reading stopped at a damaged
    // field (what came before stays).
    bool writeGameModeState(StreamOut& out);
    bool readGameModeState(StreamIn& in);
    // The state of a first run.
    void startFresh(bool startGameFirst);
    // The player's file: the state path followed by the player's number.
    String playerStatePath() const;

    // ---- Play history and progress (KelzoGameHistory.cpp)
    int solvedPuzzlesInLevel() override;
    int puzzlesLeftInLevel() override;
    int firstUnsolvedLevel(int gameType);
    int firstUnsolvedLevelOfSelectedMode() override;
    int levelOfMode(int gameType);
    int highScoreRank();
    void restoreKeptPuzzle(int level);
    // The record is marked as played again when its puzzle was left unsolved.
    void setBoard(HistoryRecord& record);
    void startNewLevelAvoidingRecent();
    // Only the current game's board keeps time: the kept games' boards are
    // frozen, the current one's resumed.
    void alignBoardTimers();
    void maybeAskForRating(int level, int delayMs);
    void showRatingPrompt(int delayMs);
    // The rating prompt's message: text 277, or the English plea to a player asked before.
    String ratingPromptMessage() const;
    // Up to four unsent Free Play records, for the score upload; each is
    // marked as sent.
    String historySample() override;
    // An upload ended while no score screen listens: the next frame applies it.
    void requestRedraw() override;
    // Leaves the current puzzle to be played again later and plays the
    // record's puzzle in its place.
    void replayRecord(const HistoryRecord& record);
    // The current game's board enters: its furballs pop in one by one (fast:
    // the tutorial's shorter wait), and its puzzle is logged for whoever
    // reads the log.
    void startFurballEntrance(bool fast = false);
    // Where the current board's furballs are, for whoever reads the log.
    void logBoardFurballs();

    // ---- Fields
    Array<String> playerNames;
    int32_t currentPlayer = 0;
    String playerText;
    int32_t reservedA = -1;
    int32_t reservedB = -1;
    void* platformHandle = nullptr;
    int32_t currentLevel = 1;          // also how far Free Play has come
    int32_t reservedC = 1;
    int32_t currentAlertId = -1;       // the alert whose answer is awaited; -1 none
    bool tutorialDone = false;
    int32_t bottomButton = -1;
    bool clockWasRunning = false;      // set by pauseClock
    bool dimScreen = false;
    GameGraphics graphics;             // gGameGraphics points here once loaded
    Array<HistoryRecord> history;      // oldest first
    ScreenId currentScreen = ScreenTitle;
    ScreenId previousScreen = ScreenTitle;
    ScreenId screenBeforePrevious = ScreenTitle;
    SoundPlayer soundPlayer;
    OwnedPtr<CurrentGameI> keptGames[kKeptGameTypes];
    OwnedPtr<CurrentGameI> ownedGame;  // a current game of another type, or the instruction game
    CurrentGameI* currentGame = nullptr;   // in a kept slot or ownedGame; null for none
    String statePath;
    int32_t boardFrameCount = 0;
    int32_t tutorialStep = -1;         // 42..54 during the guided instruction
    HiScoreTable hiScores;
    Mutex frameMutex;                  // held while a frame updates and draws
    // Timed sounds fall due on the running clock: a game over or a record is heard while a menu shows.
    TimedEventQueue timedEvents{frameMutex, [] { return gGameClock.running(); }};
    int32_t lastTransitionSoundMs = -1;   // running clock; -1 never
    int32_t gameOverMs = -1;   // running clock at the last silent game over; -1 none
    Tips tips;
    PraiseDisplay praise;              // the word over a solved board
    // The tutorial (its step is tutorialStep): game time its step began (-1 none), demonstration periods
    // acted on, an undo expected after a wrong move in step 49, the finger that shows a move.
    int32_t tutorialStepStart = -1;
    int32_t tutorialTicks = 0;
    uint8_t tutorialUndoPending = 0;
    // The step the last press began in (its release may come a step later).
    int tutorialPressStep = -1;
    InstructionFinger tutorialDemo;
    ScreenFactoryI* screenFactory = nullptr;   // not owned; without one, screens have no menu
    OwnedPtr<MenuBaseI> currentMenu;   // the current screen's menu, null for none
    OwnedPtr<Texture> launchImage;     // "Default.png" while the title shows
    bool fromNewHiScore = false;       // the tables were opened with a new entry
    bool languageFirst = false;        // the first start's title is the language choice, until it is made
    int32_t lastReleaseX = -1;
    int32_t lastReleaseY = -1;
    int32_t frameCount = 0;
    int32_t lastClickMs = -1;          // running clock at the last menu click; -1 none
    bool menuFrameWanted = false;      // the current menu wants a frame at menuFrameDueMs (running clock)
    int32_t menuFrameDueMs = 0;
    // How often each of the suggestion kinds was offered; the maintainers' console reports them.
    static constexpr int kSuggestionKinds = 80;
    int32_t suggestionCounts[kSuggestionKinds] = {};
    AppBubbleHost bubbleHost{*this};   // gBubbleHost while this is the program's object
    // The frame's own parts (KelzoGameFrame.cpp): the play screen's help tips, the furballs' idle
    // animations, the bottom bar and the statistics overlay.
    PlayHelpTips helpTips;
    FurballIdleAnimations idleAnimations;
    BottomBar bottomBar;
    FrameStats frameStats;
    // The double tap on the bottom bar's middle that leaves the game.
    BarDoubleTap barTap;
    // The play screen's tappable heads-up areas (level select, skip), built
    // by createGlower for the mode; their tags are the play screen's actions.
    MyView hudView;

private:
    // Notes when the current menu wants its next frame (MenuBaseI::frameWantedInMs).
    void takeMenuFrameWish();
    // The first start's language offer: the title for an English device, else the language choice.
    void offerDeviceLanguage();
    // The play screen under the menus: background, idle furballs, bar, board,
    // bursts, banner, score board and heads-up display; true while it moves.
    bool drawPlayScreen();
    void drawLaunchPicture();
    // The current screen's menu and the open dialogs; true while they move.
    bool drawMenus();
    void drawDimming();
    // Builds the screen's menu (or none) and what comes with it.
    void buildScreen(ScreenId id, bool fromNewHiScore);
    void buildGameIntro();
    void buildHowToPlay();
    void logScreenMenu(ScreenId id);
    // The title of an alert the application answers, and where its buttons are.
    void logAlert(int id, const char* title, CustomAlertView* alert);
    // Back to the screen before the current one.
    void showPreviousScreen();
    void answerAlert(int id, int button);
    void mainMenuAction(int action);
    // The bottom bar's part of a press and of a release.
    void barTouchBegan(int x, int y);
    void barTouchEnded(int x, int y);
    BarDoubleTap::TutorialRule barTapRule() const;
    // Leaves the screen the bar's double tap was made on.
    void leaveByDoubleTap();
    String skipMessageLine();
    // The level chosen on the level-select page, for the game in play.
    void takeSelectedLevel();
    void storeHiScore(const String& name);
    // The bottom bar's double tap is forgotten when its first tap is old.
    void dropStaleBarTap();
    void continueKeptGame(int id, int button);
    // Plays the sounds of the timed events that are due.
    void playDueEvents();
    // What a timed event of that kind does; false when its effect is not loaded (yet).
    bool playTimedEvent(int kind);
    // The kept games' board clocks stop; the current game's go on.
    void freezeKeptBoardsResumeCurrent();
    OwnedPtr<CurrentGameI>& slotFor(int type);

    bool ownsProgramState_ = false;    // the program's object: it hands back the shared pictures and fonts
    bool screenShownLogged = false;    // the first frame of the current screen was logged
};

// The application object; null before start-up and in most tests.
extern KelzoGame* gGame;

#endif
