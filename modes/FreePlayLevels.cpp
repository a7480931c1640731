#include "modes/FreePlayLevels.h"

#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

struct Ladder {
    int count;
    int thresholds[6];
};

// By "_fs_" 1..14 while "fph" is 4 or less.
const Ladder kSkipLadders[14] = {
    {5, {1, 1, 5, 10, 15}}, {4, {1, 4, 9, 15}}, {4, {1, 5, 10, 14}}, {3, {4, 9, 15}}, {3, {5, 10, 15}},
    {2, {4, 12}},           {2, {5, 12}},       {6, {1, 1, 5, 9, 13, 16}}, {2, {6, 13}}, {2, {6, 13}},
    {2, {5, 12}},           {2, {4, 12}},       {3, {4, 10, 16}},     {3, {5, 12, 19}},
};

// By "fph" 5..14; 15 and above take the last.
const Ladder kFphLadders[11] = {
    {5, {1, 1, 2, 10, 18}}, {5, {1, 2, 6, 12, 20}}, {4, {1, 1, 10, 18}}, {5, {1, 1, 4, 10, 18}},
    {4, {1, 1, 7, 14}},     {4, {1, 5, 10, 18}},    {4, {1, 6, 12, 20}}, {3, {1, 5, 15}},
    {3, {1, 7, 15}},        {2, {1, 7}},            {2, {1, 5}},
};

// Level lengths: the first level of each range, then the lengths, by "_lr_".
struct LengthRow {
    int count;
    int firstLevels[7];
    int lengths[7];
};

const LengthRow kDefaultLengths = {7, {1, 2, 3, 5, 8, 12, 16}, {2, 3, 4, 5, 6, 7, 8}};
const LengthRow kLengthsByLr[11] = {
    kDefaultLengths,
    {5, {1, 2, 5, 9, 15}, {2, 3, 4, 5, 6}},
    {6, {1, 2, 3, 7, 12, 16}, {2, 3, 4, 5, 6, 7}},
    kDefaultLengths,
    {7, {1, 2, 3, 7, 10, 13, 16}, {2, 3, 4, 5, 6, 7, 8}},
    {7, {1, 2, 3, 6, 9, 13, 16}, {2, 3, 4, 5, 6, 7, 8}},
    {6, {1, 2, 3, 6, 9, 13}, {2, 3, 4, 5, 6, 7}},
    {7, {1, 2, 3, 4, 7, 11, 16}, {2, 3, 4, 5, 6, 7, 8}},
    {6, {1, 2, 4, 7, 11, 16}, {2, 4, 5, 6, 7, 8}},
    {6, {1, 2, 3, 6, 10, 16}, {2, 4, 5, 6, 7, 8}},
    {6, {1, 2, 3, 6, 10, 16}, {3, 4, 5, 6, 7, 8}},
};

} // namespace

int freePlayRequiredSolves(int level)
{
    const Ladder* ladder = nullptr;
    const int fph = gAbSettings.fph;
    if (fph <= 4) {
        const int fs = gSettings ? gSettings->freeSkipsVariation : 0;
        if (fs >= 1 && fs <= 14)
            ladder = &kSkipLadders[fs - 1];
    } else {
        ladder = &kFphLadders[fph >= 15 ? 10 : fph - 5];
    }
    int allowance = 0;
    for (int i = 0; ladder && i < ladder->count; i++)
        allowance += ladder->thresholds[i] <= level ? 1 : 0;
    return allowance;
}

int freePlayLevelSize(int level)
{
    const int lr = gSettings ? gSettings->levelRepeatsVariation : -1;
    const LengthRow& row = lr >= 0 && lr <= 10 ? kLengthsByLr[lr] : kDefaultLengths;
    int length = row.lengths[0];
    for (int i = 0; i < row.count; i++)
        if (level >= row.firstLevels[i])
            length = row.lengths[i];
    return length;
}
