#ifndef KELZO_SCORES_HISCORESEXCHANGE_H
#define KELZO_SCORES_HISCORESEXCHANGE_H

#include "scores/HiScoresFetcher.h"
#include "scores/HiScoresMutex.h"
#include "scores/HiScoresUploader.h"

// The program's two score workers.
extern HiScoresUploader gHiScoresUploader;
extern HiScoresFetcher gHiScoresFetcher;

// For the application's shut-down: both requests in flight give up at once,
// then both threads are waited for. Returns within a fraction of a second
// whatever the server does.
void shutDownHiScoresExchange();

#endif
