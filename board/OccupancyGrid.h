#ifndef KELZO_BOARD_OCCUPANCYGRID_H
#define KELZO_BOARD_OCCUPANCYGRID_H

#include <cstdint>
#include <cstring>

#include "board/LevelRecord.h"
#include "board/PositionSet.h"

// Which cells of the 7 x 8 field hold a furball, without colours: enough to
// replay stored solutions and compare positions.
struct OccupancyGrid {
    uint8_t rows[8] = {};   // bit x of row y

    static OccupancyGrid fromRecord(const LevelRecord& record)
    {
        OccupancyGrid grid;
        for (int y = 0; y < 8; y++)
            grid.rows[y] = record.rows[y] & 0x7F;
        return grid;
    }

    bool occupied(int x, int y) const { return isPlayableCell(x, y) && ((rows[y] >> x) & 1); }

    void set(int x, int y, bool on)
    {
        if (!isPlayableCell(x, y))
            return;
        if (on)
            rows[y] |= uint8_t(1u << x);
        else
            rows[y] &= uint8_t(~(1u << x));
    }

    bool operator==(const OccupancyGrid& o) const { return memcmp(rows, o.rows, sizeof rows) == 0; }

    // Replays a throw: the start cell is cleared, and walking from start + d
    // to the edge, each furball met moves back one cell (the mover stops
    // there) and the walk goes on from it; the last one met leaves.
    // Returns the number of furballs met; *lastRest (when given) receives
    // the cell where the last furball that stayed came to rest, or (-1, -1).
    int replayMove(int x, int y, int dx, int dy, CellPos* lastRest = nullptr)
    {
        int met = 0;
        CellPos rest{-1, -1};
        set(x, y, false);
        for (int cx = x + dx, cy = y + dy; isPlayableCell(cx, cy); cx += dx, cy += dy) {
            if (!occupied(cx, cy))
                continue;
            set(cx - dx, cy - dy, true);
            set(cx, cy, false);
            rest = CellPos{cx - dx, cy - dy};
            met++;
        }
        if (lastRest)
            *lastRest = rest;
        return met;
    }
};

#endif
