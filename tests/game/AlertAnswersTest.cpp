// The application object's answers to its alerts, one row per id and button, ids nobody raises ignored,
// and what resetting the progress keeps and forgets.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/Board.h"
#include "game/AlertId.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "platform/ServerAddresses.h"
#include "scores/HiScoreTable.h"
#include "settings/Statistics.h"
#include "tests/game/GameTouchFixture.h"
#include "tests/support/LinkCatcher.h"

namespace {

class AlertAnswersTest : public GameTouchTest {
protected:
    void TearDown() override
    {
        gChallengeBests.clear();
        GameTouchTest::TearDown();
    }

    void answer(int id, int button)
    {
        game.currentAlertId = id;
        game.alertButtonClicked(button, nullptr);
    }

    // Finished Free Play puzzles at a level: enough of them complete it.
    void solveLevel(int level, int count)
    {
        for (int i = 0; i < count; i++)
            game.history.append(HistoryRecord{level * 10000 + i, 1000, kGameFreePlay, 0, 0, HistoryRecord::kFinished, 2, 0});
    }
};

using Check = std::function<void(KelzoGame&, NotingGame&)>;

}  // namespace

TEST_F(AlertAnswersTest, EachAlertsButtonsDoWhatTheyOffer)
{
    struct Case {
        const char* name;
        int id, button;
        int mode;
        ScreenId screen;
        std::function<void()> setUp;
        Check check;
    } cases[] = {
        {"time up, end", AlertTimeUp, 0, kGameArcade, ScreenPlaying, nullptr,
         [](KelzoGame&, NotingGame& g) {
             EXPECT_EQ(1, g.ends);
             EXPECT_EQ(0, g.board->givenUp);
         }},
        {"time up, look at the board", AlertTimeUp, 1, kGameArcade, ScreenPlaying, nullptr,
         [](KelzoGame& app, NotingGame& g) {
             EXPECT_EQ(0, g.ends);
             EXPECT_EQ(1, g.board->givenUp);
             EXPECT_TRUE(app.tips.isOpen(12));
         }},
        {"new level, high scores", AlertFreePlayNewLevel, 10, kGameFreePlay, ScreenPlaying, nullptr,
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(ScreenHiScores, app.currentScreen); }},
        {"new level, on", AlertFreePlayNewLevel, 1, kGameFreePlay, ScreenPlaying,
         [this] {
             settings.startLevel = 4;
             game.currentLevel = 4;
             game.currentGame->level = 4;
             game.currentGame->levelPopupShown = true;
         },
         [this](KelzoGame& app, NotingGame& g) {
             EXPECT_EQ(5, settings.startLevel);
             EXPECT_EQ(5, g.level);
             EXPECT_FALSE(g.levelPopupShown);
             EXPECT_TRUE(app.tips.isOpen(21));
             EXPECT_EQ(4, app.currentLevel) << "the level is not complete";
             EXPECT_EQ(0, g.levelUps);
         }},
        {"new level, stay, the level complete", AlertFreePlayNewLevel, 0, kGameFreePlay, ScreenPlaying,
         [this] {
             game.currentLevel = 1;
             game.currentGame->level = 1;
             solveLevel(1, 10);
         },
         [](KelzoGame& app, NotingGame& g) {
             EXPECT_EQ(2, app.currentLevel);
             EXPECT_EQ(1, g.levelUps);
             EXPECT_EQ(1, g.level) << "the game stays at its level";
         }},
        {"hint confirmed", AlertConfirmHint, 1, kGameFreePlay, ScreenPlaying, nullptr,
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(AlertGiveUpForHint, app.currentAlertId) << "no hint left"; }},
        {"hint declined", AlertConfirmHint, 0, kGameFreePlay, ScreenPlaying, nullptr,
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(-1, app.currentAlertId); }},
        {"skip", AlertSkipPuzzle, 1, kGameArcade, ScreenPlaying, [] { gAbSettings.setCounter(StatSkippedPuz, 0); },
         [](KelzoGame&, NotingGame& g) {
             EXPECT_EQ(1, gAbSettings.counter(StatSkippedPuz));
             EXPECT_NE(2, g.board ? g.board->furballCount() : -1) << "another puzzle";
         }},
        {"skip declined", AlertSkipPuzzle, 0, kGameArcade, ScreenPlaying, [] { gAbSettings.setCounter(StatSkippedPuz, 0); },
         [](KelzoGame&, NotingGame& g) {
             EXPECT_EQ(0, gAbSettings.counter(StatSkippedPuz));
             EXPECT_EQ(2, g.board->furballCount());
         }},
        {"leave the tutorial", AlertLeaveTutorial, 1, kGameArcade, ScreenHowToPlay,
         [this] {
             gAbSettings.setCounter(StatSkippedInst, 0);
             game.tutorialDone = false;
             game.tutorialStep = 45;
         },
         [](KelzoGame& app, NotingGame&) {
             EXPECT_TRUE(app.tutorialDone);
             EXPECT_EQ(-1, app.tutorialStep);
             EXPECT_EQ(ScreenMainMenu, app.currentScreen);
             EXPECT_EQ(nullptr, app.currentGame) << "the tutorial's game is gone";
             EXPECT_EQ(1, gAbSettings.counter(StatSkippedInst));
         }},
        {"stay in the tutorial", AlertLeaveTutorial, 0, kGameArcade, ScreenHowToPlay,
         [this] { game.tutorialDone = false; },
         [](KelzoGame& app, NotingGame&) {
             EXPECT_FALSE(app.tutorialDone);
             EXPECT_EQ(ScreenHowToPlay, app.currentScreen);
         }},
        {"game intro", AlertGameIntro, 0, kGameBlitz, ScreenGameIntro, nullptr,
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(ScreenPlaying, app.currentScreen); }},
        {"restart", AlertRestartLevel, 1, kGameChallenge, ScreenMainMenu, nullptr,
         [](KelzoGame& app, NotingGame& g) {
             EXPECT_EQ(1, g.restarts);
             EXPECT_EQ(ScreenPlaying, app.currentScreen);
         }},
        {"no restart", AlertRestartLevel, 0, kGameChallenge, ScreenMainMenu, nullptr,
         [](KelzoGame& app, NotingGame& g) {
             EXPECT_EQ(0, g.restarts);
             EXPECT_EQ(ScreenMainMenu, app.currentScreen);
         }},
        {"give up for a hint", AlertGiveUpForHint, 1, kGameArcade, ScreenPlaying, nullptr,
         [](KelzoGame&, NotingGame& g) { EXPECT_EQ(1, g.board->givenUp); }},
        {"keep trying", AlertGiveUpForHint, 0, kGameArcade, ScreenPlaying, nullptr,
         [](KelzoGame&, NotingGame& g) { EXPECT_EQ(0, g.board->givenUp); }},
        {"level result", AlertFreePlayLevelResult, 0, kGameFreePlay, ScreenPlaying,
         [this] { game.currentGame->levelPopupShown = true; },
         [](KelzoGame&, NotingGame& g) { EXPECT_FALSE(g.levelPopupShown); }},
        {"clear scores", AlertClearScores, 1, kGameArcade, ScreenSettings,
         [this] {
             gSaveSuppressed = false;   // this case is about the file
             game.hiScores.load("hiScores.dat");
             game.hiScores.addScore(0, 987654, "Ann", 1);
         },
         [](KelzoGame& app, NotingGame&) {
             gSaveSuppressed = true;
             EXPECT_NE(987654, app.hiScores.list(0)[0].score);
             // The file holds the defaults at once, not only the table in memory.
             HiScoreTable saved;
             ASSERT_TRUE(saved.load("hiScores.dat"));
             EXPECT_EQ(app.hiScores.list(0)[0].score, saved.slotList(0)[0].score);
             EXPECT_EQ(std::string(app.hiScores.list(0)[0].name.c_str()), saved.slotList(0)[0].name.c_str());
             EXPECT_EQ(AlertInformation, app.currentAlertId);
         }},
        {"keep scores", AlertClearScores, 0, kGameArcade, ScreenSettings,
         [this] { game.hiScores.addScore(0, 987654, "Ann", 1); },
         [](KelzoGame& app, NotingGame&) {
             EXPECT_EQ(987654, app.hiScores.list(0)[0].score);
             EXPECT_EQ(-1, app.currentAlertId);
         }},
        {"reset progress", AlertResetProgress, 1, kGameArcade, ScreenSettings,
         [this] { game.currentLevel = 9; },
         [](KelzoGame& app, NotingGame&) {
             EXPECT_EQ(1, app.currentLevel);
             EXPECT_EQ(AlertInformation, app.currentAlertId);
         }},
        {"keep progress", AlertResetProgress, 0, kGameArcade, ScreenSettings,
         [this] { game.currentLevel = 9; },
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(9, app.currentLevel); }},
        {"theme chosen", AlertThemeChosen, 0, kGameArcade, ScreenThemes, nullptr,
         [](KelzoGame& app, NotingGame&) { EXPECT_EQ(ScreenMainMenu, app.currentScreen); }},
    };
    for (const Case& c : cases) {
        game.showMenu(ScreenMainMenu);   // what each screen goes back to
        NotingGame* noting = play(c.mode, c.screen);
        game.history.clear();
        game.tips.removeAll();
        game.tips.resetAllCounters(0);
        if (c.setUp)
            c.setUp();
        answer(c.id, c.button);
        SCOPED_TRACE(c.name);
        NotingGame* current = dynamic_cast<NotingGame*>(game.currentGame);
        c.check(game, current ? *current : *noting);
        gMenuStack.deleteAllMenus();
        game.currentAlertId = -1;
    }
}

TEST_F(AlertAnswersTest, AgreeingToRateOpensOurStorePageOnce)
{
    LinkCatcher links(folder());
    gAbSettings.setCounter(StatClickedRateMe, 0);
    settings.ratingValue2 = 0;
    answer(AlertRatingRequest, 0);
    EXPECT_EQ(0, settings.ratingValue2);
    answer(AlertRatingRequest, 1);
    EXPECT_EQ(162, settings.ratingValue2);
    EXPECT_EQ(1, gAbSettings.counter(StatClickedRateMe));
    EXPECT_EQ(std::string(gOwnStoreLink), links.link());
}

TEST_F(AlertAnswersTest, AlertIdsNobodyRaisesAreIgnored)
{
    NotingGame* noting = play(kGameArcade, ScreenPlaying);
    settings.startLevel = 7;
    game.currentLevel = 3;
    for (int id : {-1, 0, 15, 16, 17, 21, 24, 99, 100000}) {
        for (int button : {0, 1, 10}) {
            answer(id, button);
            EXPECT_EQ(ScreenPlaying, game.currentScreen) << id;
            EXPECT_EQ(noting, game.currentGame) << id;
            EXPECT_EQ(2, noting->board->furballCount()) << id;
            EXPECT_EQ(0, noting->board->givenUp) << id;
            EXPECT_EQ(0, gMenuStack.size()) << id;
            EXPECT_EQ(-1, game.currentAlertId) << id;
            EXPECT_EQ(7, settings.startLevel) << id;
            EXPECT_EQ(3, game.currentLevel) << id;
            EXPECT_EQ(0, noting->ends + noting->restarts + noting->levelUps) << id;
        }
    }
}

TEST_F(AlertAnswersTest, ResettingProgressForgetsFreePlayAndChallengeButKeepsPlayTimeAndFrenzyBests)
{
    writeFile("personalBests.dat", "old challenge bests");
    writeFile("fPersonalBests.dat", "frenzy bests");
    settings.playTimeTotal = 100;
    settings.playTimeByMode[kGameFreePlay] = 10;
    settings.startLevel = 12;
    game.history.append(HistoryRecord{50001, 61999, kGameFreePlay, 0, 0, HistoryRecord::kFinished, 2, 0});
    game.history.append(HistoryRecord{50002, 9000, kGameArcade, 0, 0, 0, 2, 0});
    game.history.append(HistoryRecord{50003, 500000, kGameFreePlay, 0, 0, HistoryRecord::kAbandoned, 2, 0});
    game.currentLevel = 5;
    NotingGame* freePlay = new NotingGame(kGameFreePlay);
    NotingGame* challenge = new NotingGame(kGameChallenge);
    NotingGame* arcade = new NotingGame(kGameArcade);
    game.setKeptGame(kGameFreePlay, freePlay);
    game.setKeptGame(kGameChallenge, challenge);
    game.setKeptGame(kGameArcade, arcade);
    settings.gameMode = kGameFreePlay;
    game.setCurrentGame(freePlay);
    gChallengeBests.clear();
    gChallengeBests.pad();
    gChallengeBests.record(0, 3, 40);

    game.resetProgress();

    EXPECT_EQ(100 + 61 + 9, settings.playTimeTotal) << "abandoned time is no play time";
    EXPECT_EQ(10 + 61, settings.playTimeByMode[kGameFreePlay]);
    EXPECT_EQ(9, settings.playTimeByMode[kGameArcade]);
    EXPECT_EQ(0, game.history.size());
    EXPECT_EQ(1, game.currentLevel);
    EXPECT_EQ(1, settings.startLevel);
    EXPECT_EQ(nullptr, game.keptGame(kGameFreePlay));
    EXPECT_EQ(nullptr, game.keptGame(kGameChallenge));
    EXPECT_EQ(arcade, game.keptGame(kGameArcade));
    EXPECT_EQ(nullptr, game.currentGame);
    EXPECT_EQ("<missing>", readFile("personalBests.dat"));
    EXPECT_EQ("frenzy bests", readFile("fPersonalBests.dat"));
    EXPECT_EQ(-1, gChallengeBests.best(0, 3));
    EXPECT_FALSE(gChallengeBests.isEmpty()) << "loaded afresh, padded";
}
