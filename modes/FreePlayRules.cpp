#include "modes/FreePlayRules.h"

#include <initializer_list>

namespace {

using Ladder = std::initializer_list<int>;

// Ladders by "_fs_" (1..14) when "fph" is 4 or less; the others allow nothing.
const Ladder kSkipLadders[] = {
    {1, 1, 5, 10, 15}, {1, 4, 9, 15}, {1, 5, 10, 14}, {4, 9, 15}, {5, 10, 15}, {4, 12}, {5, 12},
    {1, 1, 5, 9, 13, 16}, {6, 13}, {6, 13}, {5, 12}, {4, 12}, {4, 10, 16}, {5, 12, 19},
};

// Ladders by "fph" 5..14; 15 and above share the last.
const Ladder kHintLadders[] = {
    {1, 1, 2, 10, 18}, {1, 2, 6, 12, 20}, {1, 1, 10, 18}, {1, 1, 4, 10, 18}, {1, 1, 7, 14},
    {1, 5, 10, 18}, {1, 6, 12, 20}, {1, 5, 15}, {1, 7, 15}, {1, 7}, {1, 5},
};

const int kFirstHintLadder = 5;
const int kLastHintLadder = 15;

int countReached(const Ladder& ladder, int level)
{
    int count = 0;
    for (int threshold : ladder)
        if (threshold <= level)
            ++count;
    return count;
}

// A row of level lengths for one "_lr_" value: the length of level 1, then
// the first level of each longer range, each range one puzzle longer than
// the one before, starting at `secondLength`.
struct LengthRow {
    int levelRepeats;
    int firstLength;
    int secondLength;
    Ladder rangeStarts;
};

const LengthRow kLengthRows[] = {
    {1, 2, 3, {2, 5, 9, 15}},
    {2, 2, 3, {2, 3, 7, 12, 16}},
    {4, 2, 3, {2, 3, 7, 10, 13, 16}},
    {5, 2, 3, {2, 3, 6, 9, 13, 16}},
    {6, 2, 3, {2, 3, 6, 9, 13}},
    {7, 2, 3, {2, 3, 4, 7, 11, 16}},
    {8, 2, 4, {2, 4, 7, 11, 16}},
    {9, 2, 4, {2, 3, 6, 10, 16}},
    {10, 3, 4, {2, 3, 6, 10, 16}},
};
// Every other value (0, 3, -1, ...).
const LengthRow kDefaultLengths = {-1, 2, 3, {2, 3, 5, 8, 12, 16}};

const LengthRow& lengthRow(int levelRepeats)
{
    for (const LengthRow& row : kLengthRows)
        if (row.levelRepeats == levelRepeats)
            return row;
    return kDefaultLengths;
}

} // namespace

int freePlayRequiredSolves(int level, int fph, int freeSkipsVariation)
{
    if (fph >= kFirstHintLadder) {
        int row = (fph < kLastHintLadder ? fph : kLastHintLadder) - kFirstHintLadder;
        return countReached(kHintLadders[row], level);
    }
    if (freeSkipsVariation < 1 || freeSkipsVariation > 14)
        return 0;
    return countReached(kSkipLadders[freeSkipsVariation - 1], level);
}

int freePlayLevelSize(int level, int levelRepeats)
{
    const LengthRow& row = lengthRow(levelRepeats);
    int ranges = countReached(row.rangeStarts, level);
    if (ranges == 0)
        return row.firstLength;
    return row.secondLength + ranges - 1;
}
