#ifndef KELZO_MODES_PERSONALBESTS_H
#define KELZO_MODES_PERSONALBESTS_H

#include <cstdint>

#include "Core/Array.h"

// The player's best times by level: Challenge per difficulty 0..2 in whole
// seconds, Frenzy in ms; -1 (or no entry) for a level without one. The
// Challenge and Frenzy games fill and keep them.
extern Array<int32_t> gChallengeBests[3];
extern Array<int32_t> gFrenzyBests;

// The first level from `from` up to `last` that has no best; `past` when all have one.
int firstLevelWithoutBest(const Array<int32_t>& bests, int from, int last, int past);

#endif
