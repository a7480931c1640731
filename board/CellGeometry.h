#ifndef KELZO_BOARD_CELLGEOMETRY_H
#define KELZO_BOARD_CELLGEOMETRY_H

// Screen layout of the board: 45-pixel cells, the playing area from (3, 73)
// at scale 1.0; the half-turned small board of the history screen has its
// centre at (viewCentreX, viewCentreY), columns right to left and rows bottom
// to top. viewCentreX -1 = normal layout.
struct ScreenPoint {
    float x;
    float y;
};

const int kCellPixels = 45;
const int kBoardLeft = 3;
const int kBoardTop = 73;

// Top-left corner of cell (column, row); fractional cells give points between.
ScreenPoint cellCorner(float scale, int viewCentreX, int viewCentreY, float column, float row);

#endif
