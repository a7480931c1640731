#ifndef KELZO_BOARD_MOVEENTRY_H
#define KELZO_BOARD_MOVEENTRY_H

#include <cstdint>

// One move of a board's history (24 bytes): the thrown furball's cell, the
// colour and face of the last furball of the chain (the one that left, or in
// Frenzy the one the chain stopped at), and the direction. A hint move uses
// the same record; its colour and face carry nothing.
struct MoveEntry {
    int32_t x = -1;
    int32_t y = -1;
    int32_t colour = -1;
    int32_t face = 0;
    int32_t dx = -1;
    int32_t dy = -1;
};

static_assert(sizeof(MoveEntry) == 24, "MoveEntry is six int32");

#endif
