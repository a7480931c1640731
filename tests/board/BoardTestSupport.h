#ifndef KELZO_TESTS_BOARD_BOARDTESTSUPPORT_H
#define KELZO_TESTS_BOARD_BOARDTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/GameType.h"
#include "board/NewLevelData.h"
#include "tests/board/FakeBoardHost.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

// The working folder gets the shipped puzzle store (links to the data folder's files), and the store
// an earlier test opened is closed, so the next puzzle comes from this folder's store.
inline ::testing::AssertionResult useShippedPuzzleStore()
{
    gNewLevelData.close();
    for (const char* name : {"newLdPuzzles.dat", "newLdComplexities.dat"}) {
        unlink(name);
        if (symlink((std::string(KELZO_DATA_DIR) + "/" + name).c_str(), name) != 0)
            return ::testing::AssertionFailure() << "cannot link " << name;
    }
    return ::testing::AssertionSuccess();
}

// Boards are written as 8 rows of 7 characters: '.' empty, '1'..'8' a furball
// of that colour.
using Diagram = std::vector<std::string>;

// An empty board with one row given.
inline Diagram rowDiagram(int y, const char* row)
{
    Diagram d(Board::kRows, std::string(Board::kColumns, '.'));
    d[y] = row;
    return d;
}

inline void placeDiagram(Board& board, const Diagram& rows)
{
    board.clearPositions();
    for (int y = 0; y < Board::kRows; y++) {
        for (int x = 0; x < Board::kColumns; x++) {
            char c = rows[y][x];
            if (c == '.')
                continue;
            board.placeFurballAt(x, y, freshCell());
            board.cellAt(x, y).colour = uint16_t(c - '0');
        }
    }
}

inline std::string render(const Board& board)
{
    std::string text;
    for (int y = 0; y < Board::kRows; y++) {
        for (int x = 0; x < Board::kColumns; x++) {
            int colour = board.colourAt(x, y);
            text += colour == 0 ? '.' : char('0' + colour);
        }
        text += '\n';
    }
    return text;
}

inline std::string render(const Diagram& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + '\n';
    return text;
}

// The position set as a diagram; it must agree with the cells.
inline std::string renderPositions(const Board& board)
{
    std::string text(Board::kRows * 8, '.');
    for (int y = 0; y < Board::kRows; y++)
        text[y * 8 + 7] = '\n';
    for (const CellPos& p : board.positions)
        text[p.y * 8 + p.x] = char('0' + board.colourAt(p.x, p.y));
    return text;
}

inline LevelRecord recordOf(const Diagram& rows, float complexity = 1.5f)
{
    LevelRecord record;
    memset(&record, 0, sizeof record);
    record.complexity = complexity;
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 7; x++)
            if (rows[y][x] != '.')
                record.rows[y] |= uint8_t(1u << x);
    memset(record.moves, LevelRecord::kNoMove, sizeof record.moves);
    return record;
}

// Direction codes of stored moves: 0 right, 1 left, 2 down, 3 up.
inline void setStoredMove(LevelRecord& record, int k, int x, int y, int directionCode)
{
    record.moves[k] = uint8_t(x * 8 + y);
    record.directions = uint8_t((record.directions & ~(3 << (2 * k))) | (directionCode << (2 * k)));
}

inline std::vector<unsigned char> cellBytes(const Board& board)
{
    const unsigned char* begin = reinterpret_cast<const unsigned char*>(board.cells);
    return std::vector<unsigned char>(begin, begin + sizeof board.cells);
}

// Every test starts from the same outside state: no game around the board,
// Arcade settings, the variations the game ships with, no counted
// statistics, a set clock and random sequence.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gBoardHost = nullptr;
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameArcade;
        settings.freeHints = false;
        gSettings = &settings;
        gAbSettings.ddh = 15;
        gAbSettings.lvt = 0;
        gAbSettings.as = 0;
        gAbSettings.fic = 0;
        gAbSettings.cpl = 0;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        gGameClock.updateAt(100000);
        srand(1);
    }

    void TearDown() override
    {
        gBoardHost = nullptr;
        gSettings = nullptr;
    }

    Settings settings;
};

// A game on its play screen whose current board is `board()`, so moves reach
// the tips, timed events, moving furballs and the game's move notification.
class GameBoardTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        host = FakeBoardHost();
        host.board.reset(new Board());
        gBoardHost = &host;
    }

    Board& board() { return *host.board; }

    FakeBoardHost host;
};

#endif
