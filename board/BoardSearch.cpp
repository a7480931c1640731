#include <cstdlib>

#include "board/Board.h"
#include "board/SolutionSearch.h"

// ---- stuck test and colour lines

int Board::hasPossibleMove() const
{
    for (int y = 0; y < kRows; y++) {
        int seen = 0;
        for (int x = 0; x < kColumns; x++) {
            if (colourAt(x, y) == 0)
                continue;
            if (x >= 1 && seen > 0 && colourAt(x - 1, y) == 0)
                return 1;
            seen++;
        }
    }
    for (int x = 0; x < kColumns; x++) {
        int seen = 0;
        for (int y = 0; y < kRows; y++) {
            if (colourAt(x, y) == 0)
                continue;
            if (y >= 1 && seen > 0 && colourAt(x, y - 1) == 0)
                return 1;
            seen++;
        }
    }
    return 0;
}

int Board::scanDirection(CellPos pos, int dx, int dy) const
{
    int colour = colourAt(pos.x, pos.y);
    bool met = false;
    int steps = 0;
    for (int x = pos.x + dx, y = pos.y + dy; isPlayableCell(x, y); x += dx, y += dy) {
        steps++;
        int here = colourAt(x, y);
        if (here == 0)
            continue;
        if (here != colour || steps == 1)
            return 0;
        met = true;
    }
    return met ? 1 : 0;
}

int Board::countColourMoves() const
{
    static const int kDx[4] = {1, -1, 0, 0};
    static const int kDy[4] = {0, 0, 1, -1};
    int count = 0;
    for (const CellPos& pos : positions)
        for (int d = 0; d < 4; d++)
            count += scanDirection(pos, kDx[d], kDy[d]);
    return count;
}

int32_t Board::hash() const
{
    uint32_t h = 0;
    for (int y = 0; y < kRows; y++)
        for (int x = 0; x < kColumns; x++)
            h = h * 13u + uint32_t(colourAt(x, y)) * 17u;
    for (const CellPos& pos : positions) {
        h = h * 13u + uint32_t(pos.x) * 17u;
        h = h * 13u + uint32_t(pos.y) * 17u;
    }
    return int32_t(h);
}

// ---- solution search

namespace {

SolvabilitySearch& search()
{
    static SolvabilitySearch instance;
    return instance;
}

} // namespace

bool lastSolvingSearchRanOut()
{
    return search().exhausted();
}

int Board::findSolvingMove(CellPos* pos, int* dx, int* dy)
{
    int count = positions.size();
    if (count < 2)
        return 0;
    if (count == 2) {
        int random = rand();
        CellPos a = positions[0];
        CellPos b = positions[1];
        if (std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1 || (a.x != b.x && a.y != b.y))
            return 0;
        CellPos thrower = (random & 1) ? a : b;
        CellPos other = (random & 1) ? b : a;
        *pos = thrower;
        *dx = other.x > thrower.x ? 1 : (other.x < thrower.x ? -1 : 0);
        *dy = other.y > thrower.y ? 1 : (other.y < thrower.y ? -1 : 0);
        return 1;
    }
    // The search is made for boards of up to 16 furballs; a larger board gets no hint.
    if (count > kMaxSearchFurballs)
        return 0;
    // Each throw is judged by the search on bit masks, which remembers
    // positions already answered and so finds the same first throw as the
    // search on the board itself (trySearchMove), only sooner.
    return search().firstSolvingThrow(SolvabilitySearch::occupancyOf(positions), pos, dx, dy) ? 1 : 0;
}

void Board::trySearchMove(CellPos pos, int dx, int dy, int& count)
{
    if (count > 1)
        return;
    int nx = pos.x + dx;
    int ny = pos.y + dy;
    if (!isPlayableCell(nx, ny) || colourAt(nx, ny) != 0)
        return;
    int wx = nx + dx;
    int wy = ny + dy;
    while (isPlayableCell(wx, wy) && colourAt(wx, wy) == 0) {
        wx += dx;
        wy += dy;
    }
    if (!isPlayableCell(wx, wy))
        return;

    // Apply in place: take the thrower off; each furball met is taken off and
    // a placeholder stands where its pusher stops; the last one leaves.
    // Every touched cell's 13 bytes are kept so the board comes back exactly.
    CellPos taken[8];
    BoardCell takenCells[8];
    CellPos placed[8];
    BoardCell placedWas[8];
    int takenCount = 0;
    int placedCount = 0;
    taken[takenCount] = pos;
    takenCells[takenCount++] = cellAt(pos.x, pos.y);
    removeFurballAt(pos.x, pos.y);
    for (int x = nx, y = ny; isPlayableCell(x, y); x += dx, y += dy) {
        if (colourAt(x, y) == 0)
            continue;
        taken[takenCount] = CellPos{x, y};
        takenCells[takenCount++] = cellAt(x, y);
        removeFurballAt(x, y);
        CellPos stop{x - dx, y - dy};
        placed[placedCount] = stop;
        placedWas[placedCount++] = cellAt(stop.x, stop.y);
        placeFurballAt(stop.x, stop.y, freshCell());
    }

    countSolutions(count);

    for (int i = 0; i < placedCount; i++)
        removeFurballAt(placed[i].x, placed[i].y);
    for (int i = placedCount - 1; i >= 0; i--)
        cellAt(placed[i].x, placed[i].y) = placedWas[i];
    for (int i = 0; i < takenCount; i++) {
        positions.insert(taken[i].x, taken[i].y);
        cellAt(taken[i].x, taken[i].y) = takenCells[i];
    }
}

void Board::countSolutions(int& count)
{
    int furballs = positions.size();
    if (furballs < 2)
        return;
    if (furballs == 2) {
        CellPos a = positions[0];
        CellPos b = positions[1];
        if ((a.y == b.y && std::abs(a.x - b.x) >= 2) || (a.x == b.x && std::abs(a.y - b.y) >= 2))
            count++;
        return;
    }
    LineTables lines;
    lines.build(positions.begin(), furballs);
    if (isDeadEndPosition(lines, positions.begin(), furballs))
        return;

    forEachSearchThrow(lines, [&](int x, int y, int dx, int dy) {
        trySearchMove(CellPos{x, y}, dx, dy, count);
        return count > 1;
    });
}
