#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/GameType.h"
#include "board/LevelData.h"
#include "board/LevelSchemes.h"
#include "board/NewLevelData.h"
#include "board/OldLevelData.h"

namespace {

// Fingerprints of the previous puzzles, each computed at most once per choice.
struct PreviousPrints {
    const LevelRecord* records[3];
    int prints[3] = {-1, -1, -1};

    int of(int i)
    {
        if (prints[i] == -1 && records[i])
            prints[i] = puzzleFingerprint(*records[i]);
        return prints[i];
    }
};

bool playedInFreePlay(int puzzleId, int scheme)
{
    if (!gBoardHost)
        return false;
    for (const HistoryRecord& played : gBoardHost->playedPuzzles())
        if (played.puzzleId == puzzleId && played.gameType == kGameFreePlay && played.scheme == scheme)
            return true;
    return false;
}

bool pickFromStore(int scheme, LevelRecord* out, int level, int* index, float pickValue, int tryNumber)
{
    // Negative schemes name the old store; pick there so the board shows the
    // puzzle its id names.
    if (scheme < 0)
        return gOldLevelData.pickPuzzle(out, level, index, pickValue, tryNumber);
    return gNewLevelData.pickPuzzleInScheme(scheme, out, level, index, pickValue, tryNumber);
}

bool sameComplexity(const LevelRecord* previous, float c)
{
    return previous && previous->complexity == c;
}

} // namespace

Board* Board::createForPuzzle(int forLevel, const LevelRecord* previous1, const LevelRecord* previous2,
                              const LevelRecord* previous3, float pickValue)
{
    Board* board = new Board();
    board->level = forLevel;
    board->loadPuzzle(previous1, previous2, previous3, pickValue);
    return board;
}

bool Board::loadPuzzle(const LevelRecord* previous1, const LevelRecord* previous2, const LevelRecord* previous3,
                       float pickValue)
{
    clearPositions();
    scheme = mappedLevelScheme(boardLevelScheme());
    PreviousPrints previous{{previous1, previous2, previous3}};
    LevelRecord chosen;
    int index = -1;
    for (int tryNumber = 0;; tryNumber++) {
        if (!pickFromStore(scheme, &chosen, level, &index, pickValue, tryNumber)) {
            puzzleId = -1;
            return false;
        }
        int pml = boardVariation("pml");
        if (tryNumber <= 5 && pml > 2) {
            LevelRecord second;
            int secondIndex = -1;
            if (pickFromStore(scheme, &second, level, &secondIndex, pickValue, tryNumber)) {
                bool more = second.furballCount() > chosen.furballCount();
                if (pml == 3 ? more : !more) {
                    chosen = second;
                    index = secondIndex;
                }
            }
        }
        if (boardGameType() == kGameFreePlay && tryNumber <= 9
            && playedInFreePlay(level * kPuzzleIdsPerLevel + index, scheme))
            continue;

        float c = chosen.complexity;
        if (c == complexity) {
            if (tryNumber <= 49)
                continue;
        } else if (sameComplexity(previous1, c) || sameComplexity(previous2, c)) {
            if (level > 1 && tryNumber <= 49)
                continue;
        } else if (sameComplexity(previous3, c) && level != 3) {
            if (level > 1 && tryNumber <= 49)
                continue;
        }

        int print = puzzleFingerprint(chosen);
        if (previous1 && tryNumber <= 39 && previous.of(0) == print)
            continue;
        if (level <= 1)
            break;
        if (previous2 && tryNumber <= 29 && previous.of(1) == print)
            continue;
        if (previous3 && tryNumber <= 14 && previous.of(2) == print && level != 3)
            continue;
        break;
    }

    puzzleId = level * kPuzzleIdsPerLevel + index;
    complexity = chosen.complexity;
    clearPositions();
    buildFromRecord(chosen, puzzleId);
    // The stored record comes from the id, as a saved game will fetch it.
    if (!loadLevelRecord(puzzleId, mappedLevelScheme(boardLevelScheme())))
        record = chosen;
    return true;
}

bool Board::loadLevelRecord(int forPuzzleId, int forScheme)
{
    LevelRecord found;
    int foundLevel = forPuzzleId / kPuzzleIdsPerLevel;
    if (!levelRecordLookup(&found, forPuzzleId, &foundLevel, forScheme)) {
        level = foundLevel;
        for (uint8_t& move : record.moves)
            move = LevelRecord::kNoMove;
        return false;
    }
    record = found;
    level = foundLevel;
    complexity = found.complexity;
    return true;
}

bool loadPuzzleByPackedId(Board& board, int packed)
{
    LevelRecord found;
    if (!gNewLevelData.readPuzzleByPackedId(packed, &found))
        return false;
    board.record = found;
    board.buildFromRecord(found, packed);
    board.puzzleId = -1;
    board.scheme = -1;
    return true;
}
