#include "Core/Array.h"
#include "Core/Random.h"
#include "board/Board.h"
#include "board/MoveUndoRecord.h"

namespace {

struct Candidate {
    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t dy = 0;
};

} // namespace

int Board::findColourMoveWithin3(CellPos* pos, int* dx, int* dy)
{
    for (int depth = 1; depth <= 3; depth++)
        if (searchColourMoves(pos, dx, dy, depth, false))
            return 1;
    return 0;
}

bool Board::searchColourMoveQualifies(CellPos pos, int dx, int dy, int depth)
{
    if (depth <= 1)
        return scanDirection(pos, dx, dy) != 0;
    MoveUndoRecord move(*this);
    move.apply(pos.x, pos.y, dx, dy);
    if (!move.applied())
        return false;
    CellPos unused;
    int unusedDx = 0;
    int unusedDy = 0;
    bool found = searchColourMoves(&unused, &unusedDx, &unusedDy, depth - 1, true) != 0;
    move.restore();
    return found;
}

int Board::searchColourMoves(CellPos* pos, int* dx, int* dy, int depth, bool stopAtFirst)
{
    static const int kDx[4] = {1, -1, 0, 0};
    static const int kDy[4] = {0, 0, 1, -1};
    CellPos start[PositionSet::kCapacity];
    int count = positions.size();
    for (int i = 0; i < count; i++)
        start[i] = positions[i];
    Array<Candidate> candidates;
    for (int i = 0; i < count; i++) {
        for (int d = 0; d < 4; d++) {
            if (!searchColourMoveQualifies(start[i], kDx[d], kDy[d], depth))
                continue;
            if (stopAtFirst)
                return 1;
            Candidate c;
            c.x = start[i].x;
            c.y = start[i].y;
            c.dx = kDx[d];
            c.dy = kDy[d];
            candidates.append(c);
        }
    }
    if (stopAtFirst || candidates.isEmpty())
        return 0;
    const Candidate& chosen = candidates[randomBelow(candidates.size())];
    *pos = CellPos{chosen.x, chosen.y};
    *dx = chosen.dx;
    *dy = chosen.dy;
    return 1;
}
