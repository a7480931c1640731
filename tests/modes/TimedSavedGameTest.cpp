#include "Core/MemoryStream.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

class TimedSavedGameTest : public TimedGameTest {};

// The saved body takes levels -1 to 39; the timed modes resume only levels the puzzle store can fill
// (Blitz counts on past 30 and takes its puzzles from level 30).
TEST_F(TimedSavedGameTest, OnlyLevelsWithPuzzlesResume)
{
    struct Case {
        int type, level;
        bool resumes;
    } cases[] = {
        {kGameArcade, 1, true},        {kGameArcade, 30, true},        {kGameArcade, 0, false},
        {kGameArcade, -1, false},      {kGameArcade, 31, false},       {kGameBlitz, 3, true},
        {kGameBlitz, 39, true},        {kGameBlitz, 0, false},         {kGameBeatTheClock, 1, true},
        {kGameBeatTheClock, 30, true}, {kGameBeatTheClock, 31, false}, {kGameBeatTheClock, -1, false},
    };
    for (const Case& c : cases) {
        settings.gameMode = c.type;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        game->level = c.level;
        MemoryStreamOut out;
        ASSERT_TRUE(game->save(out));
        MemoryStreamIn in(out);
        OwnedPtr<CurrentGameI> back(CurrentGameI::load(in, nullptr));
        EXPECT_EQ(c.resumes, !back.isNull()) << c.type << " level " << c.level;
    }
}

} // namespace
