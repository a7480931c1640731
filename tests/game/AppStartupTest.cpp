// Start-up and shut-down of the application as the program runs them, in a
// folder with a copy of the game's data and an offscreen GL context in place
// of the window.

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include <EGL/egl.h>

#include "Core/File.h"
#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "board/GameGraphics.h"
#include "game/AppStartup.h"
#include "game/KelzoGame.h"
#include "game/PlatformState.h"
#include "graphics/FontCache.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "scores/HiScoresExchange.h"
#include "settings/AbSettings.h"
#include "settings/ReportFacts.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/graphics/GlTestContext.h"
#include "platform/ServerAddresses.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LocaleVariables.h"
#include "tests/support/LoopbackServer.h"
#include "ui/BubbleHost.h"
#include "ui/CustomAlertView.h"
#include "ui/ExplainScreen.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

namespace {

// What the game writes itself: a developer's build/data may hold them from a game played there, and the test
// folder from the last run. The test starts as a first launch without them.
const char* const kSavedState[] = {"settings.dat", "settings2b.dat", "lang.dat", "deviceId.txt", "gameState.dat", "gameState.dat0",
                                   "hiScores.dat", "fv.dat", "fiv.dat"};

bool isSavedState(const std::string& name)
{
    for (const char* saved : kSavedState)
        if (name == saved)
            return true;
    return false;
}

void copyDataFolder()
{
    for (const char* saved : kSavedState)
        remove(saved);
    DIR* folder = opendir(KELZO_DATA_DIR);
    ASSERT_NE(folder, nullptr);
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        const std::string path = std::string(KELZO_DATA_DIR) + "/" + name;
        struct stat info;
        if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || isSavedState(name))
            continue;
        std::string bytes;
        ASSERT_TRUE(readFileBytes(path, &bytes)) << path;
        FILE* copy = fopen(name.c_str(), "wb");
        ASSERT_NE(copy, nullptr);
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), copy), bytes.size());
        fclose(copy);
    }
    closedir(folder);
}

// Leaves the game intro as the player does: its opening dialog, when it opened one, answered by its button
// (the menu stack then closes it); else a tap on the overlay.
void leaveGameIntro()
{
    CustomAlertView* opening = dynamic_cast<CustomAlertView*>(gMenuStack.top());
    if (!opening) {
        gGame->showMenu(ScreenPlaying);
        return;
    }
    ASSERT_EQ(opening->callback, static_cast<AlertViewCallbackI*>(gGame));
    opening->callback->alertButtonClicked(0, opening);
    gMenuStack.deleteAllMenus();
}

// Starts the settings' mode `type` the way the mode menu's Start does (the intro, then a board of the type)
// and makes one move on its board.
void startModeAndMove(BvGameI* app, int type)
{
    gSettings->gameMode = type;
    gGame->startSelectedMode();
    // Challenge has its own level intro on the play screen; the other modes pass the game intro first.
    EXPECT_EQ(gGame->currentScreen, type == kGameChallenge ? ScreenPlaying : ScreenGameIntro);
    if (gGame->currentScreen != ScreenPlaying) {
        ASSERT_NO_FATAL_FAILURE(leaveGameIntro());
    }
    if (type == kGameChallenge) {
        // Its board comes with the Start of its level intro.
        CustomAlertView* intro = dynamic_cast<CustomAlertView*>(gMenuStack.top());
        ASSERT_NE(intro, nullptr);
        ASSERT_NE(intro->callback, nullptr);
        intro->callback->alertButtonClicked(0, intro);
    }
    ASSERT_NE(gGame->currentGame, nullptr);
    EXPECT_EQ(gGame->currentGame->type(), type);
    ASSERT_FALSE(gGame->currentGame->board.isNull());
    Board& board = *gGame->currentGame->board;
    app->drawFrame();
    MoveEntry move;
    if (type == kGameFrenzy) {
        // A random board of one colour: its hint is a colour move (it has one unless no two furballs
        // share a line with a gap, which a board of 15 hardly escapes).
        CellPos pos{-1, -1};
        ASSERT_TRUE(board.findColourMoveWithin3(&pos, &move.dx, &move.dy));
        move.x = pos.x;
        move.y = pos.y;
    } else {
        ASSERT_TRUE(board.findHintMove(&move));
    }
    const int furballs = board.furballCount();
    EXPECT_EQ(1, gGame->currentGame->makeMove(CellPos{move.x, move.y}, move.dx, move.dy, true, 0, 1.0f));
    if (type != kGameFrenzy) {   // Frenzy's colour rule may keep the chain's last furball
        EXPECT_EQ(board.furballCount(), furballs - 1);
    }
}

class AppStartupTest : public GlTest {};

}  // namespace

TEST_F(AppStartupTest, StartsOnTheTitleLeadsToAPlayableBoardAndShutsDownInOrder)
{
    enterOwnFolder();
    copyDataFolder();

    // A device language the game lacks: the first start asks for the language, English in the middle.
    LocaleVariables locale;
    locale.set(nullptr, nullptr, "nl_NL.UTF-8");
    BvGameI* app = appStartup(nullptr, nullptr);
    ASSERT_NE(app, nullptr);
    ASSERT_NE(gGame, nullptr);
    EXPECT_EQ(app, static_cast<BvGameI*>(gGame));
    EXPECT_EQ(gGame->loadingScreen.progress, 100);
    ASSERT_NE(gSettings, nullptr);
    EXPECT_EQ(gAbSettings.callback, gSettings);
    EXPECT_EQ(gAbSettings.realRuns, 1);   // this launch, counted once
    EXPECT_EQ(gReportFacts, static_cast<ReportFactsI*>(gGame));
    EXPECT_EQ(gGameGraphics, &gGame->graphics);
    EXPECT_EQ(gBubbleHost, &gGame->bubbleHost);   // bubbles get their tail and the play screen from it
    EXPECT_EQ(std::string(gDefaultFontFile.c_str()), "Insanibu.ttf");
    EXPECT_TRUE(gGameClock.paused);   // only the play screen runs it

    // The first start opens on the title screen, as the language choice; the launch picture is drawn there.
    EXPECT_EQ(currentLanguage(), kEnglish);
    EXPECT_EQ(gGame->currentScreen, ScreenTitle);
    EXPECT_TRUE(gGame->languageFirst);
    app->drawFrame();
    EXPECT_FALSE(gGame->launchImage.isNull());
    EXPECT_TRUE(gGameClock.paused);

    // The mode of the settings started: its intro, then the play screen with a stored puzzle of level 1, and
    // a swipe along its stored solution moves it.
    gGame->startSelectedMode();
    EXPECT_EQ(gGame->currentScreen, ScreenGameIntro);
    ASSERT_NO_FATAL_FAILURE(leaveGameIntro());
    ASSERT_EQ(gGame->currentScreen, ScreenPlaying);
    ASSERT_NE(gGame->currentGame, nullptr);
    ASSERT_FALSE(gGame->currentGame->board.isNull());
    Board& board = *gGame->currentGame->board;
    EXPECT_EQ(levelOfPuzzleId(board.puzzleId), 1);
    app->drawFrame();
    EXPECT_FALSE(gGameClock.paused);
    EXPECT_TRUE(gGame->launchImage.isNull());   // released once another screen shows
    MoveEntry move;
    ASSERT_TRUE(board.findHintMove(&move));
    const int furballs = board.furballCount();
    const ScreenPoint corner = cellToScreen(gGame->graphics, move.x, move.y);
    const int x = int(corner.x) + kCellPixels / 2, y = int(corner.y) + kCellPixels / 2;
    app->handleTouch(0, TouchPoint{x, y}, TouchPoint{-1, -1});
    app->handleTouch(1, TouchPoint{x + 40 * move.dx, y + 40 * move.dy}, TouchPoint{-1, -1});
    app->handleTouch(2, TouchPoint{x + 40 * move.dx, y + 40 * move.dy}, TouchPoint{-1, -1});
    EXPECT_EQ(board.furballCount(), furballs - 1);
    EXPECT_TRUE(app->drawFrame());   // the furballs fly

    appShutdown(false);
    EXPECT_EQ(gGame, nullptr);
    EXPECT_EQ(gSettings, nullptr);
    EXPECT_EQ(gReportFacts, nullptr);
    EXPECT_EQ(gAbSettings.callback, nullptr);
    EXPECT_EQ(gGameGraphics, nullptr);
    EXPECT_EQ(gBubbleHost, nullptr);
    EXPECT_EQ(gFontCache, nullptr);
    EXPECT_TRUE(fileExists("settings.dat"));
    EXPECT_TRUE(fileExists("settings2b.dat"));
}

// The game quit in the middle of a board goes on with that board at the next start.
TEST_F(AppStartupTest, AGameQuitMidBoardGoesOnWhereItWasLeft)
{
    enterOwnFolder();
    copyDataFolder();
    BvGameI* app = appStartup(nullptr, nullptr);
    ASSERT_NE(gGame, nullptr);
    gGame->startSelectedMode();
    gGame->showMenu(ScreenPlaying);
    ASSERT_NE(gGame->currentGame, nullptr);
    const int type = gGame->currentGame->type();
    Board& board = *gGame->currentGame->board;
    app->drawFrame();
    MoveEntry move;
    ASSERT_TRUE(board.findHintMove(&move));
    ASSERT_EQ(1, gGame->currentGame->makeMove(CellPos{move.x, move.y}, move.dx, move.dy, true, 0, 1.0f));
    const int puzzle = board.puzzleId;
    const std::string cells = render(board);
    appShutdown(false);
    EXPECT_TRUE(fileExists("gameState.dat"));
    EXPECT_TRUE(fileExists("gameState.dat0"));

    appStartup(nullptr, nullptr);
    ASSERT_NE(gGame, nullptr);
    ASSERT_NE(gGame->currentGame, nullptr);
    EXPECT_EQ(type, gGame->currentGame->type());
    ASSERT_FALSE(gGame->currentGame->board.isNull());
    EXPECT_EQ(puzzle, gGame->currentGame->board->puzzleId);
    EXPECT_EQ(cells, render(*gGame->currentGame->board));
    EXPECT_EQ(1, gGame->currentGame->board->history.size());
    // The title's resume answer plays that board on.
    EXPECT_EQ(ScreenTitle, gGame->currentScreen);
    gGame->resumeToPlay();
    EXPECT_EQ(ScreenPlaying, gGame->currentScreen);
    EXPECT_EQ(puzzle, gGame->currentGame->board->puzzleId);
    EXPECT_EQ(cells, render(*gGame->currentGame->board));
    appShutdown(false);
}

// The exit report goes once: from the pause when the focus went before the
// end, else from the shut-down.
TEST_F(AppStartupTest, TheExitIsReportedOnceWhetherOrNotTheFocusWentFirst)
{
    enterOwnFolder();
    copyDataFolder();
    for (bool focusLostFirst : {true, false}) {
        LoopbackServer server(R"([{"status": 200, "body": ""}])");
        ASSERT_TRUE(server.started());
        const std::string host = server.host();
        gStatisticsServerHost = host.c_str();
        resetPlatformState();
        gPlatformState.game = appStartup(nullptr, nullptr);
        ASSERT_NE(gPlatformState.game, nullptr);
        if (focusLostFirst) {
            SDL_Event focusLost{};
            focusLost.type = SDL_ACTIVEEVENT;
            focusLost.active.gain = 0;
            focusLost.active.state = SDL_APPINPUTFOCUS;
            dispatchEvent(focusLost);
            ASSERT_FALSE(gAppActive);
        }
        appShutdown(!gAppActive);
        gPlatformState.game = nullptr;
        int exitReports = 0;
        for (const LoggedRequest& request : server.requests(3, 300))
            exitReports += request.path.find("app_id=1104") != std::string::npos;
        EXPECT_EQ(exitReports, 1) << (focusLostFirst ? "focus lost first" : "active to the end");
    }
    gStatisticsServerHost = kLoopbackServerHost;
    resetPlatformState();
}

// Shut-down writes the score table, also after a run that stored nothing, and takes in the answer to an upload
// still on its way, so the next start has nothing to offer or send again.
TEST_F(AppStartupTest, ShutDownSavesTheScoreTableAndTakesAnUploadStillOnItsWay)
{
    enterOwnFolder();
    copyDataFolder();
    ASSERT_NE(appStartup(nullptr, nullptr), nullptr);
    appShutdown(false);
    {
        HiScoreTable firstRun;
        EXPECT_TRUE(firstRun.load("hiScores.dat")) << "a run that stored nothing still leaves the file";
    }

    LoopbackServer server("loopback_score_server.py", {"--modes", "late", "--late", "1"});
    ASSERT_TRUE(server.started());
    const std::string host = server.host();
    gScoreServerHost = host.c_str();
    ASSERT_NE(appStartup(nullptr, nullptr), nullptr);
    gSettings->switchA = true;
    gGame->hiScores.addScore(7, 4500, "Bob", 1);
    ASSERT_TRUE(gHiScoresUploader.start(*gGame->hiScores.pendingEntry(7), 7, nullptr, nullptr));
    appShutdown(false);  // before the server answers
    gScoreServerHost = kLoopbackServerHost;
    gHiScoresUploader.clearDone();
    HiScoreTable nextRun;
    nextRun.load("hiScores.dat");
    EXPECT_EQ(nextRun.pendingEntry(7), nullptr) << "accepted while the game quit";
    int submissions = 0;
    for (const LoggedRequest& request : server.requests(2, 300))
        submissions += request.method == "POST";
    EXPECT_EQ(submissions, 1);
}

namespace {

// Notes, as it is deleted, whether what a menu's pictures were made from is still there.
struct ShutDownProbe : ExplainScreen {
    ShutDownProbe(int id, std::vector<std::string>* log) : id(id), log(log) {}
    ~ShutDownProbe() override
    {
        const bool glLive = eglGetCurrentContext() != EGL_NO_CONTEXT;
        const bool wood = gSharedMenuTextures[kSharedWood] != nullptr;
        log->push_back(std::to_string(id) + (glLive ? " gl" : " no-gl") + (wood ? " wood" : " no-wood"));
    }
    int id;
    std::vector<std::string>* log;
};

}  // namespace

TEST_F(AppStartupTest, MenusStillOpenAtShutDownAreDeletedTopFirstWhileTheirPicturesLive)
{
    enterOwnFolder();
    copyDataFolder();
    ASSERT_NE(appStartup(nullptr, nullptr), nullptr);
    std::vector<std::string> log;
    gMenuStack.push(new ShutDownProbe(1, &log));
    gMenuStack.push(new ShutDownProbe(2, &log));
    appShutdown(false);
    EXPECT_EQ((std::vector<std::string>{"2 gl wood", "1 gl wood"}), log);
    EXPECT_EQ(0, gMenuStack.size());
    EXPECT_EQ(nullptr, gSharedMenuTextures[kSharedWood]);
}

// Every game type starts from the settings' mode, the way the mode menu's Start (or a settings file holding
// one of the modes the menu does not offer) starts it: the intro, then a board of the type that takes a move.
TEST_F(AppStartupTest, EveryGameTypeStartsFromTheSelectedMode)
{
    enterOwnFolder();
    copyDataFolder();
    BvGameI* app = appStartup(nullptr, nullptr);
    ASSERT_NE(gGame, nullptr);
    for (int type = kGameArcade; type <= kGameBeatTheClock; type++) {
        SCOPED_TRACE(type);
        startModeAndMove(app, type);
    }
    appShutdown(false);
}

// A game in progress in each kept mode comes back at the next start where it was (board, score, level,
// moves and hints, time on the board), whether the window was closed (a SIGTERM ends the game the same
// way: SDL turns it into a quit) or the focus was lost and the process then killed without a word.
TEST_F(AppStartupTest, AGameInEveryKeptModeComesBackAfterACloseOrAKillAfterTheFocusWent)
{
    enterOwnFolder();
    copyDataFolder();
    const char* const stateFiles[] = {"gameState.dat", "gameState.dat0", "settings.dat"};
    for (bool killedAfterFocusLoss : {false, true}) {
        for (int type : {kGameArcade, kGameFrenzy, kGameFreePlay, kGameChallenge}) {
            SCOPED_TRACE(std::string(killedAfterFocusLoss ? "killed after the focus went" : "closed") + ", type " +
                         std::to_string(type));
            BvGameI* app = appStartup(nullptr, nullptr);
            ASSERT_NE(gGame, nullptr);
            startModeAndMove(app, type);
            if (HasFatalFailure())
                return;
            CurrentGameI& game = *gGame->currentGame;
            game.board->startTime -= 2500;   // time spent on the board, to be kept
            app->drawFrame();
            // The clock stands still from here, as after the focus went, so the time read is the time saved.
            app->pauseClock();
            const std::string cells = render(*game.board);
            const int puzzle = game.board->puzzleId;
            const int elapsed = game.board->elapsedMs();
            EXPECT_GE(elapsed, 2500);   // the time on the board is there to be kept
            const int score = game.score();
            const int level = game.level;
            const int moves = game.movesLeft();
            const int hints = game.hintsLeft();
            std::string kept[3];
            if (killedAfterFocusLoss) {
                app->pause();
                for (int i = 0; i < 3; i++)
                    ASSERT_TRUE(readFileBytes(stateFiles[i], &kept[i])) << stateFiles[i];
            }
            appShutdown(false);
            if (killedAfterFocusLoss) {
                // Only what the pause saved is on disk: the kill left no time for the shut-down's save.
                for (int i = 0; i < 3; i++) {
                    FILE* file = fopen(stateFiles[i], "wb");
                    ASSERT_NE(file, nullptr);
                    ASSERT_EQ(fwrite(kept[i].data(), 1, kept[i].size(), file), kept[i].size());
                    fclose(file);
                }
            }

            appStartup(nullptr, nullptr);
            ASSERT_NE(gGame, nullptr);
            EXPECT_EQ(ScreenTitle, gGame->currentScreen);
            ASSERT_NE(gGame->currentGame, nullptr);
            CurrentGameI& back = *gGame->currentGame;
            EXPECT_EQ(type, back.type());
            ASSERT_FALSE(back.board.isNull());
            EXPECT_EQ(puzzle, back.board->puzzleId);
            EXPECT_EQ(cells, render(*back.board));
            EXPECT_EQ(score, back.score());
            EXPECT_EQ(level, back.level);
            EXPECT_EQ(moves, back.movesLeft());
            EXPECT_EQ(hints, back.hintsLeft());
            EXPECT_EQ(elapsed, back.board->elapsedMs());
            // The game is finished with, so the next round starts that mode afresh.
            gGame->setCurrentGame(nullptr);
            for (int t = kGameArcade; t <= kGameChallenge; t++)
                gGame->setKeptGame(t, nullptr);
            appShutdown(false);
        }
    }
}

// A damaged file costs only what it held: with any one of the game's files cut in half or with a byte of it
// flipped, the game starts, and the kept game, the high score, the bests and the settings
// of the other files are all there, at that start and at the next one (the damaged run's saves lose nothing).
TEST_F(AppStartupTest, ADamagedFileCostsOnlyWhatItHeld)
{
    enterOwnFolder();
    copyDataFolder();
    BvGameI* app = appStartup(nullptr, nullptr);
    ASSERT_NE(gGame, nullptr);
    startModeAndMove(app, kGameArcade);
    if (HasFatalFailure())
        return;
    const std::string cells = render(*gGame->currentGame->board);
    gGame->hiScores.addScore(0, 1234, "Kept", 1);
    gChallengeBests.record(0, 1, 100);
    ASSERT_TRUE(savePersonalBests());
    gFrenzyBests.record(1, 5000);
    ASSERT_TRUE(saveFrenzyBests());
    gSettings->sliderA = 0.25f;
    appShutdown(false);

    const char* const files[] = {"settings.dat", "settings2b.dat", "settings3.dat", "gameState.dat", "gameState.dat0",
                                 "hiScores.dat", "personalBests.dat", "fPersonalBests.dat"};
    std::vector<std::string> kept;
    for (const char* file : files) {
        kept.emplace_back();
        ASSERT_TRUE(readFileBytes(file, &kept.back())) << file;
    }
    auto writeBytes = [](const char* name, const std::string& bytes) {
        FILE* out = fopen(name, "wb");
        ASSERT_NE(out, nullptr);
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), out), bytes.size());
        fclose(out);
    };
    // What each file holds, checked unless that file is the damaged one.
    auto expectAllBut = [&](const std::string& damaged) {
        if (damaged != "gameState.dat0") {
            ASSERT_NE(gGame->currentGame, nullptr);
            EXPECT_EQ(kGameArcade, gGame->currentGame->type());
            ASSERT_FALSE(gGame->currentGame->board.isNull());
            EXPECT_EQ(cells, render(*gGame->currentGame->board));
        }
        if (damaged != "hiScores.dat") {
            EXPECT_EQ(1234, gGame->hiScores.slotList(0)[0].score);
        }
        loadPersonalBests();
        if (damaged != "personalBests.dat") {
            EXPECT_EQ(100, gChallengeBests.best(0, 1));
        }
        loadFrenzyBests();
        if (damaged != "fPersonalBests.dat") {
            EXPECT_EQ(5000, gFrenzyBests.best(1));
        }
        if (damaged != "settings.dat") {
            EXPECT_EQ(0.25f, gSettings->sliderA);
        }
    };
    for (size_t f = 0; f < kept.size(); ++f) {
        const std::string& whole = kept[f];
        std::string flipped = whole;
        flipped[whole.size() / 2] = static_cast<char>(~flipped[whole.size() / 2]);
        for (const std::string& damage : {whole.substr(0, whole.size() / 2), flipped}) {
            SCOPED_TRACE(std::string(files[f]) + (damage.size() < whole.size() ? " cut in half" : " with a byte flipped"));
            for (size_t g = 0; g < kept.size(); ++g)
                writeBytes(files[g], g == f ? damage : kept[g]);
            for (int start = 0; start < 2; ++start) {
                SCOPED_TRACE(start == 0 ? "the start with the damaged file" : "the next start");
                appStartup(nullptr, nullptr);
                ASSERT_NE(gGame, nullptr);
                expectAllBut(files[f]);
                appShutdown(false);
            }
        }
    }
}
