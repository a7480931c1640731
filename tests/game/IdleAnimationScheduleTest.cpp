#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "Core/GameClock.h"
#include "Core/OwnedPtr.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/BoardHost.h"
#include "board/GameGraphics.h"
#include "game/FurballIdleAnimations.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "tests/board/FakeBoardHost.h"
#include "tests/graphics/GlTestContext.h"

namespace {

int neverStart() { return 1; }

// Says "start" on every fifth draw, so that the schedule's waits, not the luck of the draw, space the starts.
unsigned gDraws = 0;
int everyFifth() { return gDraws++ % 5 == 0 ? 0 : 1; }

// The play screen's idle furballs frame by frame, on a game clock the test drives: the shell's schedule steps,
// then the board is drawn (which advances the faces and ends special animations that are over).
class IdleAnimationScheduleTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        savedTheme = gAbSettings.chosenTheme();
        savedClock = gGameClock;
        gGameClock = GameClock();
        gBoardHost = &host;
    }
    void TearDown() override
    {
        gBoardHost = nullptr;
        gGameClock = savedClock;
        gAbSettings.setCounter(StatChosenTheme, savedTheme);
        GlTest::TearDown();
    }

    // The start stamps of every special animation on a fresh board of 20 furballs over `ms` of play, in order.
    std::vector<int> startsOver(int theme, int (*random)(), int ms)
    {
        gAbSettings.setCounter(StatChosenTheme, theme);
        host.board.reset(new Board());
        Board& board = *host.board;
        BoardCell cell = freshCell();
        cell.colour = 2;
        for (int i = 0; i < 20; i++)
            board.placeFurballAt(i % Board::kColumns, i / Board::kColumns, cell);
        gDraws = 0;
        FurballIdleAnimations idle;
        std::map<int, int> seen;   // cell index -> the stamp it showed last frame
        std::vector<int> starts;
        for (int t = 100000; t < 100000 + ms; t += 16) {
            gGameClock.updateAt(t);
            idle.step(board, theme, gGameClock.current, random);
            drawBoard(graphics, board, 1.0f, 0, 0);
            for (const CellPos& pos : board.positions) {
                const int stamp = board.cellAt(pos.x, pos.y).specialStart;
                int& last = seen.emplace(pos.x + Board::kGrid * pos.y, -1).first->second;
                if (stamp != -1 && stamp != last)
                    starts.push_back(stamp);
                last = stamp;
            }
        }
        return starts;
    }

    GameGraphics graphics;
    FakeBoardHost host;
    GameClock savedClock;
    int savedTheme = 0;
};

// One schedule: the special animations start only when the shell's idle animations start them, at most one
// per wait of the theme; the drawing of the board starts none of its own.
TEST_F(IdleAnimationScheduleTest, SpecialAnimationsStartOnlyOnTheShellsSchedule)
{
    struct Case {
        const char* name;
        int theme;
        int (*random)();
        int wait;  // the least time between two starts
        bool starts;
    };
    const Case cases[] = {
        {"pandas", 3, everyFifth, 700, true},
        {"turtles", 4, everyFifth, 500, true},
        {"marbles", 5, everyFifth, 6000, true},
        {"pandas, the draw never says start", 3, neverStart, 0, false},
        {"turtles, the draw never says start", 4, neverStart, 0, false},
        {"marbles, the draw never says start", 5, neverStart, 0, false},
    };
    for (const Case& c : cases) {
        const std::vector<int> starts = startsOver(c.theme, c.random, 60000);
        EXPECT_EQ(c.starts, !starts.empty()) << c.name << ": " << starts.size() << " starts";
        for (size_t i = 1; i < starts.size(); i++)
            EXPECT_GE(starts[i] - starts[i - 1], c.wait) << c.name << ", start " << i;
    }
}

}  // namespace
