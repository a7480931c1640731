#include <cstdlib>

#include "board/Board.h"
#include "board/BoardServices.h"

Board* Board::createRandom(int count, int kinds)
{
    Board* board = new Board();
    board->puzzleId = -1;
    board->scheme = -1;
    board->level = -1;
    board->complexity = -1.0f;
    board->clearPositions();
    board->fillRandom(count, kinds);
    return board;
}

void Board::rebuildPuzzle(int id, int fromScheme)
{
    loadLevelRecord(id, fromScheme);
    buildFromRecord(record, id);
    scheme = fromScheme;
    puzzleId = id;
}

void Board::buildFromRecord(const LevelRecord& source, int colourSeedId)
{
    clearPositions();
    complexity = source.complexity;
    int furballs = source.furballCount();
    ColourTally tally;
    // Row by row, left to right: the order decides faces and, through the
    // tally, colours.
    for (int y = 0; y < kRows; y++) {
        for (int x = 0; x < kColumns; x++) {
            if (!source.hasFurball(x, y))
                continue;
            placeFurballAt(x, y, freshCell());
            cellAt(x, y).colour = static_cast<uint16_t>(chooseColour(colourSeedId, x, y, tally, furballs, level));
        }
    }
}

int Board::chooseColour(int forPuzzleId, int x, int y, ColourTally& tally, int furballCount, int forLevel) const
{
    int kinds = boardKindCount(forLevel, furballCount);
    if (kinds < 1 || kinds > 8)
        kinds = 8;
    uint32_t seed = 7u * uint32_t(forPuzzleId) + 13u * uint32_t(x) + 21u * uint32_t(y);
    uint32_t s = 51;
    int maxUsesBefore = (furballCount - 1) / kinds;
    for (int tries = 0;; tries++) {
        int colour = int((51u * s + seed) % uint32_t(kinds)) + 1;
        s = 89u * s + 97u;
        int& count = tally.counts[colour];
        if (count == 0) {
            count = 1;
            tally.distinct++;
            return colour;
        }
        // A repeated colour is taken only once all colours are in use, and
        // only while it stays within its fair share.
        if (tally.distinct >= kinds && count <= maxUsesBefore) {
            count++;
            return colour;
        }
        if (tries > 1000) {
            count++;
            return colour;
        }
    }
}

void Board::fillRandom(int count, int kinds)
{
    if (kinds < 1)
        kinds = 1;
    // A full field cannot take more: stop there instead of drawing for ever.
    while (positions.size() < count && positions.size() < PositionSet::kCapacity) {
        int x = rand() % kColumns;
        int y = rand() % kRows;
        if (hasFurballAt(x, y))
            continue;
        placeFurballAt(x, y, freshCell());
        cellAt(x, y).colour = static_cast<uint16_t>(rand() % kinds + 1);
    }
}
