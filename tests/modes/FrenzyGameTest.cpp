#include <unistd.h>

#include <string>

#include "Core/GameClock.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyGame.h"
#include "modes/FrenzyLevelTable.h"
#include "modes/FrenzyMedals.h"
#include "graphics/AnimationList.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/PopupGameFixture.h"

namespace {

// A Frenzy game on small boards of its own, its drops and moves driven by the test.
class FrenzyGameTest : public PopupGameTest {
protected:
    void SetUp() override
    {
        PopupGameTest::SetUp();
        unlink(kFrenzyBestsFileName);
        settings.gameMode = kGameFrenzy;
        gFrenzyBests.clear();
        game.reset(new FrenzyGame(nullptr));
        game->settings.gameMode = kGameFrenzy;
        host.game = game.get();
    }

    void TearDown() override
    {
        while (updateAnimations(gAnimationList))
            advance(1000);
        game.reset();
        gFrenzyBests.clear();
        PopupGameTest::TearDown();
    }

    // The game's board replaced by the diagram's furballs.
    Board& giveBoard(const Diagram& rows)
    {
        game->board.reset(new Board());
        placeDiagram(*game->board, rows);
        game->board->level = game->level;
        return *game->board;
    }

    // A board of `count` furballs of one colour, row by row.
    Board& boardOf(int count)
    {
        game->board.reset(new Board());
        BoardCell cell;
        Board::resetCell(cell);
        for (int i = 0; i < count; i++)
            game->board->placeFurballAt(i % Board::kColumns, i / Board::kColumns, cell);
        return *game->board;
    }

    // A move made on the board the way the application passes it on.
    int move(int x, int y, int dx, int dy)
    {
        const size_t before = host.movesMade.size();
        const int made = game->makeMove(CellPos{x, y}, dx, dy, true, 0, 1.0f);
        if (host.movesMade.size() > before)
            game->onMoveMade(host.movesMade.back());
        return made;
    }

    // The clock moved to the next drop's time, and one frame's rules.
    void tickAtDrop()
    {
        clock = game->nextSpawnTime;
        gGameClock.updateAt(clock);
        game->tick();
    }

    OwnedPtr<FrenzyGame> game;
};

} // namespace

TEST_F(FrenzyGameTest, FirstLevelStartsWithItsQuotaHintsAndTheFirstDropTwoSecondsLater)
{
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->movesLeft(), 40);
    EXPECT_EQ(game->hintsLeft(), 3);
    EXPECT_EQ(game->nextColour(), -1);
    EXPECT_EQ(game->nextSpawnTime, clock + 2000 + game->intervalMs);

    gGameHost = nullptr;   // the game makes its own board
    game->startLevel();
    gGameHost = &host;
    ASSERT_FALSE(game->board.isNull());
    EXPECT_EQ(game->board->furballCount(), 15);
    EXPECT_EQ(game->board->level, 1);
    game->tick();
    EXPECT_EQ(game->nextColour(), 1) << "one colour at level 1";
    EXPECT_FALSE(game->board->hasFurballAt(game->spawnX, game->spawnY));
}

TEST_F(FrenzyGameTest, AChainStoppedByAnotherColourKeepsTheQuotaButPullsTheDropAndAllowsUndoAgain)
{
    giveBoard({"1.1....", ".......", "1.12...", ".......", ".......", ".......", ".......", "......."});
    ASSERT_EQ(move(0, 0, 1, 0), 1);
    ASSERT_TRUE(host.movesMade.back());
    EXPECT_EQ(game->movesLeft(), 39);
    EXPECT_EQ(game->clearedTotal, 1);

    EXPECT_TRUE(game->undo());
    EXPECT_EQ(game->movesLeft(), 40);
    EXPECT_EQ(game->clearedTotal, 1) << "an undo gives the quota back, not the cleared total";
    EXPECT_FALSE(game->canUndo()) << "one undo per move";
    EXPECT_FALSE(game->undo());

    const int due = game->nextSpawnTime;
    ASSERT_EQ(move(0, 2, 1, 0), 1);
    ASSERT_FALSE(host.movesMade.back()) << "the push stops at the furball of colour 2";
    EXPECT_EQ(game->movesLeft(), 40);
    EXPECT_EQ(game->clearedTotal, 1);
    EXPECT_EQ(game->nextSpawnTime, due - int(game->movePull() * float(game->intervalMs)));
    EXPECT_LT(game->nextSpawnTime, due);
    EXPECT_TRUE(game->canUndo()) << "a new move makes undo possible again";
}

// A drop is due: a board of 54 furballs takes it, one of 55 or more is lost.
TEST_F(FrenzyGameTest, FiftyFourFurballsTakeTheDropFiftyFiveLoseTheLevel)
{
    for (int count : {54, 55, 56}) {
        SCOPED_TRACE(count);
        game.reset(new FrenzyGame(nullptr));
        game->settings.gameMode = kGameFrenzy;
        host.game = game.get();
        const int lostBefore = host.lostLifeSounds;
        const int failedBefore = gAbSettings.counter(StatFLevFail);
        boardOf(count);
        game->chooseSpawn(false);
        if (count == 56) {
            EXPECT_EQ(game->spawnX, -1) << "a full board has no cell for a drop";
            EXPECT_EQ(game->nextColour(), -1);
        }
        const int due = game->nextSpawnTime;
        tickAtDrop();
        if (count == 54) {
            EXPECT_EQ(game->board->furballCount(), 55);
            EXPECT_EQ(game->nextSpawnTime, due + game->intervalMs);
            EXPECT_EQ(game->restartTime, -1);
            EXPECT_GE(game->nextColour(), 1) << "the next drop is chosen at once";
            continue;
        }
        EXPECT_EQ(game->board->furballCount(), count);
        EXPECT_EQ(game->restartTime, clock + 1800);
        EXPECT_EQ(host.lostLifeSounds, lostBefore + 1);
        EXPECT_EQ(gAbSettings.counter(StatFLevFail), failedBefore + 1);
        EXPECT_TRUE(game->isInputBlocked());
        EXPECT_FALSE(game->undo()) << "no undo after a lost level";
    }
}

TEST_F(FrenzyGameTest, ALostLevelStartsAgainAfterItsPauseWhateverTheBoardHolds)
{
    boardOf(55);
    tickAtDrop();
    ASSERT_NE(game->restartTime, -1);
    game->board->removeFurballAt(0, 0);   // a furball gone meanwhile does not hold the restart back
    advance(1000);
    game->tick();
    EXPECT_EQ(host.nextPuzzles, 0);
    advance(800);
    game->tick();
    EXPECT_EQ(host.nextPuzzles, 1);
    EXPECT_EQ(game->restartTime, -1);
    EXPECT_FALSE(game->isInputBlocked());
    EXPECT_EQ(game->movesLeft(), 40);
    EXPECT_EQ(game->nextSpawnTime, clock + 2000 + game->intervalMs);
}

TEST_F(FrenzyGameTest, ClearedQuotaFreezesTheTimeKeepsTheBestAndAnswersLeadOn)
{
    for (int round = 0; round < 2; round++) {
        SCOPED_TRACE(round);
        giveBoard({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
        game->board->startTime = clock - 65000;
        game->movesRemaining = 1;
        ASSERT_EQ(move(0, 0, 1, 0), 1);
        EXPECT_EQ(game->movesLeft(), 0);
        EXPECT_TRUE(game->board->frozen);
        EXPECT_TRUE(hasAppendedEvent(9, 250));
        EXPECT_EQ(game->nextColour(), -1);
        advance(5000);   // the frozen time stays 65 s
        game->tick();
        game->tick();
        ASSERT_EQ(gMenuStack.size(), 1) << "one popup";
        EXPECT_EQ(gFrenzyBests.best(1), 65000);
        EXPECT_EQ(popup()->newBest, round == 0) << "an equal time keeps the best";
        EXPECT_EQ(popup()->grade, frenzyMedalForTime(1, 65000, settings, gAbSettings, nullptr));
        answer(game.get(), 0);   // replay
        EXPECT_EQ(game->level, 1);
    }
    gFrenzyBests.clear();
    loadFrenzyBests();
    EXPECT_EQ(gFrenzyBests.best(1), 65000) << "kept in the file at once";

    EXPECT_EQ(gAbSettings.counter(StatFLevSuc), 2);
    EXPECT_EQ(gAbSettings.counter(StatFLevRep), 2);
    EXPECT_EQ(gAbSettings.counter(StatLevelF), 2);
    EXPECT_EQ(host.nextPuzzles, 2);
    EXPECT_EQ(host.clockResumes, 2);

    giveBoard({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    game->movesRemaining = 1;
    move(0, 0, 1, 0);
    game->tick();
    answer(game.get(), 1);   // next level
    EXPECT_EQ(game->level, 2);
    EXPECT_EQ(game->movesLeft(), frenzyLevelQuota(2, settings, gAbSettings));
    EXPECT_EQ(gAbSettings.counter(StatFLevNotRep), 1);
    EXPECT_EQ(gAbSettings.counter(StatLevelF), 2) << "level 1 was passed already";
}

TEST_F(FrenzyGameTest, LastLevelOffersReplayOrTheMenu)
{
    game->level = 37;
    giveBoard({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    game->movesRemaining = 1;
    move(0, 0, 1, 0);
    game->tick();
    answer(game.get(), 0);
    EXPECT_EQ(host.mainMenus, 1);
    EXPECT_EQ(game->level, 37);
    EXPECT_EQ(gAbSettings.counter(StatFLevNotRep), 1);
}

TEST_F(FrenzyGameTest, SavedGameKeepsTheDropAheadAndChecksWhatItCannotTrust)
{
    giveBoard({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    game->clearedTotal = 12;
    game->spawnX = 4;
    game->spawnY = 6;
    game->nextFurball.colour = 1;
    game->nextSpawnTime = clock + 3000;
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    const std::string bytes(out.data(), out.size());
    advance(60000);   // the drop stays 3 s ahead of a later start

    auto load = [](const std::string& data) {
        MemoryStreamIn in(data.data(), int(data.size()));
        return dynamic_cast<FrenzyGame*>(CurrentGameI::load(in, nullptr));
    };
    OwnedPtr<FrenzyGame> loaded(load(bytes));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded->clearedTotal, 12);
    EXPECT_EQ(loaded->spawnX, 4);
    EXPECT_EQ(loaded->spawnY, 6);
    EXPECT_EQ(loaded->nextColour(), 1);
    EXPECT_EQ(loaded->nextSpawnTime, clock + 3000);

    // The fields end with: cleared total, spawn x, spawn y, colour, undo byte, six words.
    const size_t clearedAt = bytes.size() - 41;
    struct Case {
        const char* what;
        size_t at;
        int value;
        bool refused;
    };
    for (const Case& c : {Case{"changed cleared total", clearedAt, 13, true},
                          Case{"spawn cell off the board", clearedAt + 4, 9, false},
                          Case{"spawn row below the board", clearedAt + 8, -3, false},
                          Case{"a colour of another level", clearedAt + 12, 5, false}}) {
        SCOPED_TRACE(c.what);
        std::string edited = bytes;
        for (int i = 0; i < 4; i++)
            edited[c.at + i] = char((unsigned(c.value) >> (8 * i)) & 0xFF);
        OwnedPtr<FrenzyGame> game2(load(edited));
        if (c.refused) {
            EXPECT_TRUE(game2.isNull());
            continue;
        }
        ASSERT_FALSE(game2.isNull());
        EXPECT_EQ(game2->nextColour(), -1) << "no drop chosen";
        EXPECT_EQ(game2->spawnX, -1);
        host.game = game2.get();
        gBoardHost = &host;
        clock = game2->nextSpawnTime;
        gGameClock.updateAt(clock);
        const int before = game2->board->furballCount();
        game2->tick();
        EXPECT_EQ(game2->board->furballCount(), before + 1) << "a drop of its own lands instead";
        host.game = game.get();
    }
}

// A game the plain stand-in kept (the common part, then only the saved-game tag) goes on with its board;
// a record cut short anywhere else is refused.
TEST_F(FrenzyGameTest, AGameKeptByThePlainStandInGoesOnWithItsBoard)
{
    giveBoard({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    const std::string bytes(out.data(), out.size());
    std::string old = bytes.substr(0, bytes.size() - 41);
    const int tag = CurrentGameI::kTag;
    old.append(reinterpret_cast<const char*>(&tag), 4);
    old += "next";   // what follows the game in the state file stays unread

    MemoryStreamIn in(old.data(), int(old.size()));
    OwnedPtr<CurrentGameI> loaded(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(loaded.isNull());
    FrenzyGame* frenzy = dynamic_cast<FrenzyGame*>(loaded.get());
    ASSERT_NE(frenzy, nullptr);
    ASSERT_FALSE(frenzy->board.isNull());
    EXPECT_EQ(frenzy->board->furballCount(), 2);
    EXPECT_EQ(frenzy->clearedTotal, 0);
    EXPECT_EQ(frenzy->nextColour(), -1);
    EXPECT_EQ(in.tell(), int(old.size()) - 4);

    for (int cut : {int(bytes.size()) - 40, int(bytes.size()) - 37}) {
        MemoryStreamIn shortIn(bytes.data(), cut);
        EXPECT_EQ(CurrentGameI::load(shortIn, nullptr), nullptr) << cut;
    }
}
