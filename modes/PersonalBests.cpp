#include "modes/PersonalBests.h"

Array<int32_t> gChallengeBests[3];
Array<int32_t> gFrenzyBests;

int firstLevelWithoutBest(const Array<int32_t>& bests, int from, int last, int past)
{
    for (int level = from; level <= last; level++)
        if (level < 0 || level >= bests.size() || bests[level] == -1)
            return level;
    return past;
}
