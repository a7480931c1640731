#include "board/MovingFurball.h"

#include "board/Board.h"

MovingFurball::MovingFurball(Board& board, const BoardCell& furball, int moveDx, int moveDy, CellPos moveOrigin,
                             CellPos from, CellPos to, bool isGhost, int delay, float moveSpeed, bool isFast)
{
    drawFace();
    cell = furball;
    source = from;
    ghost = isGhost;
    dx = moveDx;
    dy = moveDy;
    target = to;
    speed = moveSpeed;
    fast = isFast;
    origin = moveOrigin;
    delayMs = delay;
    board.markInFlight(from);
    if (isPlayableCell(to.x, to.y))
        board.markInFlight(to);
}
