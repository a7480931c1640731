#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Core/Mutex.h"
#include "board/Board.h"
#include "game/FurballEntrance.h"
#include "game/TimedEventQueue.h"

namespace {

int32_t gClockNow = 0;
int32_t clockNow() { return gClockNow; }

}  // namespace

TEST(FurballEntranceTest, DelaysByModeAndPlace)
{
    struct Case {
        int k;
        bool fast;
        bool blitz;
        int delay;
    };
    const Case cases[] = {
        {0, false, false, 900}, {1, false, false, 1060}, {9, false, false, 2340},
        {0, true, false, 300},  {3, true, false, 780},
        {0, false, true, 50},   {4, false, true, 450},   {4, true, true, 450},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entranceDelayMs(c.k, c.fast, c.blitz), c.delay) << c.k << " " << c.fast << " " << c.blitz;
}

// Every furball pops in once, at its own delay, and its mouth pop comes 250 ms after it shows.
TEST(FurballEntranceTest, EachFurballPopsInWithItsMouthPopAfterIt)
{
    Board board;
    srand(7);
    board.fillRandom(12, 6);
    Mutex lock;
    gClockNow = 40000;
    TimedEventQueue events(lock, clockNow);
    const int effectNow = 39990;
    startFurballEntrance(board, false, false, effectNow, events);

    std::vector<int> starts;
    for (const CellPos& pos : board.positions) {
        const TimedEffect& effect = board.timedEffects[pos.x + Board::kGrid * pos.y];
        EXPECT_TRUE(effect.active);
        EXPECT_EQ(effect.kind, 0);
        EXPECT_EQ(int(effect.cell.colour), int(board.cellAt(pos.x, pos.y).colour));
        starts.push_back(effect.startMs - effectNow);
    }
    std::sort(starts.begin(), starts.end());
    ASSERT_EQ(starts.size(), 12u);
    for (int k = 0; k < 12; k++)
        EXPECT_EQ(starts[k], 900 + 160 * k);

    ASSERT_EQ(events.size(), 12);
    std::vector<int> pops;
    for (int i = 0; i < events.size(); i++) {
        EXPECT_EQ(events.at(i).kind, kEventMouthPop);
        pops.push_back(events.at(i).dueMs - gClockNow);
    }
    std::sort(pops.begin(), pops.end());
    for (int k = 0; k < 12; k++)
        EXPECT_EQ(pops[k], 250 + 900 + 160 * k);
}

// The order is drawn anew for every board: over a few boards the first furball to show is not always the same.
TEST(FurballEntranceTest, TheOrderIsRandom)
{
    Mutex lock;
    TimedEventQueue events(lock, clockNow);
    int firstAtFirstPlace = 0;
    for (int round = 0; round < 20; round++) {
        Board board;
        srand(100 + round);
        board.fillRandom(8, 4);
        const CellPos first = *board.positions.begin();
        startFurballEntrance(board, true, false, 0, events);
        if (board.timedEffects[first.x + Board::kGrid * first.y].startMs == 300)
            firstAtFirstPlace++;
    }
    EXPECT_LT(firstAtFirstPlace, 20);
}
