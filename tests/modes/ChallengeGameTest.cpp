#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "modes/BetweenLevelsPopup.h"
#include "modes/ChallengeBests.h"
#include "modes/ChallengeGame.h"
#include "modes/ChallengeRules.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/PopupGameFixture.h"
#include "ui/MenuStack.h"

namespace {

// A Challenge game played through its popups on one-row boards.
class ChallengeGameTest : public PopupGameTest {
protected:
    void SetUp() override
    {
        PopupGameTest::SetUp();
        unlink(kChallengeBestsFileName);
        settings.gameMode = kGameChallenge;
        gChallengeBests.clear();
    }

    void TearDown() override
    {
        game.reset();
        gChallengeBests.clear();
        PopupGameTest::TearDown();
    }

    ChallengeGame* newGame()
    {
        game.reset(new ChallengeGame(nullptr));
        game->settings.gameMode = kGameChallenge;
        host.game = game.get();
        return game.get();
    }

    // A puzzle of the run played in elapsedMs and finished (solved, or given up).
    void finishPuzzle(int elapsedMs, bool givenUp = false)
    {
        game->board.reset(new Board());
        placeDiagram(*game->board, rowDiagram(3, givenUp ? "1.1...." : "1......"));
        game->board->startTime = clock;
        game->board->frozen = 1;
        game->board->frozenAt = clock + elapsedMs;
        game->board->givenUp = givenUp;
        game->onPuzzleFinished();
    }

    // Plays the whole run of the current level, every puzzle in msEach.
    void playRun(int msEach)
    {
        const int puzzles = game->movesRemaining;
        for (int i = 0; i < puzzles; i++)
            finishPuzzle(msEach);
    }

    // The top popup answered by the game.
    void answer(int button) { PopupGameTest::answer(game.get(), button); }

    OwnedPtr<ChallengeGame> game;
};

} // namespace

TEST_F(ChallengeGameTest, IntroOpensOnThePlayScreenOnceAndItsStartBringsTheFirstPuzzle)
{
    newGame();
    EXPECT_EQ(game->level, 3) << "difficulty 1 climbs from level 3";
    EXPECT_EQ(game->movesRemaining, 4);
    EXPECT_EQ(game->par, challengeParTime(3, 1, settings, gAbSettings));
    EXPECT_EQ(gMenuStack.size(), 0) << "no popup before the play screen shows";

    EXPECT_TRUE(game->resumeWithoutBoard());
    EXPECT_TRUE(game->resumeWithoutBoard());
    ASSERT_EQ(gMenuStack.size(), 1) << "an intro already up is not opened twice";
    EXPECT_TRUE(popup()->passed) << "the intro of a run under way says Continue";
    EXPECT_EQ(game->introTipsPending, 1);

    answer(0);
    EXPECT_EQ(host.nextPuzzles, 1);
    EXPECT_EQ(host.clockResumes, 1);
    EXPECT_EQ(game->accumulatedMs, 0);
}

TEST_F(ChallengeGameTest, PassedRunIsRecordedKeptInTheFileAndLeadsToTheNextLevel)
{
    newGame();
    const int par = game->par;
    playRun(par * 1000 / 8);
    EXPECT_EQ(host.nextPuzzles, 3) << "each puzzle but the last moves on by itself";
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(game->resultPending, 1);
    EXPECT_EQ(game->levelPassed, 1);
    EXPECT_TRUE(hasAppendedEvent(3, 1200));
    EXPECT_FALSE(game->board.isNull()) << "the solved board stays under the result";
    const int seconds = 4 * (par * 1000 / 8) / 1000;
    EXPECT_EQ(gChallengeBests.best(1, 3), seconds);
    EXPECT_EQ(popup()->thirdText, "T253") << "a new best is said so";

    // The best is in the file at once.
    gChallengeBests.clear();
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(1, 3), seconds);

    game->hintsRemaining = 0;   // every hint of the run used
    answer(1);
    EXPECT_EQ(game->level, 4);
    EXPECT_TRUE(game->board.isNull());
    EXPECT_EQ(game->restartPending, 1);
    EXPECT_EQ(gAbSettings.counter(StatFinLev), 1);
    EXPECT_EQ(gAbSettings.counter(StatLevelC), 4);
    game->drawHud();
    EXPECT_EQ(game->restartPending, 0);
    // The intro over the next run tells that run's puzzles and hints, not what the last one left.
    EXPECT_EQ(game->movesRemaining, challengePuzzleCount(4, 0));
    EXPECT_EQ(game->hintsRemaining, challengeHintsForLevel(4, 1, gAbSettings.ncm, gAbSettings.cmh));
    EXPECT_GT(game->hintsRemaining, 0);
    EXPECT_EQ(game->par, challengeParTime(4, 1, settings, gAbSettings));
    ASSERT_NE(popup(), nullptr);
    EXPECT_FALSE(popup()->passed) << "a new run's intro says Start";
    EXPECT_EQ(popup()->callback, game.get());
}

TEST_F(ChallengeGameTest, AnEqualTimeKeepsTheBestAndReplayStaysOnTheLevel)
{
    newGame();
    playRun(game->par * 1000 / 8);
    const int best = gChallengeBests.best(1, 3);
    answer(0);   // replay
    EXPECT_EQ(game->level, 3);
    EXPECT_EQ(game->restartPending, 1);
    game->drawHud();
    answer(0);   // the intro's Start sets the level up again
    EXPECT_EQ(game->movesRemaining, 4);

    playRun(game->par * 1000 / 8);
    EXPECT_EQ(gChallengeBests.best(1, 3), best);
    EXPECT_FALSE(popup()->newBest);
    EXPECT_EQ(popup()->thirdText, "T254");
}

TEST_F(ChallengeGameTest, OverParFailsTheRunAtOnceAndItsAnswersRetryOrLeave)
{
    newGame();
    const int par = game->par;
    finishPuzzle(1000);
    finishPuzzle(par * 1000);   // over par on the second puzzle of four
    EXPECT_EQ(game->resultPending, 1);
    EXPECT_EQ(game->levelPassed, 0);
    EXPECT_TRUE(hasAppendedEvent(0, 1200));
    EXPECT_EQ(gChallengeBests.best(1, 3), -1);
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->secondText, "Solved 1 of 4\n\nT258");

    answer(1);   // try again
    EXPECT_EQ(game->level, 3);
    EXPECT_EQ(game->restartPending, 1);
    EXPECT_TRUE(game->board.isNull());

    game->restartPending = 0;
    game->setUpLevel();
    finishPuzzle(par * 1000 + 1000);
    answer(0);   // menu
    EXPECT_EQ(host.mainMenus, 1);
    EXPECT_EQ(game->restartPending, 0);
    EXPECT_EQ(game->resultPending, 0);
}

TEST_F(ChallengeGameTest, TimeUpGivesTheBoardUpOnceAndTheRunFails)
{
    newGame();
    const int par = game->par;
    host.playScreen = true;
    game->board.reset(new Board());
    placeDiagram(*game->board, rowDiagram(3, "1.1...."));
    game->board->startTime = clock;
    game->accumulatedMs = par * 1000 - 18000;

    // 14 s into the board, 4 s short of par: the hurry warning, once.
    gGameClock.updateAt(clock + 6000);
    game->drawHud();
    EXPECT_FALSE(hasEvent(10, 0)) << "not before the board has run 13 s";
    gGameClock.updateAt(clock + 14000);
    game->drawHud();
    game->drawHud();
    EXPECT_TRUE(hasEvent(10, 0));
    EXPECT_TRUE(hasEvent(10, 1000));

    gGameClock.updateAt(clock + 19000);
    game->drawHud();
    game->drawHud();
    EXPECT_TRUE(game->board->givenUp);
    EXPECT_EQ(host.lostLifeSounds, 1);
    ASSERT_FALSE(host.shownTips.empty());
    EXPECT_EQ(host.shownTips.back(), 29);
    EXPECT_EQ(std::count(host.shownTips.begin(), host.shownTips.end(), 29), 1);
    int hurries = 0;
    for (const FakeBoardHost::Event& e : host.events)
        hurries += e.kind == 10;
    EXPECT_EQ(hurries, 2);

    game->onPuzzleFinished();
    EXPECT_EQ(game->levelPassed, 0);
    EXPECT_EQ(popup()->grade, kMedalNone);
    EXPECT_EQ(popup()->secondText, "Gave up after 0 of 4\n\nT258");
}

TEST_F(ChallengeGameTest, LevelThirtyOffersOnlyItsReplay)
{
    settings.startLevel = 30;
    gAbSettings.ncm = 1;   // medals: the chosen level, difficulty 0
    newGame();
    EXPECT_EQ(game->level, 30);
    EXPECT_EQ(settings.difficulty, 0) << "medals play difficulty 0, the global settings too";
    playRun(game->par * 1000);   // far over par: medals judge by grade, the run still counts
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(game->levelPassed, 1);
    EXPECT_NE(popup()->findCell(0), nullptr);
    EXPECT_EQ(popup()->findCell(1), nullptr);
    EXPECT_EQ(popup()->grade, kMedalBronze);
    answer(1);   // a stray second answer does not leave the ladder
    EXPECT_EQ(game->level, 30);
}

TEST_F(ChallengeGameTest, NoPuzzleLeftSetsTheLevelUpAgainAndTouchesNothingElse)
{
    newGame();
    gChallengeBests.pad();
    gChallengeBests.record(1, 3, 77);
    game->movesRemaining = 0;
    game->accumulatedMs = 5000;
    finishPuzzle(1000);
    EXPECT_EQ(host.nextPuzzles, 0);
    EXPECT_EQ(game->level, 3);
    EXPECT_EQ(game->movesRemaining, 4);
    EXPECT_EQ(game->accumulatedMs, 0);
    EXPECT_TRUE(game->board.isNull());
    EXPECT_EQ(gChallengeBests.best(1, 3), 77);
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->callback, game.get());
}

TEST_F(ChallengeGameTest, FrenzyNoticeOnceAboveLevelEight)
{
    settings.frenzyUnlocked = -1;
    settings.difficulty = 2;
    newGame();
    game->level = 6;
    finishPuzzle(1000);
    EXPECT_EQ(gMenuStack.size(), 0);
    game->level = 9;
    finishPuzzle(1000);
    ASSERT_EQ(gMenuStack.size(), 1);
    EXPECT_EQ(dynamic_cast<CustomAlertView*>(gMenuStack.top())->callback, nullptr);
    EXPECT_EQ(settings.frenzyUnlocked, 1);
    finishPuzzle(1000);
    EXPECT_EQ(gMenuStack.size(), 1);
}

TEST_F(ChallengeGameTest, SavedGameKeepsTheRunAndRefusesACutOne)
{
    newGame();
    finishPuzzle(7000);
    const int par = game->par;
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    game.reset();

    const std::string bytes(out.data(), out.size());
    MemoryStreamIn in(bytes.data(), int(bytes.size()));
    OwnedPtr<CurrentGameI> loaded(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(loaded.isNull());
    ChallengeGame* challenge = dynamic_cast<ChallengeGame*>(loaded.get());
    ASSERT_NE(challenge, nullptr);
    EXPECT_EQ(challenge->accumulatedMs, 7000);
    EXPECT_EQ(challenge->movesRemaining, 3);
    EXPECT_EQ(challenge->par, par);
    EXPECT_EQ(gMenuStack.size(), 0) << "a read game opens its intro on the play screen";

    for (int cut : {int(bytes.size()) - 1, int(bytes.size()) - 4}) {
        MemoryStreamIn shortIn(bytes.data(), cut);
        EXPECT_EQ(CurrentGameI::load(shortIn, nullptr), nullptr) << cut;
    }
}

// The plain stand-in kept a Challenge game with the saved-game tag where the run's time now stands.
TEST_F(ChallengeGameTest, AGameKeptByThePlainStandInStartsItsRunAfresh)
{
    newGame();
    finishPuzzle(7000);
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    std::string bytes(out.data(), out.size());
    const int tag = CurrentGameI::kTag;
    bytes.replace(bytes.size() - 4, 4, reinterpret_cast<const char*>(&tag), 4);
    MemoryStreamIn in(bytes.data(), int(bytes.size()));
    OwnedPtr<CurrentGameI> loaded(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(dynamic_cast<ChallengeGame*>(loaded.get())->accumulatedMs, 0);
    EXPECT_EQ(loaded->movesLeft(), 3) << "the puzzles solved stay solved";
}

TEST_F(ChallengeGameTest, AGameGoneLeavesItsPopupAnsweringNoOne)
{
    newGame();
    game->resumeWithoutBoard();
    BetweenLevelsPopup* intro = popup();
    ASSERT_NE(intro, nullptr);
    game.reset();
    EXPECT_EQ(intro->callback, nullptr);
}
