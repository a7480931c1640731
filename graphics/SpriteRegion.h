#pragma once
#include <cstdint>

// One picture of a sprite-sheet page, in page pixels. Also the record of a sheet's ".dat" file.
// A region for which no page had room is {0, -1, -1, -1, -1}.
struct SpriteRegion {
    uint8_t flag = 0;  // always 0; kept for the file layout
    int32_t x = -1;
    int32_t y = -1;
    int32_t width = -1;
    int32_t height = -1;
    int32_t page = -1;
};
