// The progress the application reads from the play history.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "modes/ChallengeBests.h"
#include "modes/FreePlayRules.h"
#include "modes/FrenzyBests.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"
#include "tests/support/TempFolder.h"

namespace {

const int kFinished = HistoryRecord::kFinished;
const int kAbandoned = HistoryRecord::kAbandoned;
const int kKept = HistoryRecord::kKept;

HistoryRecord freePlayRecord(int level, int flags, int credit = 0, int playMs = 1000)
{
    return HistoryRecord{level * 10000 + 17, playMs, kGameFreePlay, credit, 0, flags, 2, 0};
}

// In a folder of its own: the Challenge bests load from there when first asked.
class PlayHistoryQueriesTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // Whatever an earlier test of the program left loaded is dropped: the bests come from this folder.
        gChallengeBests.clear();
        gFrenzyBests.clear();
        gSettingsSaveSuppressed = true;
        settings.levelRepeatsVariation = -1;
        settings.freeSkipsVariation = 0;
        gSettings = &settings;
        saved.fph = gAbSettings.fph;
        saved.sia = gAbSettings.sia;
        gAbSettings.setCounter(StatShowedRateMe, 0);
        gAbSettings.fph = 15;
        gAbSettings.sia = 0;
        gGameClock = GameClock();
        gGameClock.updateAt(50000);
    }
    void TearDown() override
    {
        gAbSettings.fph = saved.fph;
        gAbSettings.sia = saved.sia;
        gAbSettings.setCounter(StatShowedRateMe, 0);
        gChallengeBests.clear();
        gFrenzyBests.clear();
        gSettings = nullptr;
        gSettingsSaveSuppressed = false;
        gMenuStack.deleteAllMenus();   // the rating prompts opened
        TempFolderTest::TearDown();
    }

    Settings settings;
    struct {
        int fph, sia;
    } saved;
    KelzoGame game;
};

} // namespace

TEST_F(PlayHistoryQueriesTest, AnEmptyHistoryLeavesTheWholeLevel)
{
    game.currentLevel = 6;
    EXPECT_EQ(0, game.solvedPuzzlesInLevel());
    EXPECT_EQ(5, freePlayLevelSize(6, -1));
    EXPECT_EQ(5, game.puzzlesLeftInLevel());
}

// Records of the level that count: finished cleanly or with credit, never
// abandoned or kept to play later; other levels and modes do not count.
TEST_F(PlayHistoryQueriesTest, PuzzlesSolvedAndLeftAtALevel)
{
    game.currentLevel = 3;
    game.history.append(freePlayRecord(3, kFinished));                // progress, not counted
    game.history.append(freePlayRecord(3, kFinished, 1));             // hinted, with credit: counts
    game.history.append(freePlayRecord(3, kFinished | kAbandoned));   // progress, not counted
    game.history.append(freePlayRecord(3, kKept));                    // left to play later: neither
    game.history.append(freePlayRecord(2, kFinished));                // another level
    HistoryRecord arcade = freePlayRecord(3, kFinished);
    arcade.gameType = kGameArcade;
    game.history.append(arcade);
    EXPECT_EQ(1, game.solvedPuzzlesInLevel());
    // "fph" 15: the level-3 allowance is 1. A finished record without credit adds 1; the credited
    // one draws its credit from the allowance and, as that holds, adds 1 too.
    EXPECT_EQ(1, freePlayRequiredSolves(3, 15, 0));
    EXPECT_EQ(4, freePlayLevelSize(3, -1));
    EXPECT_EQ(4 - 3, game.puzzlesLeftInLevel());
    // A second credited record finds the allowance used up: it costs progress.
    game.history.append(freePlayRecord(3, kFinished, 1));
    EXPECT_EQ(4 - 2, game.puzzlesLeftInLevel());
}

// With "fph" 4 or less every counted record draws on the allowance; once it is
// used up, each costs progress, which never drops below 0.
TEST_F(PlayHistoryQueriesTest, ProgressUnderTheSkipLadder)
{
    gAbSettings.fph = 4;
    settings.freeSkipsVariation = 4;   // thresholds 4, 9, 15
    game.currentLevel = 9;
    EXPECT_EQ(2, freePlayRequiredSolves(9, 4, 4));
    for (int i = 0; i < 4; i++)
        game.history.append(freePlayRecord(9, 0));   // left unsolved: counted
    game.history.append(freePlayRecord(9, kFinished));
    // Two counted under the allowance (no progress while "_fs_" is 9 or less), two past it (0 stays 0);
    // a counted record under "fph" 4 goes on to the next record, so the finished one adds 1.
    EXPECT_EQ(freePlayLevelSize(9, -1) - 1, game.puzzlesLeftInLevel());
}

TEST_F(PlayHistoryQueriesTest, FirstUnsolvedLevelByMode)
{
    EXPECT_EQ(1, game.firstUnsolvedLevel(kGameChallenge));
    EXPECT_EQ(1, game.firstUnsolvedLevel(kGameFrenzy));
    for (int level = 1; level <= 30; level++)
        if (level != 12)
            gChallengeBests.record(0, level, 40);
    for (int level = 1; level <= 37; level++)
        if (level != 20)
            gFrenzyBests.record(level, 40000);
    EXPECT_EQ(12, game.firstUnsolvedLevel(kGameChallenge));
    EXPECT_EQ(20, game.firstUnsolvedLevel(kGameFrenzy));
    gChallengeBests.record(0, 12, 33);
    gFrenzyBests.record(20, 1);
    EXPECT_EQ(30, game.firstUnsolvedLevel(kGameChallenge));
    EXPECT_EQ(37, game.firstUnsolvedLevel(kGameFrenzy));

    // The harder variants start further up.
    settings.difficulty = 2;
    game.ownedGame.reset(new PlainTestGame(nullptr, false));
    game.setCurrentGame(game.ownedGame.get());
    for (int level = 6; level <= 30; level++)
        gChallengeBests.record(2, level, 50);
    EXPECT_EQ(30, game.firstUnsolvedLevel(kGameChallenge));
    gAbSettings.sia = 1;   // one ladder for everybody, from level 1 of variant 0
    gChallengeBests.clear();
    gChallengeBests.record(0, 1, 20);
    gChallengeBests.record(0, 2, 20);
    EXPECT_EQ(3, game.firstUnsolvedLevel(kGameChallenge));

    game.currentLevel = 14;
    EXPECT_EQ(14, game.firstUnsolvedLevel(kGameFreePlay));
    EXPECT_EQ(30, game.firstUnsolvedLevel(kGameArcade));
    game.currentLevel = 0;
    settings.gameMode = kGameFreePlay;
    EXPECT_EQ(1, game.firstUnsolvedLevelOfSelectedMode());
}

// The rating request needs level 8, an hour of play and a gap since the last
// request; once answered in this version it never comes again.
TEST_F(PlayHistoryQueriesTest, RatingGates)
{
    struct Case {
        const char* what;
        int level, playTotal, historyMs, lastLevel, version;
        bool asks;
    } cases[] = {
        {"first time", 8, 3000, 700000, -1, -1, true},
        {"below level 8", 7, 3000, 700000, -1, -1, false},
        {"an hour exactly", 8, 3000, 600000, -1, -1, false},
        {"abandoned time does not count", 8, 3599, 0, -1, -1, false},
        {"answered in this version", 20, 9000, 0, -1, 162, false},
        {"declined earlier", 20, 9000, 0, -1, 161, false},
        {"asked 3 levels ago", 11, 9000, 0, 8, -1, false},
        {"never answered, 4 levels on", 12, 9000, 0, 8, -1, false},
        {"never answered, 6 levels on", 14, 9000, 0, 8, -1, true},
    };
    for (const Case& c : cases) {
        game.history.clear();
        game.currentAlertId = -1;
        settings.playTimeTotal = c.playTotal;
        settings.ratingValue1 = c.lastLevel;
        settings.ratingValue2 = c.version;
        game.history.append(freePlayRecord(1, kFinished, 0, c.historyMs));
        game.history.append(freePlayRecord(1, kAbandoned, 0, 5000000));
        game.maybeAskForRating(c.level, 0);
        EXPECT_EQ(c.asks ? 22 : -1, game.currentAlertId) << c.what;
        if (c.asks) {
            EXPECT_EQ(c.level, settings.ratingValue1) << c.what;
        }
    }
    EXPECT_EQ(2, gAbSettings.counter(StatShowedRateMe));
}

// The prompt comes after its caller's delay; a player asked before reads the English plea to review again.
TEST_F(PlayHistoryQueriesTest, RatingPromptWaitsItsDelayAndAsksAgainInItsOwnWords)
{
    struct Case {
        int version, language, delayMs;
        bool plea;
    } cases[] = {{-1, kEnglish, 500, false}, {1, kEnglish, 1000, true}, {1, kFrench, 500, false}};
    for (const Case& c : cases) {
        useLanguage(c.language);
        settings.ratingValue2 = c.version;
        const bool plea = strstr(game.ratingPromptMessage().c_str(), "help us out again") != nullptr;
        EXPECT_EQ(c.plea, plea) << c.version << " " << c.language;
        gMenuStack.deleteAllMenus();
        game.showRatingPrompt(c.delayMs);
        CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
        ASSERT_NE(nullptr, alert);
        EXPECT_EQ(c.delayMs, alert->startDelayMs);
        EXPECT_EQ(22, game.currentAlertId);
    }
    useLanguage(kEnglish);
}

TEST_F(PlayHistoryQueriesTest, AskedBeforeStopsAskingTwiceInThree)
{
    int asked = 0, stopped = 0;
    srand(7);
    for (int i = 0; i < 300; i++) {
        settings.playTimeTotal = 9000;
        settings.ratingValue1 = 2;
        settings.ratingValue2 = 1;
        game.currentAlertId = -1;
        game.maybeAskForRating(10, 0);
        asked += game.currentAlertId == 22;
        stopped += settings.ratingValue2 == 162;
    }
    EXPECT_EQ(300, asked + stopped);
    EXPECT_GT(stopped, 150);
    EXPECT_GT(asked, 60);
}

// Only the current game's board keeps time; the kept ones stand still.
TEST_F(PlayHistoryQueriesTest, AlignBoardTimersFreezesTheKeptBoardsAndResumesTheCurrentOne)
{
    for (int type = 0; type < KelzoGame::kKeptGameTypes; type++) {
        settings.gameMode = type;
        CurrentGameI* kept = CurrentGameI::create(nullptr, false);
        kept->board.reset(new Board());
        kept->board->startTime = 40000;
        game.setKeptGame(type, kept);
    }
    game.setCurrentGame(game.keptGame(kGameFreePlay));
    game.alignBoardTimers();
    Board& arcade = *game.keptGame(kGameArcade)->board;
    Board& current = *game.keptGame(kGameFreePlay)->board;
    EXPECT_TRUE(arcade.frozen);
    EXPECT_TRUE(arcade.undoFrozen);
    EXPECT_EQ(10000, arcade.elapsedMs());
    EXPECT_FALSE(current.frozen);

    gGameClock.updateAt(80000);
    EXPECT_EQ(10000, arcade.elapsedMs());   // frozen at 50000
    EXPECT_EQ(40000, current.elapsedMs());

    // The Arcade game comes back: its 30 s away do not count, and the Free Play board stops.
    game.setCurrentGame(game.keptGame(kGameArcade));
    game.alignBoardTimers();
    EXPECT_FALSE(arcade.frozen);
    EXPECT_FALSE(arcade.undoFrozen);
    EXPECT_EQ(10000, arcade.elapsedMs());
    EXPECT_TRUE(current.frozen);
    gGameClock.updateAt(85000);
    EXPECT_EQ(15000, arcade.elapsedMs());
    EXPECT_EQ(40000, current.elapsedMs());
}

TEST_F(PlayHistoryQueriesTest, HistorySampleTakesUnsentFreePlayRecordsOnce)
{
    for (int i = 0; i < 6; i++) {
        HistoryRecord other = freePlayRecord(2, kFinished);
        other.gameType = kGameFrenzy;
        game.history.append(other);
    }
    EXPECT_EQ(String(), game.historySample());
    for (const HistoryRecord& record : game.history)
        EXPECT_EQ(kFinished, record.flags);

    game.history.append(freePlayRecord(2, kFinished));
    HistoryRecord noScheme = freePlayRecord(2, kFinished);
    noScheme.scheme = -1;
    game.history.append(noScheme);
    srand(3);
    String sample;
    for (int tries = 0; tries < 20 && sample.isEmpty(); tries++)
        sample = game.historySample();
    // index, list entry, id, time, credit, flags, scheme
    EXPECT_EQ(0, strncmp(sample.c_str(), "6,", 2)) << sample.c_str();
    EXPECT_NE(nullptr, strstr(sample.c_str(), ",20017,1000,0,2,2")) << sample.c_str();
    EXPECT_TRUE(game.history[6].flags & HistoryRecord::kSampled);
    EXPECT_FALSE(game.history[7].flags & HistoryRecord::kSampled);
    for (int tries = 0; tries < 20; tries++)
        EXPECT_EQ(String(), game.historySample());
}

TEST_F(PlayHistoryQueriesTest, RestoreKeptPuzzleWithoutARecordChangesNothing)
{
    game.ownedGame.reset(new PlainTestGame(nullptr, false));
    game.setCurrentGame(game.ownedGame.get());
    Board* board = new Board();
    game.currentGame->board.reset(board);
    game.history.append(freePlayRecord(4, kKept));
    game.restoreKeptPuzzle(5);
    EXPECT_EQ(board, game.currentGame->board.get());
}

TEST_F(PlayHistoryQueriesTest, HighScoreRankUsesTheModesSlotAndOrder)
{
    EXPECT_EQ(-1, game.highScoreRank());
    settings.gameMode = kGameArcade;
    game.ownedGame.reset(CurrentGameI::create(nullptr, false));
    game.setCurrentGame(game.ownedGame.get());
    EXPECT_EQ(1, game.highScoreRank());
}
