#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "Core/Hash.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "modes/CurrentGameI.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

// Byte offsets in a saved game without a board.
const int kSettingsAt = 4;
const int kFlagsAt = kSettingsAt + Settings::kFileSize + 4;
const int kEndedAt = kFlagsAt + 1 + 4;
const int kSeedAt = kEndedAt + 1;
const int kHintsAt = kSeedAt + 4;
const int kMovesAt = kHintsAt + 2;
const int kLevelAt = kMovesAt + 2;
const int kCheckAt = kLevelAt + 2;
const int kSecondTagAt = kFlagsAt + 1;

class SavedGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameFreePlay;
        gSettings = &settings;
    }
    void TearDown() override
    {
        gSettings = nullptr;
        gSettingsSaveSuppressed = false;
    }

    // A Free Play game with hints 3, moves 2, level 1, seed 12345.
    CurrentGameI* makeGame()
    {
        CurrentGameI* game = CurrentGameI::create(nullptr, false);
        game->hintsRemaining = 3;
        game->movesRemaining = 2;
        game->level = 1;
        game->seed = 12345;
        return game;
    }

    std::string saved(CurrentGameI& game)
    {
        MemoryStreamOut out;
        EXPECT_TRUE(game.save(out));
        return std::string(out.data(), out.size());
    }

    CurrentGameI* loaded(const std::string& bytes)
    {
        MemoryStreamIn in(bytes.data(), int(bytes.size()));
        return CurrentGameI::load(in, nullptr);
    }

    static void putInt16(std::string& bytes, int at, int value)
    {
        bytes[at] = char(value & 0xFF);
        bytes[at + 1] = char((value >> 8) & 0xFF);
    }
    static void putInt32(std::string& bytes, int at, int value)
    {
        for (int i = 0; i < 4; i++)
            bytes[at + i] = char((unsigned(value) >> (8 * i)) & 0xFF);
    }

    Settings settings;
};

} // namespace

TEST_F(SavedGameTest, CheckValueIsTheHashOfTheCommonFields)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    EXPECT_EQ(hashMod97("h3p2l1g12345e0"), game->checkValue());
    game->hintsRemaining = -1;
    game->seed = -7;
    game->ended = true;
    EXPECT_EQ(hashMod97("h-1p2l1g-7e1"), game->checkValue());
}

TEST_F(SavedGameTest, GameWithABoardComesBackWhole)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    game->levelPopupShown = true;
    game->board.reset(new Board());
    placeDiagram(*game->board, rowDiagram(2, "1.2.3.."));
    game->board->hintedThrough = 2;
    const std::string bytes = saved(*game);
    EXPECT_EQ(std::string("10rf"), bytes.substr(kSettingsAt + Settings::kFileSize, 4));

    OwnedPtr<CurrentGameI> back(loaded(bytes));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(kGameFreePlay, back->type());
    EXPECT_EQ(3, back->hintsRemaining);
    EXPECT_EQ(2, back->movesRemaining);
    EXPECT_EQ(1, back->level);
    EXPECT_EQ(12345, back->seed);
    EXPECT_FALSE(back->ended);
    EXPECT_TRUE(back->levelPopupShown);
    ASSERT_FALSE(back->board.isNull());
    EXPECT_EQ(render(*game->board), render(*back->board));
    EXPECT_EQ(2, back->board->hintedThrough);
}

TEST_F(SavedGameTest, GameWithoutABoardResumesWithoutOne)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    const std::string bytes = saved(*game);
    EXPECT_EQ(0, bytes[kFlagsAt]);
    OwnedPtr<CurrentGameI> back(loaded(bytes));
    ASSERT_FALSE(back.isNull());
    EXPECT_TRUE(back->board.isNull());
}

// Every damage refuses the game; the values at the edges of the ranges are taken.
TEST_F(SavedGameTest, DamagedGamesAreRefused)
{
    struct Case {
        const char* what;
        std::function<void(std::string&)> change;
        bool accepted;
    } cases[] = {
        {"as saved", [](std::string&) {}, true},
        {"level 40", [](std::string& b) { putInt16(b, kLevelAt, 40); }, false},
        {"hints 5000", [](std::string& b) { putInt16(b, kHintsAt, 5000); }, false},
        {"moves -2", [](std::string& b) { putInt16(b, kMovesAt, -2); }, false},
        {"seed changed", [](std::string& b) { b[kSeedAt] ^= 1; }, false},
        {"ended changed", [](std::string& b) { b[kEndedAt] = 1; }, false},
        {"check value changed", [](std::string& b) { b[kCheckAt] ^= 1; }, false},
        {"wrong first tag", [](std::string& b) { b[kFlagsAt - 1] = 'x'; }, false},
        {"wrong second tag", [](std::string& b) { b[kSecondTagAt] = 'x'; }, false},
        {"type 7", [](std::string& b) { putInt32(b, 0, 7); }, false},
        {"type -1", [](std::string& b) { putInt32(b, 0, -1); }, false},
        {"settings copy with difficulty 7", [](std::string& b) { putInt32(b, kSettingsAt + 8, 7); }, false},
        {"settings copy with mode 9", [](std::string& b) { putInt32(b, kSettingsAt + 12, 9); }, false},
        {"settings copy without its tag", [](std::string& b) { b[kSettingsAt] = 'x'; }, false},
        {"cut short", [](std::string& b) { b.resize(kCheckAt + 2); }, false},
    };
    OwnedPtr<CurrentGameI> game(makeGame());
    const std::string bytes = saved(*game);
    for (const Case& c : cases) {
        std::string changed = bytes;
        c.change(changed);
        OwnedPtr<CurrentGameI> back(loaded(changed));
        EXPECT_EQ(c.accepted, !back.isNull()) << c.what;
    }
}

// The range edges, each written with a matching check value.
TEST_F(SavedGameTest, RangeEdgesOfTheCountersWithMatchingCheckValues)
{
    struct Case {
        int hints, moves, level;
        bool accepted;
    } cases[] = {
        {-1, -1, -1, true}, {4999, 0, 39, true}, {5000, 0, 1, false}, {-2, 0, 1, false},
        {0, 0, 40, false},  {0, -2, 1, false},   {0, 32767, 1, true},
    };
    for (const Case& c : cases) {
        OwnedPtr<CurrentGameI> game(makeGame());
        game->hintsRemaining = c.hints;
        game->movesRemaining = c.moves;
        game->level = c.level;
        OwnedPtr<CurrentGameI> back(loaded(saved(*game)));
        EXPECT_EQ(c.accepted, !back.isNull()) << c.hints << " " << c.moves << " " << c.level;
    }
}

TEST_F(SavedGameTest, AGameSavedAfterItEndedIsNeverResumed)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    game->ended = true;
    EXPECT_TRUE(loaded(saved(*game)) == nullptr);
}

// The type word decides the mode: a copy whose mode says otherwise is set right.
TEST_F(SavedGameTest, TheSettingsCopyTakesTheTypeWordAsItsMode)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    game->settings.gameMode = kGameFrenzy;   // copy and type word now disagree
    std::string bytes = saved(*game);
    putInt32(bytes, 0, kGameChallenge);
    bytes += std::string(4, '\0');   // Challenge's own part: the run's time so far
    OwnedPtr<CurrentGameI> back(loaded(bytes));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(kGameChallenge, back->type());
    EXPECT_EQ(kGameChallenge, back->settings.gameMode);
}

TEST_F(SavedGameTest, ADamagedBoardAloneLeavesTheGameWithoutABoard)
{
    OwnedPtr<CurrentGameI> game(makeGame());
    game->board.reset(new Board());
    placeDiagram(*game->board, rowDiagram(2, "1.2.3.."));
    MemoryStreamOut boardOnly;
    game->board->save(boardOnly);
    std::string bytes = saved(*game);
    // A colour above 8 in the board's first playable cell: the board refuses itself.
    std::string boardBytes(boardOnly.data(), boardOnly.size());
    const size_t boardAt = bytes.find(boardBytes);
    ASSERT_NE(std::string::npos, boardAt);
    Board probe;
    for (size_t i = 0; i < boardBytes.size(); i++) {
        std::string damaged = bytes;
        damaged[boardAt + i] = char(0xEE);
        MemoryStreamIn in(damaged.data() + boardAt, int(boardBytes.size()));
        if (probe.load(in))
            continue;
        // The board's record is now refused while its length is unchanged.
        OwnedPtr<CurrentGameI> back(loaded(damaged));
        if (back.isNull())
            continue;   // this byte also moved where the reader stops
        EXPECT_TRUE(back->board.isNull());
        return;
    }
    ADD_FAILURE() << "no damaged board byte found that the board alone refuses";
}

class GameSettingsFileTest : public TempFolderTest {};

// A game carries a copy of the settings; destroying it must not write that
// copy over the player's newer choices.
TEST_F(GameSettingsFileTest, DestroyingAnyGameLeavesSettingsDatUntouched)
{
    gSettingsSaveSuppressed = false;
    Settings* global = new Settings("settings.dat", String("test-device"));
    gSettings = global;
    global->gameMode = kGameArcade;
    ASSERT_TRUE(global->save());
    const std::string before = readFile("settings.dat");
    ASSERT_EQ(size_t(Settings::kFileSize), before.size());
    for (int mode = 0; mode <= 7; mode++) {
        global->gameMode = mode < 7 ? mode : kGameArcade;
        CurrentGameI* game = CurrentGameI::create(nullptr, mode == 7);
        ASSERT_NE(nullptr, game) << mode;
        game->settings.startLevel = 17;
        game->settings.sliderA = 0.1f;
        delete game;
        EXPECT_EQ(before, readFile("settings.dat")) << mode;
    }
    // A saved game read back and dropped leaves it too.
    global->gameMode = kGameFrenzy;
    OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    MemoryStreamIn in(out);
    delete CurrentGameI::load(in, nullptr);
    game.reset();
    EXPECT_EQ(before, readFile("settings.dat"));
    gSettings = nullptr;
    gSettingsSaveSuppressed = true;
    delete global;
    gSettingsSaveSuppressed = false;
}
