#include "board/SolutionSearch.h"

#include <cstdlib>

namespace {

inline bool occupied(uint64_t occupancy, int x, int y)
{
    return isPlayableCell(x, y) && ((occupancy >> (x * 8 + y)) & 1);
}

const uint64_t kOccupancyMask = (uint64_t(1) << 56) - 1;
const int kGenerationShift = 56;
const uint64_t kSolvableBit = uint64_t(1) << 62;

uint64_t mix(uint64_t key)
{
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    return key;
}

} // namespace

void LineTables::build(const CellPos* positions, int count)
{
    for (int y = 0; y < 8; y++)
        rowCount[y] = 0;
    for (int x = 0; x < 7; x++)
        columnCount[x] = 0;
    rowListCount = 0;
    columnListCount = 0;
    for (int i = 0; i < count; i++) {
        const CellPos& p = positions[i];
        rowX[p.y][rowCount[p.y]++] = int8_t(p.x);
        if (rowCount[p.y] == 2)
            rowList[rowListCount++] = int8_t(p.y);
        columnY[p.x][columnCount[p.x]++] = int8_t(p.y);
        if (columnCount[p.x] == 2)
            columnList[columnListCount++] = int8_t(p.x);
    }
}

bool isDeadEndPosition(const LineTables& lines, const CellPos* positions, int count)
{
    (void)positions;
    if (lines.rowListCount == 0 && lines.columnListCount == 0)
        return true;
    // The box, and per line its first and last furball.
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 8; y++) {
        if (lines.rowCount[y] == 0)
            continue;
        minY = y < minY ? y : minY;
        maxY = y;
        int first = lines.rowX[y][0], last = lines.rowX[y][lines.rowCount[y] - 1];
        minX = first < minX ? first : minX;
        maxX = last > maxX ? last : maxX;
    }
    // A box two cells wide or high can never be brought down to one furball.
    if (maxX - minX == 1 || maxY - minY == 1)
        return true;

    // The furballs on the box's corners, in set order (x, then y).
    const int cornerX[4] = {minX, minX, maxX, maxX};
    const int cornerY[4] = {minY, maxY, minY, maxY};
    for (int c = 0; c < 4; c++) {
        if ((c == 1 || c == 3) && minY == maxY)
            continue;
        if (c >= 2 && minX == maxX)
            continue;
        CellPos corner{cornerX[c], cornerY[c]};
        int inRow = lines.rowCount[corner.y];
        int inColumn = lines.columnCount[corner.x];
        const int8_t* rowX = lines.rowX[corner.y];
        const int8_t* columnY = lines.columnY[corner.x];
        bool present = false;
        for (int i = 0; i < inRow && !present; i++)
            present = rowX[i] == corner.x;
        if (!present)
            continue;
        if (inRow == 1 && inColumn == 1)
            return true;
        // Least and greatest x outside the corner's row, y outside its column.
        int minXo = 9999, maxXo = -1, minYo = 9999, maxYo = -1;
        for (int y = 0; y < 8; y++) {
            if (y == corner.y || lines.rowCount[y] == 0)
                continue;
            int first = lines.rowX[y][0], last = lines.rowX[y][lines.rowCount[y] - 1];
            minXo = first < minXo ? first : minXo;
            maxXo = last > maxXo ? last : maxXo;
        }
        for (int x = 0; x < 7; x++) {
            if (x == corner.x || lines.columnCount[x] == 0)
                continue;
            int first = lines.columnY[x][0], last = lines.columnY[x][lines.columnCount[x] - 1];
            minYo = first < minYo ? first : minYo;
            maxYo = last > maxYo ? last : maxYo;
        }

        bool rowOneSided = false;
        if (inRow >= 2) {
            if (maxXo == -1)
                return maxX - minX + 1 == count;
            if (!(inRow == 2 && rowX[1] - rowX[0] == 1)) {
                bool allBefore = rowX[inRow - 1] <= minXo;
                bool allAfter = rowX[0] >= maxXo;
                if (!allBefore && !allAfter)
                    continue;
                rowOneSided = true;
            }
        }
        if (inColumn <= 1)
            return true;
        if (maxYo == -1)
            return maxY - minY + 1 == count;
        if (inColumn == 2 && columnY[1] - columnY[0] == 1)
            return true;
        if (rowOneSided)
            continue;
        if (columnY[inColumn - 1] <= minYo || columnY[0] >= maxYo)
            return true;
    }
    return false;
}

SolvabilitySearch::SolvabilitySearch(int maxPositions, int tableBits) : maxPositions_(maxPositions)
{
    table_.setSize(1 << tableBits);
    for (uint64_t& slot : table_)
        slot = 0;
}

uint64_t SolvabilitySearch::occupancyOf(const PositionSet& positions)
{
    uint64_t occupancy = 0;
    for (const CellPos& p : positions)
        occupancy |= bitOf(p.x, p.y);
    return occupancy;
}

uint64_t SolvabilitySearch::applyThrow(uint64_t occupancy, int x, int y, int dx, int dy)
{
    occupancy &= ~bitOf(x, y);
    for (int cx = x + dx, cy = y + dy; isPlayableCell(cx, cy); cx += dx, cy += dy) {
        if (!occupied(occupancy, cx, cy))
            continue;
        occupancy |= bitOf(cx - dx, cy - dy);
        occupancy &= ~bitOf(cx, cy);
    }
    return occupancy;
}

bool SolvabilitySearch::isLegalThrow(uint64_t occupancy, int x, int y, int dx, int dy)
{
    int cx = x + dx, cy = y + dy;
    if (!isPlayableCell(cx, cy) || occupied(occupancy, cx, cy))
        return false;
    while (isPlayableCell(cx, cy) && !occupied(occupancy, cx, cy)) {
        cx += dx;
        cy += dy;
    }
    return isPlayableCell(cx, cy);
}

void SolvabilitySearch::clear()
{
    // Generations 1..63 tell this hint's answers from older ones; after the
    // last one the table is wiped.
    generation_++;
    if (generation_ > 63) {
        for (uint64_t& slot : table_)
            slot = 0;
        generation_ = 1;
    }
    stored_ = 0;
    examined_ = 0;
}

bool SolvabilitySearch::lookup(uint64_t key, bool* answer) const
{
    int mask = table_.size() - 1;
    for (int i = int(mix(key) & uint64_t(mask));; i = (i + 1) & mask) {
        uint64_t slot = table_[i];
        if ((slot >> kGenerationShift & 63) != generation_)
            return false;
        if ((slot & kOccupancyMask) == key) {
            *answer = (slot & kSolvableBit) != 0;
            return true;
        }
    }
}

void SolvabilitySearch::store(uint64_t key, bool answer)
{
    // Keep the table at most three quarters full; further answers are simply not kept.
    if (stored_ >= table_.size() / 4 * 3)
        return;
    int mask = table_.size() - 1;
    for (int i = int(mix(key) & uint64_t(mask));; i = (i + 1) & mask) {
        uint64_t& slot = table_[i];
        if ((slot >> kGenerationShift & 63) != generation_) {
            slot = key | (generation_ << kGenerationShift) | (answer ? kSolvableBit : 0);
            stored_++;
            return;
        }
        if ((slot & kOccupancyMask) == key)
            return;
    }
}

bool SolvabilitySearch::solvable(uint64_t occupancy)
{
    int count = __builtin_popcountll(occupancy);
    if (count == 2) {
        int first = __builtin_ctzll(occupancy);
        int second = 63 - __builtin_clzll(occupancy);
        int ax = first >> 3, ay = first & 7, bx = second >> 3, by = second & 7;
        return (ay == by && std::abs(ax - bx) >= 2) || (ax == bx && std::abs(ay - by) >= 2);
    }
    if (count < 2)
        return false;
    bool answer = false;
    if (lookup(occupancy, &answer))
        return answer;
    if (++examined_ > maxPositions_)
        return false;
    CellPos positions[56];
    int n = 0;
    for (uint64_t rest = occupancy; rest; rest &= rest - 1) {
        int bit = __builtin_ctzll(rest);
        positions[n++] = CellPos{bit >> 3, bit & 7};
    }
    LineTables lines;
    lines.build(positions, n);
    answer = !isDeadEndPosition(lines, positions, n) && anyThrowSolves(occupancy, lines);
    store(occupancy, answer);
    return answer;
}

bool SolvabilitySearch::anyThrowSolves(uint64_t occupancy, const LineTables& lines)
{
    return forEachSearchThrow(lines, [&](int x, int y, int dx, int dy) {
        return solvable(applyThrow(occupancy, x, y, dx, dy));
    });
}

bool SolvabilitySearch::firstSolvingThrow(uint64_t occupancy, CellPos* pos, int* dx, int* dy)
{
    static const int kDx[4] = {1, -1, 0, 0};
    static const int kDy[4] = {0, 0, -1, 1};
    clear();
    for (uint64_t rest = occupancy; rest; rest &= rest - 1) {
        int bit = __builtin_ctzll(rest);
        int x = bit >> 3, y = bit & 7;
        for (int d = 0; d < 4; d++) {
            if (!isLegalThrow(occupancy, x, y, kDx[d], kDy[d]))
                continue;
            // A way found is real; a "no" after the budget ran out is not known.
            bool solves = solvable(applyThrow(occupancy, x, y, kDx[d], kDy[d]));
            if (!solves && exhausted())
                return false;
            if (solves) {
                *pos = CellPos{x, y};
                *dx = kDx[d];
                *dy = kDy[d];
                return true;
            }
        }
    }
    return false;
}
