#include "board/BoardCell.h"

#include <cstdlib>

int gLastFace = -1;

int drawFace()
{
    int face = rand() % 4;
    while (face == gLastFace)
        face = rand() % 4;
    gLastFace = face;
    return face;
}

BoardCell freshCell()
{
    BoardCell cell{};
    cell.colour = 1;
    cell.face = static_cast<uint16_t>(drawFace());
    cell.specialStart = -1;
    return cell;
}
