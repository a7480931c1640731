#include "board/LevelData.h"

#include "board/NewLevelData.h"
#include "board/OccupancyGrid.h"
#include "board/OldLevelData.h"

const int kPuzzleBatchSizes[kPuzzleBatchCount] = {8000, 8000, 8000, 8000, 8000, 8000, 8000, 8000, 7250, 7000};
const int kPuzzleBatchStarts[kPuzzleBatchCount] = {0, 8000, 16000, 24000, 32000, 40000, 48000, 56000, 64000, 71250};

bool lookupListEntry(const int* counts, int listCount, int list, int index, ListEntry* out)
{
    if (list < 0 || list >= listCount)
        list = 0;
    if (index >= 0 && index < counts[list]) {
        *out = ListEntry{list, index};
        return true;
    }
    if (counts[list] > 0) {
        *out = ListEntry{list, 0};
        return true;
    }
    if (counts[0] > 0) {
        *out = ListEntry{0, 0};
        return true;
    }
    return false;
}

bool levelRecordLookup(LevelRecord* out, int puzzleId, int* level, int scheme)
{
    if (unsigned(scheme) < unsigned(kLevelSchemeCount))
        return gNewLevelData.getPuzzle(out, puzzleId, level, scheme);
    return gOldLevelData.getPuzzle(out, puzzleId, level, scheme);
}

int puzzleFingerprint(const LevelRecord& record)
{
    OccupancyGrid grid = OccupancyGrid::fromRecord(record);
    int furballs = record.furballCount();
    uint32_t code = 0;
    CellPos previousRest{-1, -1};
    bool previousHorizontal = false;
    bool previousPositive = false;
    for (int k = 0; k < 4; k++) {
        int x, y, dx, dy;
        if (!record.storedMove(k, &x, &y, &dx, &dy))
            break;
        bool horizontal = dx != 0;
        bool positive = dx + dy > 0;
        bool last = k + 2 == furballs;
        bool fromRest = k > 0 && CellPos{x, y} == previousRest;
        CellPos rest;
        bool multi = grid.replayMove(x, y, dx, dy, &rest) >= 2;
        if (!last && !fromRest)
            positive = !positive;
        int letter = 0;
        if (k > 0)
            letter = horizontal == previousHorizontal ? (positive == previousPositive ? 0 : 2) : 1;
        int byte;
        if (last) {
            byte = 32 + letter;
        } else {
            byte = letter;
            if (fromRest)
                byte += 4;
            if (k > 0 && rest == previousRest)
                byte += 8;
            if (multi)
                byte += 16;
        }
        code = code * 256u + 64u + uint32_t(byte);
        previousRest = rest;
        previousHorizontal = horizontal;
        previousPositive = positive;
    }
    return int(code);
}
