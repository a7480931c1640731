// The application's state files: "gameState.dat" with the players and the
// current player k, and "gameState.dat<k>" with that player's state.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "Core/GameClock.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

const char* const kPath = "gameState.dat";

std::string int32Bytes(int value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; i++)
        bytes[i] = char((unsigned(value) >> (8 * i)) & 0xFF);
    return bytes;
}

std::string byteString(const std::string& text)
{
    return int32Bytes(int(text.size())) + text;
}

class GameStateFileTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSettingsSaveSuppressed = false;
        settings.gameMode = kGameArcade;
        gSettings = &settings;
        gGameClock = GameClock();
        gGameClock.updateAt(100000);
    }
    void TearDown() override
    {
        gSettings = nullptr;
        TempFolderTest::TearDown();
    }

    // A game of a kept type with a board, in its slot.
    CurrentGameI* keep(KelzoGame& game, int type, int level)
    {
        settings.gameMode = type;
        CurrentGameI* kept = CurrentGameI::create(nullptr, false);
        kept->level = level;
        kept->board.reset(new Board());
        placeDiagram(*kept->board, rowDiagram(level % 8, "1.2.3.4"));
        game.setKeptGame(type, kept);
        return kept;
    }

    // A saved game of `type`, changed by `change` before it is returned.
    std::string savedGame(int type, const std::function<void(CurrentGameI&)>& change = nullptr)
    {
        settings.gameMode = type;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        game->seed = 12345;
        if (change)
            change(*game);
        MemoryStreamOut out;
        game->save(out);
        return std::string(out.data(), out.size());
    }

    // The player's file with no history and the given kept-game entries
    // (each the bytes after the presence byte; empty = absent).
    std::string playerFile(int selectedType, bool inProgress, const std::string* entries, int entryCount)
    {
        KelzoGame blank;
        MemoryStreamOut tips;
        blank.tips.save(tips);
        std::string bytes(tips.data(), tips.size());
        bytes += int32Bytes(-1) + int32Bytes(-1) + byteString("") + int32Bytes(0);
        bytes += int32Bytes(1) + std::string("\x05\x00", 2) + std::string(1, '\0') + std::string(1, inProgress ? 1 : 0);
        bytes += int32Bytes(selectedType);
        for (int i = 0; i < entryCount; i++) {
            bytes += std::string(1, entries[i].empty() ? 0 : 1) + entries[i];
            bytes += "10rf";
        }
        return bytes;
    }

    bool readPlayerFile(KelzoGame& game, const std::string& bytes)
    {
        MemoryStreamIn in(bytes.data(), int(bytes.size()));
        return game.readGameModeState(in);
    }

    Settings settings;
};

} // namespace

TEST_F(GameStateFileTest, AFirstRunStartsFresh)
{
    KelzoGame game;
    game.setFilesAndLoad(kPath, "hiScores.dat");
    ASSERT_EQ(1, game.playerNames.size());
    EXPECT_EQ(String("Test User"), game.playerNames[0]);
    EXPECT_EQ(0, game.currentPlayer);
    EXPECT_EQ(1, game.currentLevel);
    EXPECT_TRUE(game.history.isEmpty());
    EXPECT_GE(game.history.capacity(), 2048);
    EXPECT_EQ(-1, game.reservedA);
    EXPECT_EQ(1, game.reservedC);
    for (int type = 0; type < KelzoGame::kKeptGameTypes; type++)
        EXPECT_EQ(nullptr, game.keptGame(type));
    EXPECT_EQ(nullptr, game.currentGame);
}

TEST_F(GameStateFileTest, StateComesBackWhole)
{
    {
        KelzoGame game;
        game.setFilesAndLoad(kPath, "hiScores.dat");
        game.playerNames.append(String("Second"));
        game.reservedA = 7;
        game.reservedB = -9;
        game.reservedC = 3;
        game.playerText = "note";
        game.currentLevel = 12;
        game.tutorialDone = true;
        game.tips.setShownCount(71, 4);
        game.history.append(HistoryRecord{120034, 4500, kGameFreePlay, 2, 1, HistoryRecord::kFinished, 5, 3});
        game.history.append(HistoryRecord{30001, 800, kGameArcade, 0, 0, HistoryRecord::kKept, -1, 0});
        keep(game, kGameArcade, 3);
        CurrentGameI* freePlay = keep(game, kGameFreePlay, 6);
        game.setCurrentGame(freePlay);
        settings.gameMode = kGameFreePlay;
        game.saveState(false);
    }
    EXPECT_NE("<missing>", readFile("gameState.dat0"));
    EXPECT_EQ("<missing>", readFile("gameState.dat.tmp"));

    settings.gameMode = kGameArcade;
    KelzoGame game;
    game.setFilesAndLoad(kPath, "hiScores.dat");
    ASSERT_EQ(2, game.playerNames.size());
    EXPECT_EQ(String("Second"), game.playerNames[1]);
    EXPECT_EQ(7, game.reservedA);
    EXPECT_EQ(-9, game.reservedB);
    EXPECT_EQ(3, game.reservedC);
    EXPECT_EQ(String("note"), game.playerText);
    EXPECT_EQ(12, game.currentLevel);
    EXPECT_TRUE(game.tutorialDone);
    EXPECT_EQ(4, game.tips.shownCount(71));
    ASSERT_EQ(2, game.history.size());
    const HistoryRecord& first = game.history[0];
    EXPECT_EQ(120034, first.puzzleId);
    EXPECT_EQ(5, first.scheme);
    EXPECT_EQ(4500, first.playMs);
    EXPECT_EQ(kGameFreePlay, first.gameType);
    EXPECT_EQ(2, first.credit);
    EXPECT_EQ(1, first.hintedThrough);
    EXPECT_EQ(HistoryRecord::kFinished | HistoryRecord::kSaved, first.flags);
    EXPECT_EQ(3, first.extra);
    EXPECT_EQ(-1, game.history[1].scheme);
    ASSERT_NE(nullptr, game.keptGame(kGameArcade));
    EXPECT_EQ(3, game.keptGame(kGameArcade)->level);
    ASSERT_NE(nullptr, game.keptGame(kGameFreePlay));
    ASSERT_FALSE(game.keptGame(kGameFreePlay)->board.isNull());
    EXPECT_EQ(render(rowDiagram(6, "1.2.3.4")), render(*game.keptGame(kGameFreePlay)->board));
    // The selected Free Play game was in progress: it is current again, and the settings say Free Play.
    EXPECT_EQ(game.keptGame(kGameFreePlay), game.currentGame);
    EXPECT_EQ(kGameFreePlay, settings.gameMode);
}

TEST_F(GameStateFileTest, PlayerThreeHasTheSecondFileUnderHisNumber)
{
    KelzoGame game;
    game.setFilesAndLoad(kPath, "hiScores.dat");
    for (const char* name : {"B", "C", "D"})
        game.playerNames.append(String(name));
    game.currentPlayer = 3;
    game.currentLevel = 9;
    game.saveState(false);
    EXPECT_NE("<missing>", readFile("gameState.dat3"));
    EXPECT_EQ("<missing>", readFile("gameState.dat0"));
    KelzoGame again;
    again.setFilesAndLoad(kPath, "hiScores.dat");
    EXPECT_EQ(3, again.currentPlayer);
    EXPECT_EQ(9, again.currentLevel);
}

// k must name one of the players read; otherwise player 0's file is read.
TEST_F(GameStateFileTest, CurrentPlayerOutsideTheNamesFallsBackToTheFirst)
{
    struct Case {
        const char* what;
        std::string names;
        int player;
        int nameCount;
        bool damaged;  // the fall-back is logged
    } cases[] = {
        {"k past the names", int32Bytes(2) + byteString("A") + byteString("B") + int32Bytes(2), 0, 2, true},
        {"k negative", int32Bytes(1) + byteString("A") + int32Bytes(-1), 0, 1, true},
        {"k cut short", int32Bytes(2) + byteString("A") + byteString("B") + std::string("\x01\x00", 2), 0, 2, true},
        {"k in range", int32Bytes(2) + byteString("A") + byteString("B") + int32Bytes(1), 1, 2, false},
    };
    for (const Case& c : cases) {
        writeFile("gameState.dat", c.names);
        writeFile("gameState.dat0", "");
        writeFile("gameState.dat1", "");
        KelzoGame game;
        testing::internal::CaptureStdout();
        game.setFilesAndLoad(kPath, "hiScores.dat");
        const std::string log = testing::internal::GetCapturedStdout();
        EXPECT_EQ(c.player, game.currentPlayer) << c.what;
        EXPECT_EQ(c.nameCount, game.playerNames.size()) << c.what;
        EXPECT_EQ(c.damaged, log.find("gameState.dat is damaged") != std::string::npos) << c.what << log;
        EXPECT_NE(log.find(std::string("gameState.dat") + (c.player == 1 ? "1" : "0") + " is damaged"), std::string::npos)
            << c.what << ": the empty player file is no whole state" << log;
    }
}

// A damaged list of names takes what came whole and reads no k after it.
TEST_F(GameStateFileTest, NamesAreTakenAsTheyArrive)
{
    struct Case {
        const char* what;
        std::string names;
        int nameCount;
    } cases[] = {
        {"huge count", int32Bytes(2000000) + byteString("A") + int32Bytes(0), 1},   // kept as fresh
        {"name cut short", int32Bytes(3) + byteString("A") + int32Bytes(50) + "xy", 1},
        {"length out of range", int32Bytes(2) + byteString("A") + int32Bytes(1000000), 1},
        {"count claims more than there is", int32Bytes(900000) + byteString("A") + byteString("B"), 2},
        {"no names", int32Bytes(0) + int32Bytes(0), 1},   // the first player's name comes back
        {"an empty file", "", 1},
    };
    for (const Case& c : cases) {
        writeFile("gameState.dat", c.names);
        writeFile("gameState.dat0", "");   // there, so the names are not replaced by a fresh start
        KelzoGame game;
        game.setFilesAndLoad(kPath, "hiScores.dat");
        EXPECT_EQ(c.nameCount, game.playerNames.size()) << c.what;
        EXPECT_EQ(0, game.currentPlayer) << c.what;
    }
}

TEST_F(GameStateFileTest, RecordIdCarriesTheSchemeInItsTopByte)
{
    KelzoGame game;
    game.history.append(HistoryRecord{120034, 1, kGameFreePlay, 0, 0, 0, 5, 0});
    game.history.append(HistoryRecord{120034, 1, kGameFreePlay, 0, 0, 0, -1, 0});
    MemoryStreamOut out;
    ASSERT_TRUE(game.writeGameModeState(out));
    const std::string bytes(out.data(), out.size());
    const size_t firstRecord = 2 + 2 * Tips::kSavedCounters + 4 + 4 + 4 + 4;
    EXPECT_EQ(int32Bytes(120034 + (6 << 24)), bytes.substr(firstRecord, 4));
    EXPECT_EQ(int32Bytes(120034), bytes.substr(firstRecord + 20, 4));
    EXPECT_EQ("10rp", bytes.substr(firstRecord + 16, 4));

    KelzoGame back;
    ASSERT_TRUE(readPlayerFile(back, bytes));
    ASSERT_EQ(2, back.history.size());
    EXPECT_EQ(120034, back.history[0].puzzleId);
    EXPECT_EQ(5, back.history[0].scheme);
    EXPECT_EQ(120034, back.history[1].puzzleId);
    EXPECT_EQ(-1, back.history[1].scheme);
}

TEST_F(GameStateFileTest, OldRecordsOutsideFreePlayAreDropped)
{
    KelzoGame game;
    for (int i = 0; i < 1000; i++)
        game.history.append(HistoryRecord{10000 + i, 100, i < 200 ? kGameArcade : kGameFreePlay, 0, 0, 0, 2, 0});
    MemoryStreamOut out;
    ASSERT_TRUE(game.writeGameModeState(out));
    KelzoGame back;
    ASSERT_TRUE(readPlayerFile(back, std::string(out.data(), out.size())));
    ASSERT_EQ(800, back.history.size());
    EXPECT_EQ(10200, back.history[0].puzzleId);
    EXPECT_EQ(10999, back.history[799].puzzleId);
    // Saved and read again, nothing more goes.
    MemoryStreamOut again;
    ASSERT_TRUE(back.writeGameModeState(again));
    KelzoGame third;
    ASSERT_TRUE(readPlayerFile(third, std::string(again.data(), again.size())));
    EXPECT_EQ(800, third.history.size());
}

TEST_F(GameStateFileTest, TheSelectedTypeDecidesTheCurrentGame)
{
    const std::string freePlay = savedGame(kGameFreePlay);
    const std::string entries[4] = {"", "", freePlay, ""};
    struct Case {
        const char* what;
        int settingsMode, savedType;
        bool inProgress;
        bool freePlayCurrent;
        int settingsModeAfter;
    } cases[] = {
        {"type 6 as selected", kGameBeatTheClock, kGameBeatTheClock, true, false, kGameBeatTheClock},
        {"type 2 in progress", kGameArcade, kGameFreePlay, true, true, kGameFreePlay},
        {"type 2 not in progress", kGameArcade, kGameFreePlay, false, false, kGameFreePlay},
        {"type 9 saved", kGameFreePlay, 9, true, true, kGameFreePlay},
        {"type 5 saved: the settings' mode is used", kGameFreePlay, kGameTwoPlayer, true, true, kGameFreePlay},
    };
    for (const Case& c : cases) {
        KelzoGame game;
        game.ownedGame.reset(new PlainTestGame(nullptr, false));
        CurrentGameI* before = game.ownedGame.get();
        game.setCurrentGame(before);
        settings.gameMode = c.settingsMode;
        ASSERT_TRUE(readPlayerFile(game, playerFile(c.savedType, c.inProgress, entries, 4))) << c.what;
        ASSERT_NE(nullptr, game.keptGame(kGameFreePlay)) << c.what;
        EXPECT_EQ(c.freePlayCurrent ? game.keptGame(kGameFreePlay) : before, game.currentGame) << c.what;
        EXPECT_EQ(c.settingsModeAfter, settings.gameMode) << c.what;
    }
}

TEST_F(GameStateFileTest, AFileEndingAfterTheSecondKeptGameKeepsTheFirstTwo)
{
    const std::string entries[2] = {savedGame(kGameArcade), savedGame(kGameFrenzy)};
    KelzoGame game;
    EXPECT_TRUE(readPlayerFile(game, playerFile(kGameArcade, false, entries, 2)));
    EXPECT_NE(nullptr, game.keptGame(kGameArcade));
    EXPECT_NE(nullptr, game.keptGame(kGameFrenzy));
    EXPECT_EQ(nullptr, game.keptGame(kGameFreePlay));
}

// A kept entry that is damaged, over, or of another type is never kept.
TEST_F(GameStateFileTest, DamagedKeptGamesAreRefused)
{
    auto changeByte = [this](int at, char value) {
        std::string bytes = savedGame(kGameArcade);
        bytes[at] = value;
        return bytes;
    };
    const int settingsAt = 4;
    const int flagsAt = settingsAt + Settings::kFileSize + 4;
    struct Case {
        const char* what;
        std::string entry;
        bool readsOn;   // the reader stays in step and reaches the end
    } cases[] = {
        {"level 40", savedGame(kGameArcade, [](CurrentGameI& g) { g.level = 40; }), false},
        {"hints 5000", savedGame(kGameArcade, [](CurrentGameI& g) { g.hintsRemaining = 5000; }), false},
        {"ended", savedGame(kGameArcade, [](CurrentGameI& g) { g.ended = true; }), true},
        {"check field changed (h3p2l1g12345e0)", changeByte(flagsAt + 1 + 4 + 1, 0x38), false},
        {"wrong tag", changeByte(flagsAt - 1, 'x'), false},
        {"type 7", int32Bytes(7) + savedGame(kGameArcade).substr(4), false},
        {"a Frenzy game in the Arcade slot", savedGame(kGameFrenzy), true},
        {"damaged settings copy", changeByte(settingsAt + 8, 7), false},
    };
    for (const Case& c : cases) {
        KelzoGame game;
        keep(game, kGameArcade, 2);
        const std::string entries[2] = {c.entry, savedGame(kGameFrenzy)};
        bool result = readPlayerFile(game, playerFile(kGameArcade, true, entries, 2));
        EXPECT_EQ(nullptr, game.keptGame(kGameArcade)) << c.what;
        EXPECT_EQ(nullptr, game.currentGame) << c.what;
        if (c.readsOn) {
            EXPECT_TRUE(result) << c.what;
            EXPECT_NE(nullptr, game.keptGame(kGameFrenzy)) << c.what;
        }
    }
}

TEST_F(GameStateFileTest, AHugeHistoryCountIsNotAllocatedAndTheRestStillReads)
{
    KelzoGame game;
    game.history.append(HistoryRecord{10001, 5, kGameFreePlay, 0, 0, 0, -1, 0});
    std::string bytes = playerFile(kGameArcade, false, nullptr, 0);
    const size_t countAt = 2 + 2 * Tips::kSavedCounters + 4 + 4 + 4;
    bytes.replace(countAt, 4, int32Bytes(2000000));
    EXPECT_TRUE(readPlayerFile(game, bytes));
    EXPECT_EQ(1, game.history.size());
    EXPECT_EQ(5, game.currentLevel);   // the fields after the count still read
}

TEST_F(GameStateFileTest, ASaveThatCannotFinishLeavesTheLastGoodFiles)
{
    KelzoGame game;
    game.setFilesAndLoad(kPath, "hiScores.dat");
    game.currentLevel = 4;
    game.saveState(false);
    const std::string names = readFile("gameState.dat");
    const std::string player = readFile("gameState.dat0");
    // The player's file cannot be replaced: a folder stands where its temporary file goes.
    ASSERT_EQ(0, system("mkdir gameState.dat0.tmp"));
    game.currentLevel = 5;
    game.saveState(false);
    EXPECT_EQ(player, readFile("gameState.dat0"));
    ASSERT_EQ(0, system("rmdir gameState.dat0.tmp"));
    EXPECT_EQ(names, readFile("gameState.dat"));
}

// Without the names file (deleted, or a link to nothing) player 0's own file is still read, so the
// next save keeps the kept games instead of writing a fresh state over them.
TEST_F(GameStateFileTest, PlayerZerosFileIsReadWithoutTheNamesFile)
{
    const std::string names[] = {"", "dangling"};
    for (const std::string& leftAt : names) {
        SCOPED_TRACE("names file: " + (leftAt.empty() ? std::string("missing") : leftAt));
        {
            KelzoGame game;
            game.setFilesAndLoad(kPath, "hiScores.dat");
            keep(game, kGameChallenge, 7);
            game.currentLevel = 9;
        }
        ASSERT_EQ(0, remove(kPath));
        if (!leftAt.empty()) {
            ASSERT_EQ(0, symlink("gone/nowhere", kPath));
        }
        {
            KelzoGame game;
            game.setFilesAndLoad(kPath, "hiScores.dat");
            EXPECT_EQ(String("Test User"), game.playerNames[0]);
            EXPECT_EQ(9, game.currentLevel);
            ASSERT_NE(nullptr, game.keptGame(kGameChallenge));
        }
        KelzoGame again;
        again.setFilesAndLoad(kPath, "hiScores.dat");
        ASSERT_NE(nullptr, again.keptGame(kGameChallenge));
        EXPECT_EQ(7, again.keptGame(kGameChallenge)->level);
        remove(kPath);
        remove("gameState.dat0");
    }
}

// Nothing of the tutorial reaches the state files, but the settings are kept.
TEST_F(GameStateFileTest, TheHowToPlayScreenWritesNoState)
{
    KelzoGame game;
    game.setFilesAndLoad(kPath, "hiScores.dat");
    game.currentScreen = ScreenHowToPlay;
    game.saveState(false);
    EXPECT_EQ("<missing>", readFile("gameState.dat"));
    game.currentScreen = ScreenPlaying;
    gSaveSuppressed = true;
    game.saveState(false);
    EXPECT_EQ("<missing>", readFile("gameState.dat"));
    gSaveSuppressed = false;
}

TEST_F(GameStateFileTest, DeletingTheApplicationSavesItsState)
{
    {
        KelzoGame game;
        game.setFilesAndLoad(kPath, "hiScores.dat");
        keep(game, kGameChallenge, 7);
    }
    KelzoGame again;
    again.setFilesAndLoad(kPath, "hiScores.dat");
    ASSERT_NE(nullptr, again.keptGame(kGameChallenge));
    EXPECT_EQ(7, again.keptGame(kGameChallenge)->level);
}

// Builds before the Arcade rules kept a stand-in game in the Arcade slot, its own part only the tag: it
// cannot be resumed as Arcade, but the kept games after it still load.
TEST_F(GameStateFileTest, AStandInArcadeGameIsDroppedAndTheKeptGamesAfterItLoad)
{
    const std::string arcade = savedGame(kGameArcade);
    const std::string standIn = arcade.substr(0, arcade.size() - 20) + "10rf";
    const std::string freePlay = savedGame(kGameFreePlay, [](CurrentGameI& g) { g.level = 7; });
    const std::string entries[4] = {standIn, "", freePlay, ""};
    KelzoGame game;
    ASSERT_TRUE(readPlayerFile(game, playerFile(kGameFreePlay, true, entries, 4)));
    EXPECT_EQ(nullptr, game.keptGame(kGameArcade));
    ASSERT_NE(nullptr, game.keptGame(kGameFreePlay));
    EXPECT_EQ(7, game.keptGame(kGameFreePlay)->level);
    EXPECT_EQ(game.keptGame(kGameFreePlay), game.currentGame);
}

// A kept Free Play game is its common body alone; files of an earlier build close it with one more mark.
// Either way the Challenge game kept after it loads; a damaged mark or a file cut there keeps what came whole.
TEST_F(GameStateFileTest, TheKeptGameAfterFreePlayLoadsFromEitherLayout)
{
    const std::string freePlay = savedGame(kGameFreePlay, [](CurrentGameI& g) { g.level = 7; });
    const std::string challenge = savedGame(kGameChallenge, [](CurrentGameI& g) { g.level = 5; });
    struct Case {
        const char* what;
        std::string freePlayEntry;
        int entryCount;   // 3: the file ends after the Free Play slot
        bool whole;
        bool challengeKept;
    } cases[] = {
        {"body alone", freePlay, 4, true, true},
        {"earlier build's mark", freePlay + "10rf", 4, true, true},
        {"body alone, file ends after it", freePlay, 3, true, false},
        {"earlier build's mark, file ends after it", freePlay + "10rf", 3, true, false},
        {"damaged mark", freePlay + "10rx", 4, false, false},
        {"cut mark", freePlay + "10", 4, false, false},
    };
    for (const Case& c : cases) {
        const std::string entries[4] = {"", "", c.freePlayEntry, challenge};
        KelzoGame game;
        EXPECT_EQ(c.whole, readPlayerFile(game, playerFile(kGameChallenge, true, entries, c.entryCount))) << c.what;
        ASSERT_NE(nullptr, game.keptGame(kGameFreePlay)) << c.what;
        EXPECT_EQ(7, game.keptGame(kGameFreePlay)->level) << c.what;
        if (c.challengeKept) {
            ASSERT_NE(nullptr, game.keptGame(kGameChallenge)) << c.what;
            EXPECT_EQ(5, game.keptGame(kGameChallenge)->level) << c.what;
            EXPECT_EQ(game.keptGame(kGameChallenge), game.currentGame) << c.what;
        } else {
            EXPECT_EQ(nullptr, game.keptGame(kGameChallenge)) << c.what;
        }
    }
}

// What this build writes for a Free Play game ends with the common body's check value and closing tag.
TEST_F(GameStateFileTest, AWrittenFreePlayGameIsTheCommonBodyAlone)
{
    settings.gameMode = kGameFreePlay;
    OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
    game->level = 9;
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    const std::string bytes(out.data(), out.size());
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(int32Bytes(game->checkValue()) + "10rf", bytes.substr(bytes.size() - 8));
}
