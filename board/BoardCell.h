#ifndef KELZO_BOARD_BOARDCELL_H
#define KELZO_BOARD_BOARDCELL_H

#include <cstdint>

// One cell of the board grid. The grid is saved byte for byte, so this packed
// little-endian 13-byte layout is a file format.
#pragma pack(push, 1)
struct BoardCell {
    uint16_t inFlight;      // bytes 0-1: moving furballs whose source or target is this cell
    uint16_t colour;        // bytes 2-3: 0 empty, 1..8 a furball's colour; walls hold 1
    int16_t faceAnim;       // bytes 4-5: face animation position (drawing)
    uint16_t face;          // bytes 6-7: which of four pictures of the colour is drawn
    uint8_t altFace;        // byte 8: alternate face (drawing)
    int32_t specialStart;   // bytes 9-12: start of the theme's special animation; -1 none
};
#pragma pack(pop)

static_assert(sizeof(BoardCell) == 13, "BoardCell is a 13-byte file record");
#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the board grid is saved as it lies in memory and must be little-endian"
#endif

// The last face drawn anywhere in the game (-1 before the first).
extern int gLastFace;

// A new face 0..3 from rand(), drawn again while it equals gLastFace, so no
// two faces drawn one after another are equal.
int drawFace();

// A reset (fresh furball) cell: colour 1, a new face, no special animation.
BoardCell freshCell();

#endif
