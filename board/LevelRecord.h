#ifndef KELZO_BOARD_LEVELRECORD_H
#define KELZO_BOARD_LEVELRECORD_H

#include <cstdint>

// One stored puzzle: which cells hold a furball and its stored solution of up
// to four moves. Kept inside the board and in the puzzle files, so the 17-byte
// packed layout is a file format.
#pragma pack(push, 1)
struct LevelRecord {
    float complexity;      // bytes 0-3
    uint8_t rows[8];       // bytes 4-11: bit x (0..6) of row byte y = a furball at (x, y)
    uint8_t moves[4];      // bytes 12-15: x * 8 + y of the furball to throw; 255 = no move
    uint8_t directions;    // byte 16: bits 2k..2k+1 give move k's direction

    static const uint8_t kNoMove = 255;

    bool hasFurball(int x, int y) const { return (rows[y] >> x) & 1; }

    // Furballs of the record: set bits 0..6 of the eight row bytes (bit 7 never counts).
    int furballCount() const
    {
        int count = 0;
        for (int y = 0; y < 8; y++)
            for (int x = 0; x < 7; x++)
                count += hasFurball(x, y);
        return count;
    }

    // Stored move k: false when its byte is 255. Direction codes 0..3 are
    // (+1, 0), (-1, 0), (0, +1), (0, -1).
    bool storedMove(int k, int* x, int* y, int* dx, int* dy) const
    {
        if (moves[k] == kNoMove)
            return false;
        *x = moves[k] >> 3;
        *y = moves[k] & 7;
        directionOfCode((directions >> (2 * k)) & 3, dx, dy);
        return true;
    }

    static void directionOfCode(int code, int* dx, int* dy)
    {
        static const int kDx[4] = {1, -1, 0, 0};
        static const int kDy[4] = {0, 0, 1, -1};
        *dx = kDx[code & 3];
        *dy = kDy[code & 3];
    }
};
#pragma pack(pop)

static_assert(sizeof(LevelRecord) == 17, "LevelRecord is a 17-byte file record");

#endif
