#include <unistd.h>

#include <string>
#include <vector>

#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "board/NewLevelData.h"
#include "board/OldLevelData.h"
#include "modes/TwoPlayerGame.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/FakeGameHost.h"
#include "tests/modes/PlayGlobals.h"
#include "tests/support/TempFolder.h"

namespace {

// A two-player game over the fake application, in a folder with the shipped puzzle store.
class TwoPlayerGameTest : public TempFolderTest, protected PlayGlobals {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(useShippedPuzzleStore());
        settings.gameMode = kGameTwoPlayer;
        settings.startLevel = 4;
        enterPlay(&host, &host, 300000);
        game.reset(static_cast<TwoPlayerGame*>(CurrentGameI::create(nullptr, false)));
        host.game = game.get();
    }

    void TearDown() override
    {
        host.game = nullptr;
        game.reset();
        finishAnimations();
        gNewLevelData.close();
        leavePlay();
        TempFolderTest::TearDown();
    }

    std::vector<unsigned char> saved()
    {
        MemoryStreamOut out;
        EXPECT_TRUE(game->save(out));
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(out.data());
        return std::vector<unsigned char>(bytes, bytes + out.size());
    }

    static CurrentGameI* load(const std::vector<unsigned char>& bytes)
    {
        MemoryStreamIn in(bytes.data(), int(bytes.size()));
        return CurrentGameI::load(in, nullptr);
    }

    FakeGameHost host;
    OwnedPtr<TwoPlayerGame> game;
};

} // namespace

TEST_F(TwoPlayerGameTest, BothBoardsHoldPuzzlesOfTheLevel)
{
    EXPECT_EQ("Two Player", std::string(game->modeName().c_str()));
    EXPECT_EQ(3, game->puzzleSize());
    EXPECT_EQ(-1, game->hintsLeft());
    ASSERT_FALSE(game->board.isNull());
    ASSERT_FALSE(game->secondBoard.isNull());
    EXPECT_EQ(4, game->board->level);
    EXPECT_EQ(4, game->secondBoard->level);
    EXPECT_GT(game->secondBoard->furballCount(), 1);
}

// Each step: a touch and where the two running touches stand after it ("-" none).
TEST_F(TwoPlayerGameTest, TouchRouting)
{
    struct Step {
        const char* what;
        int phase, x, y;
        int firstX, firstY, secondX, secondY;
    };
    const Step steps[] = {
        {"a press in the lower half: the second board", 0, 100, 300, -1, -1, 100, 300},
        {"another there: the first board, the second is busy", 0, 100, 400, 100, 400, 100, 300},
        {"a third press while both run: nobody's", 0, 50, 50, 100, 400, 100, 300},
        {"a move nearer the first", 1, 100, 390, 100, 390, 100, 300},
        {"a move at equal distance: the second", 1, 100, 345, 100, 390, 100, 345},
        {"a release clears only its board", 2, 100, 340, 100, 390, -1, -1},
        {"with one running, a move is its", 1, 300, 10, 300, 10, -1, -1},
        {"a press anywhere then goes to the free board", 0, 20, 20, 300, 10, 20, 20},
        {"release", 2, 20, 20, 300, 10, -1, -1},
        {"release", 2, 300, 10, -1, -1, -1, -1},
        {"a move with none running: nobody's", 1, 10, 10, -1, -1, -1, -1},
        {"a press in the upper half: the first board", 0, 10, 239, 10, 239, -1, -1},
    };
    for (const Step& s : steps) {
        game->handleTouch(s.phase, s.x, s.y);
        EXPECT_EQ(s.firstX, game->firstTouchX) << s.what;
        EXPECT_EQ(s.firstY, game->firstTouchY) << s.what;
        EXPECT_EQ(s.secondX, game->secondTouchX) << s.what;
        EXPECT_EQ(s.secondY, game->secondTouchY) << s.what;
    }
}

// The screen's y axis is a board's x axis: a drag down the lower half is a swipe to the right on the second board.
TEST_F(TwoPlayerGameTest, ASwipeReachesItsBoardTurned)
{
    Board* second = new Board();
    placeDiagram(*second, rowDiagram(5, "1..1..."));
    game->secondBoard.reset(second);
    const int firstMoves = game->board->history.size();
    // Cell (0, 5) at 45 px a cell: board point (22, 247) is screen (320 - 247 / 1.5, 240 + 22 / 1.5).
    const int x = 320 - 247 * 2 / 3;
    const int y = 240 + 22 * 2 / 3;
    game->handleTouch(0, x, y);
    for (int step = 1; step <= 4; step++)
        game->handleTouch(1, x, y + 10 * step);
    game->handleTouch(2, x, y + 40);
    EXPECT_EQ(1, second->history.size());
    EXPECT_EQ(firstMoves, game->board->history.size());
}

TEST_F(TwoPlayerGameTest, ASolvedSecondBoardIsRenewedAndTheFirstPlaysOn)
{
    Board* first = game->board.get();
    const int firstPuzzle = first->puzzleId;
    game->secondBoard.reset(new Board());
    placeDiagram(*game->secondBoard, rowDiagram(5, "..1...."));
    Board* solved = game->secondBoard.get();
    game->handleTouch(0, 100, 300);
    game->otherBoardFinished(*solved);
    const std::vector<FakeBoardHost::Event> burst = {{9, 0}};
    EXPECT_EQ(burst, host.events);
    game->drawBoard();
    ASSERT_FALSE(game->secondBoard.isNull());
    EXPECT_NE(solved, game->secondBoard.get());
    EXPECT_EQ(4, game->secondBoard->level);
    EXPECT_GT(game->secondBoard->furballCount(), 1);
    EXPECT_EQ(-1, game->secondTouchX) << "the finger on the old board is forgotten";
    EXPECT_EQ(first, game->board.get());
    EXPECT_EQ(firstPuzzle, first->puzzleId);
    EXPECT_EQ(0, host.nextPuzzles);

    // The first board's end is the application's: the game only lets it move on.
    bool advance = true, deleteBoard = true;
    game->puzzleSolved(&advance, &deleteBoard);
    EXPECT_TRUE(advance && deleteBoard);
}

TEST_F(TwoPlayerGameTest, SavedGames)
{
    game->players[0] = TwoPlayerGame::Player{1, 2, 3};
    game->players[1] = TwoPlayerGame::Player{4, 5, 6};
    game->spare = 77;
    const int secondPuzzle = game->secondBoard->puzzleId;
    OwnedPtr<CurrentGameI> loaded(load(saved()));
    TwoPlayerGame* restored = dynamic_cast<TwoPlayerGame*>(loaded.get());
    ASSERT_NE(nullptr, restored);
    EXPECT_EQ(3, restored->players[0].third);
    EXPECT_EQ(4, restored->players[1].count);
    EXPECT_EQ(77, restored->spare);
    ASSERT_FALSE(restored->secondBoard.isNull());
    EXPECT_EQ(secondPuzzle, restored->secondBoard->puzzleId);

    game->secondBoard.reset();
    game->board.reset();
    loaded.reset(load(saved()));
    restored = dynamic_cast<TwoPlayerGame*>(loaded.get());
    ASSERT_NE(nullptr, restored);
    EXPECT_TRUE(restored->secondBoard.isNull()) << "saved without a second board, it loads without one";
    EXPECT_TRUE(restored->board.isNull());

    std::vector<unsigned char> bytes = saved();
    bytes.resize(bytes.size() - 1);
    EXPECT_EQ(nullptr, load(bytes)) << "the end tag cut short";
    bytes = saved();
    bytes[bytes.size() - 5] ^= 1;   // the second-board byte becomes 1 with no board after it
    EXPECT_EQ(nullptr, load(bytes));
}

TEST_F(TwoPlayerGameTest, TheHeadsUpRowsAlwaysHoldFourAndSix)
{
    game->players[0].count = 0;
    game->players[1].count = 9;
    game->drawHud();
    EXPECT_EQ(4, game->players[0].count);
    EXPECT_EQ(6, game->players[1].count);
}
