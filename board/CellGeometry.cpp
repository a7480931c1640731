#include "board/CellGeometry.h"

ScreenPoint cellCorner(float scale, int viewCentreX, int viewCentreY, float column, float row)
{
    if (viewCentreX == -1)
        return ScreenPoint{scale * (kCellPixels * column + kBoardLeft), scale * (kCellPixels * row + kBoardTop)};
    float cell = kCellPixels * scale;
    return ScreenPoint{viewCentreX + cell * (2.5f - column), viewCentreY + cell * (4.5f - row)};
}
