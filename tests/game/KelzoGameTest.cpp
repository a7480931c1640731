#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "Core/File.h"
#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/MovingFurball.h"
#include "board/ScoreBoard.h"
#include "game/KelzoGame.h"
#include "modes/FreePlayNewLevelPopup.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/AbSettings.h"
#include "settings/ReportFacts.h"
#include "settings/Settings.h"
#include "tests/graphics/GlTestContext.h"
#include "ui/MenuStack.h"

namespace {

class KelzoGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gGameClock = GameClock();
        gGameClock.updateAt(1000);
    }
};

// Whether the log's tap list of `what` ("alert 2") names a child tagged `tag`.
bool tapListHas(const std::string& log, const std::string& what, int tag)
{
    const size_t start = log.find(" " + what + " taps:");
    if (start == std::string::npos)
        return false;
    const std::string list = log.substr(start, log.find('\n', start) - start) + " ";
    return list.find(" " + std::to_string(tag) + ":") != std::string::npos;
}

}  // namespace

TEST_F(KelzoGameTest, ProgressBarSitsLowOnTheSplash)
{
    KelzoGame game;
    float position[2], size[2];
    game.progressBarRect(position, size);
    EXPECT_EQ(position[0], 60);
    EXPECT_EQ(position[1], 400);
    EXPECT_EQ(size[0], 200);
    EXPECT_EQ(size[1], 8);
}

// A menu that stops the game for a while resumes the clock only when it was
// running before it paused it.
TEST_F(KelzoGameTest, PauseClockResumesOnlyWhatItPaused)
{
    struct Case {
        bool pausedBefore;
        bool pausedAfter;
    };
    const Case cases[] = {{false, false}, {true, true}};
    for (const Case& c : cases) {
        KelzoGame game;
        gGameClock = GameClock();
        gGameClock.updateAt(1000);
        if (c.pausedBefore)
            gGameClock.pause();
        game.pauseClock();
        EXPECT_TRUE(gGameClock.paused);
        game.resumeClock();
        EXPECT_EQ(gGameClock.paused, c.pausedAfter) << c.pausedBefore;
    }
}

TEST_F(KelzoGameTest, ClockHelpersOnlyChangeWhatNeedsIt)
{
    KelzoGame game;
    game.resumeClockIfPaused();
    EXPECT_FALSE(gGameClock.paused);
    game.pauseClockIfRunning();
    EXPECT_TRUE(gGameClock.paused);
    const int32_t pausedAt = gGameClock.pausedAt;
    gGameClock.updateAt(5000);
    game.pauseClockIfRunning();   // already paused: the pause keeps its start
    EXPECT_EQ(gGameClock.pausedAt, pausedAt);
    game.resumeClockIfPaused();
    EXPECT_FALSE(gGameClock.paused);
}

TEST_F(KelzoGameTest, ReportFactsTellOfTheHistoryAndTheBoardInPlay)
{
    KelzoGame game;
    ReportFactsI& facts = game;
    int elapsed = 0, undos = 0, kind = 0, flags = 0;
    bool hasMove = false;
    EXPECT_FALSE(facts.currentBoard(&elapsed, &undos, &hasMove));

    game.history.append(HistoryRecord{10001, 4500, 2, 0, 0, 4, 0, 1});
    ASSERT_EQ(facts.playHistoryCount(), 1);
    facts.playHistoryRecord(0, &elapsed, &kind, &flags);
    EXPECT_EQ(elapsed, 4500);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(flags, 4);

    game.keptGames[kGameArcade].reset(new PlainTestGame(nullptr, false));
    game.setCurrentGame(game.keptGames[kGameArcade].get());
    EXPECT_FALSE(facts.currentBoard(&elapsed, &undos, &hasMove));   // a game without a board
    game.currentGame->board.reset(new Board());
    Board& board = *game.currentGame->board;
    BoardCell furball = {};
    furball.colour = 1;
    board.placeFurballAt(1, 1, furball);
    board.placeFurballAt(4, 1, furball);
    board.undoCount = 3;
    ASSERT_TRUE(facts.currentBoard(&elapsed, &undos, &hasMove));
    EXPECT_EQ(undos, 3);
    EXPECT_TRUE(hasMove);
}

namespace {

// A game that remembers what the board told it.
class ListeningGame : public PlainTestGame {
public:
    ListeningGame() : PlainTestGame(nullptr, false) {}
    void onMoveMade(bool chainLeftBoard) override { moves.push_back(chainLeftBoard); }
    void puzzleSolved(bool* advance, bool*) override
    {
        finished++;
        *advance = false;
    }
    std::vector<bool> moves;
    int finished = 0;
};

}  // namespace

TEST_F(KelzoGameTest, AsBoardHostItAnswersFromTheGameInPlay)
{
    KelzoGame game;
    BoardHost& host = game;
    EXPECT_FALSE(host.hasCurrentGame());
    EXPECT_EQ(host.currentGameBoard(), nullptr);
    EXPECT_FALSE(host.outOfMoves());
    EXPECT_EQ(host.hintsLeft(), 0);
    host.tellMoveMade(true);   // no game: nobody to tell
    host.puzzleFinished();

    ListeningGame* listening = new ListeningGame();
    game.ownedGame.reset(listening);
    game.setCurrentGame(listening);
    listening->hintsRemaining = 4;
    EXPECT_TRUE(host.hasCurrentGame());
    EXPECT_EQ(host.currentGameBoard(), nullptr);   // a game without a board
    EXPECT_EQ(host.hintsLeft(), 4);
    listening->movesRemaining = 0;
    EXPECT_TRUE(host.outOfMoves());
    listening->movesRemaining = 1;
    EXPECT_FALSE(host.outOfMoves());
    host.tellMoveMade(true);
    host.tellMoveMade(false);
    EXPECT_EQ(listening->moves, (std::vector<bool>{true, false}));
    host.puzzleFinished();
    EXPECT_EQ(listening->finished, 1);
    listening->board.reset(new Board());
    EXPECT_EQ(host.currentGameBoard(), listening->board.get());

    game.history.append(HistoryRecord{10001, 4500, 2, 0, 0, 4, 0, 1});
    EXPECT_EQ(&host.playedPuzzles(), &game.history);

    struct Screen {
        int id;
        bool playing, instruction;
    } screens[] = {{ScreenGameIntro, false, false},
                   {ScreenPlaying, true, false},
                   {ScreenHowToPlay, false, true}};
    for (const Screen& s : screens) {
        game.currentScreen = ScreenId(s.id);
        EXPECT_EQ(host.onPlayScreen(), s.playing) << s.id;
        EXPECT_EQ(host.onInstructionScreen(), s.instruction) << s.id;
    }
}

TEST_F(KelzoGameTest, AsBoardHostItKeepsTipsEventsFurballsAndTheInstruction)
{
    KelzoGame game;
    BoardHost& host = game;
    // The tips' spacing rule: the reminder after a tap passes at the second ask.
    EXPECT_FALSE(host.shouldShowTip(30, 0, 3, 6));
    EXPECT_TRUE(host.shouldShowTip(30, 0, 3, 6));
    TipParams params;
    params.delayMs = 450;
    host.showTip(30, params);
    EXPECT_TRUE(game.tips.isOpen(30));
    EXPECT_EQ(game.tips.lastParams().delayMs, 450);
    EXPECT_FALSE(host.shouldShowTip(33, 1, 3, 999));   // refused while a tip is open
    host.dismissTip(30);
    EXPECT_FALSE(game.tips.isOpen(30));
    host.resetTipCounters(4321);
    EXPECT_EQ(game.tips.quietFrom(), 4321);

    // Events fall due with the frame's 100 ms lead.
    host.scheduleEvent(6, 190);
    ASSERT_EQ(game.timedEvents.size(), 1);
    EXPECT_EQ(game.timedEvents.at(0).kind, 6);
    EXPECT_EQ(game.timedEvents.at(0).dueMs, gGameClock.now() - 100 + 190);
    // Challenge's and Frenzy's end-of-level sounds come without the lead.
    GameHost& gameHost = game;
    gameHost.appendTimedEvent(9, 250);
    ASSERT_EQ(game.timedEvents.size(), 2);
    EXPECT_EQ(game.timedEvents.at(1).kind, 9);
    EXPECT_EQ(game.timedEvents.at(1).dueMs, gGameClock.now() + 250);

    // Furballs in flight join the current game's board; without one they are dropped.
    BoardCell furball = {};
    furball.colour = 2;
    host.addMovingFurball(furball, 1, 0, CellPos{0, 3}, CellPos{0, 3}, CellPos{2, 3}, false, 70, 1.2f, false);
    game.ownedGame.reset(new PlainTestGame(nullptr, false));
    game.setCurrentGame(game.ownedGame.get());
    game.currentGame->board.reset(new Board());
    host.addMovingFurball(furball, 1, 0, CellPos{0, 3}, CellPos{0, 3}, CellPos{2, 3}, false, 70, 1.2f, false);
    const Array<MovingFurball>& moving = game.currentGame->board->movingFurballs;
    ASSERT_EQ(moving.size(), 1);
    EXPECT_EQ(moving[0].target, (CellPos{2, 3}));
    EXPECT_EQ(moving[0].delayMs, 70);

    // The guided instruction.
    EXPECT_EQ(host.instructionStep(), -1);
    host.advanceTutorial();
    EXPECT_EQ(game.tutorialStep, -1);   // not running: stays off
    game.tutorialStep = 49;
    EXPECT_EQ(host.instructionStep(), 49);
    host.noteInstructionMisthrow();
    EXPECT_EQ(game.tutorialUndoPending, 1);
    host.advanceTutorial();
    EXPECT_EQ(game.tutorialStep, 50);
}

namespace {

// The experiment values a hint move is presented by.
struct HintValues {
    int ddh, nhq, nhd, nhs, nhf;
};

class PlayMoveTest : public KelzoGameTest {
protected:
    void SetUp() override
    {
        KelzoGameTest::SetUp();
        saved = {gAbSettings.ddh, gAbSettings.nhq, gAbSettings.nhd, gAbSettings.nhs, gAbSettings.nhf};
    }
    void TearDown() override { use(saved); }

    // A game at `level` on a board of furballs at (0, 4), (3, 4) and (6, 4).
    static void prepare(KelzoGame& game, int level)
    {
        game.ownedGame.reset(new PlainTestGame(nullptr, false));
        game.setCurrentGame(game.ownedGame.get());
        game.currentGame->level = level;
        game.currentGame->board.reset(new Board());
        BoardCell furball = {};
        furball.colour = 1;
        for (int x : {0, 3, 6})
            game.currentGame->board->placeFurballAt(x, 4, furball);
    }

    static void use(const HintValues& v)
    {
        gAbSettings.ddh = v.ddh;
        gAbSettings.nhq = v.nhq;
        gAbSettings.nhd = v.nhd;
        gAbSettings.nhs = v.nhs;
        gAbSettings.nhf = v.nhf;
    }

    HintValues saved{};
};

}  // namespace

// A hint is played at once, or marked on the board and explained by a tip
// whose kind, time and place the experiment values choose.
TEST_F(PlayMoveTest, AHintMoveIsPlayedOrMarkedAndExplained)
{
    struct Case {
        const char* what;
        HintValues values;
        int level;
        MoveEntry move;
        bool playedAtOnce;
        int tip;   // -1 none
        int showMs, fadeOutMs;
        bool flipped;
    } cases[] = {
        {"played at once", {9, 0, 0, 0, 0}, 1, MoveEntry{0, 4, 0, 0, 1, 0}, true, -1, 0, 0, false},
        {"plain tip", {12, 0, 0, 0, 0}, 2, MoveEntry{3, 4, 0, 0, -1, 0}, false, 58, 5000, 1800, false},
        {"above the level limit", {12, 0, 0, 0, 0}, 3, MoveEntry{3, 4, 0, 0, -1, 0}, false, -1, 0, 0, false},
        {"no limit past 14", {15, 0, 0, 0, 0}, 30, MoveEntry{3, 4, 0, 0, -1, 0}, false, 58, 5000, 1800, false},
        {"arrow right, shorter", {12, 2, 1, 0, 1}, 1, MoveEntry{3, 4, 0, 0, 1, 0}, false, 59, 4000, 1500, false},
        {"arrow down, flipped", {12, 0, 1, 0, 0}, 1, MoveEntry{3, 4, 0, 0, 0, 1}, false, 62, 5000, 1800, true},
        {"arrow up", {12, 0, 1, 0, 0}, 1, MoveEntry{3, 4, 0, 0, 0, -1}, false, 61, 5000, 1800, false},
        {"edge move forced", {10, 0, 0, 1, 0}, 9, MoveEntry{0, 4, 0, 0, 1, 0}, false, 59, 9000, 1800, false},
        {"edge move from the right forced", {10, 0, 0, 1, 0}, 9, MoveEntry{6, 4, 0, 0, -1, 0}, false, 60, 9000, 1800,
         false},
        {"edge move like any other with nhs 0", {10, 0, 0, 0, 0}, 9, MoveEntry{0, 4, 0, 0, 1, 0}, false, -1, 0, 0,
         false},
    };
    for (const Case& c : cases) {
        KelzoGame game;
        prepare(game, c.level);
        use(c.values);
        game.playMove(c.move);
        Board& board = *game.currentGame->board;
        EXPECT_EQ(c.playedAtOnce ? 2 : 3, board.furballCount()) << c.what;
        EXPECT_EQ(!c.playedAtOnce, bool(board.hint.active)) << c.what;
        EXPECT_EQ(c.tip != -1, game.tips.isOpen(c.tip)) << c.what;
        EXPECT_EQ(c.tip == -1 ? 0 : 1, game.tips.openCount()) << c.what;
        if (c.tip != -1) {
            const TipParams& params = game.tips.lastParams();
            EXPECT_EQ(c.showMs, params.showMs) << c.what;
            EXPECT_EQ(100, params.delayMs) << c.what;
            EXPECT_EQ(c.fadeOutMs, params.fadeOutMs) << c.what;
            EXPECT_FLOAT_EQ(0.75f, params.scale) << c.what;
            EXPECT_EQ(c.flipped, params.flipArrow != 0) << c.what;
            const ScreenPoint at = cellToScreen(game.graphics, c.move.x, c.flipped ? c.move.y : c.move.y - 1);
            EXPECT_EQ(int(at.x) + 22, params.x) << c.what;
            EXPECT_EQ(int(at.y) + 46, params.y) << c.what;
        }
    }
}

// The focus goes during the tutorial: the settings are kept, the tutorial
// board never reaches the state files.
TEST_F(KelzoGameTest, PausingOnTheHowToPlayScreenKeepsOnlyTheSettings)
{
    char folder[] = "kelzo_pause_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string base = std::string(folder) + "/";
    Settings* global = new Settings((base + "settings.dat").c_str(), String("test-device"));
    Settings* before = gSettings;
    gSettings = global;
    {
        KelzoGame game;
        game.statePath = String((base + "gameState.dat").c_str());
        game.currentScreen = ScreenHowToPlay;
        global->sliderB = 0.25f;
        game.pause();
        EXPECT_TRUE(fileExists((base + "settings.dat").c_str()));
        EXPECT_FALSE(fileExists((base + "gameState.dat").c_str()));
        game.statePath = String();
    }
    gSettings = before;
    delete global;
    for (const char* leaf : {"settings.dat", "gameState.dat", "gameState.dat0"})
        remove((base + leaf).c_str());
    rmdir(folder);
}

TEST_F(KelzoGameTest, AsBoardHostItOpensTheFreePlayPopupHeldBackOnlyTheFirstTime)
{
    ASSERT_TRUE(testGlContext().isReady());   // the dialogs are built for real
    gMenuStack.deleteAllMenus();
    KelzoGame game;
    BoardHost& host = game;
    EXPECT_EQ(host.currentGameType(), -1);
    EXPECT_EQ(host.currentGameLevel(), 0);
    PlainTestGame* freePlay = new PlainTestGame(nullptr, false);
    freePlay->settings.gameMode = kGameFreePlay;
    freePlay->level = 12;
    game.ownedGame.reset(freePlay);
    game.setCurrentGame(freePlay);
    EXPECT_EQ(host.currentGameType(), kGameFreePlay);
    EXPECT_EQ(host.currentGameLevel(), 12);

    game.currentLevel = 12;
    testing::internal::CaptureStdout();
    host.showFreePlayNewLevelPopup();
    // Logged with its buttons, as the walks through the game by its log need: Next Level is tag 1.
    const std::string popupLog = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(tapListHas(popupLog, "alert 2", 1)) << popupLog;
    EXPECT_TRUE(freePlay->levelPopupShown);
    EXPECT_EQ(game.currentAlertId, FreePlayNewLevelPopup::kPopupAlertId);
    FreePlayNewLevelPopup* first = dynamic_cast<FreePlayNewLevelPopup*>(gMenuStack.top());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->level, 12);
    EXPECT_EQ(first->startDelayMs, FreePlayNewLevelPopup::kDelayMs);
    EXPECT_EQ(first->callback, static_cast<AlertViewCallbackI*>(&game));   // its answer reaches the game
    gMenuStack.deleteAllMenus();
    host.showFreePlayNewLevelPopup();
    ASSERT_NE(gMenuStack.top(), nullptr);
    EXPECT_EQ(static_cast<CustomAlertView*>(gMenuStack.top())->startDelayMs, FreePlayNewLevelPopup::kShownAtOnce);
    gMenuStack.deleteAllMenus();

    game.currentLevel = 30;
    testing::internal::CaptureStdout();
    host.showFreePlayNewLevelPopup();
    const std::string finalLog = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(tapListHas(finalLog, "alert 14", 0)) << finalLog;
    EXPECT_EQ(game.currentAlertId, FreePlayNewLevelPopup::kFinalAlertId);
    EXPECT_EQ(dynamic_cast<FreePlayNewLevelPopup*>(gMenuStack.top()), nullptr);
    ASSERT_NE(dynamic_cast<CustomAlertView*>(gMenuStack.top()), nullptr);
    EXPECT_EQ(static_cast<CustomAlertView*>(gMenuStack.top())->callback, static_cast<AlertViewCallbackI*>(&game));
    gMenuStack.deleteAllMenus();
}

TEST_F(KelzoGameTest, AnOpenDialogTakesTheTouchesBeforeTheBoard)
{
    ASSERT_TRUE(testGlContext().isReady());
    gMenuStack.deleteAllMenus();
    KelzoGame game;
    game.currentScreen = ScreenPlaying;
    PlainTestGame* plain = new PlainTestGame(nullptr, false);
    game.ownedGame.reset(plain);
    game.setCurrentGame(plain);
    plain->board.reset(new Board());
    Board& board = *plain->board;

    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(chdir(KELZO_DATA_DIR), 0);   // the dialog's pictures and font
    AlertOptions options;
    options.noAnimation = 1;
    CustomAlertView* alert = new CustomAlertView(nullptr, "News", "Frenzy is open.", "OK", nullptr, nullptr, options);
    ASSERT_EQ(chdir(here), 0);
    alert->render();
    const ViewChild* ok = alert->cellChild(alert->findCell(0));
    ASSERT_NE(ok, nullptr);
    const TouchPoint button{ok->element->x + ok->element->width() / 2, ok->element->y + ok->element->height() / 2};

    game.handleTouch(0, TouchPoint{100, 200}, TouchPoint{});
    EXPECT_EQ(board.touchActive, 0) << "the board under the dialog sees nothing";
    game.handleTouch(2, TouchPoint{100, 200}, TouchPoint{});
    EXPECT_EQ(gMenuStack.size(), 1) << "a tap beside the button leaves the dialog open";
    game.handleTouch(0, button, TouchPoint{});
    EXPECT_EQ(board.touchActive, 0);
    game.handleTouch(2, button, TouchPoint{});
    EXPECT_EQ(gMenuStack.size(), 0);
    game.handleTouch(0, TouchPoint{100, 200}, TouchPoint{});
    EXPECT_EQ(board.touchActive, 1) << "with the dialog gone the board has the touches again";
    gMenuStack.deleteAllMenus();
}

// A new application object composes its own score board: the old one's cache is not drawn for it.
TEST_F(KelzoGameTest, DestroyingTheApplicationStartsTheScoreBoardOver)
{
    gScoreBoard.key = 7;
    { KelzoGame game; }
    EXPECT_NE(gScoreBoard.key, 7);
}
