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
    if (lines.rowListCount == 0 && lines.columnListCount == 0)
        return true;
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int i = 0; i < count; i++) {
        const CellPos& p = positions[i];
        minX = p.x < minX ? p.x : minX;
        maxX = p.x > maxX ? p.x : maxX;
        minY = p.y < minY ? p.y : minY;
        maxY = p.y > maxY ? p.y : maxY;
    }
    // A box two cells wide or high can never be brought down to one furball.
    if (maxX - minX == 1 || maxY - minY == 1)
        return true;

    for (int c = 0; c < count; c++) {
        const CellPos& corner = positions[c];
        if ((corner.x != minX && corner.x != maxX) || (corner.y != minY && corner.y != maxY))
            continue;
        int inRow = lines.rowCount[corner.y];
        int inColumn = lines.columnCount[corner.x];
        if (inRow == 1 && inColumn == 1)
            return true;
        int minXo = 9999, maxXo = -1, minYo = 9999, maxYo = -1;
        for (int i = 0; i < count; i++) {
            const CellPos& p = positions[i];
            if (p.y != corner.y) {
                minXo = p.x < minXo ? p.x : minXo;
                maxXo = p.x > maxXo ? p.x : maxXo;
            }
            if (p.x != corner.x) {
                minYo = p.y < minYo ? p.y : minYo;
                maxYo = p.y > maxYo ? p.y : maxYo;
            }
        }
        const int8_t* rowX = lines.rowX[corner.y];
        const int8_t* columnY = lines.columnY[corner.x];

        bool rowOneSided = false;
        if (inRow >= 2) {
            if (maxXo == -1)
                return maxX - minX + 1 == count;
            if (!(inRow == 2 && rowX[1] - rowX[0] == 1)) {
                bool allBefore = true, allAfter = true;
                for (int i = 0; i < inRow; i++) {
                    allBefore = allBefore && rowX[i] <= minXo;
                    allAfter = allAfter && rowX[i] >= maxXo;
                }
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
        bool allBefore = true, allAfter = true;
        for (int i = 0; i < inColumn; i++) {
            allBefore = allBefore && columnY[i] <= minYo;
            allAfter = allAfter && columnY[i] >= maxYo;
        }
        if (allBefore || allAfter)
            return true;
    }
    return false;
}

SolvabilitySearch::SolvabilitySearch()
{
    table_.setSize(1 << kTableBits);
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
    if (++examined_ > kMaxPositions)
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
