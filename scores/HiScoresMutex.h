#ifndef KELZO_SCORES_HISCORESMUTEX_H
#define KELZO_SCORES_HISCORESMUTEX_H

#include "Core/Mutex.h"

// Guards the fetcher's request fields and results (HiScoresFetcher). Lock
// order on the high-score screen: the screen's own mutex, the uploader's
// resultMutex, then this one.
extern Mutex gHiScoresMutex;

#endif
