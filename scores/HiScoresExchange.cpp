#include "scores/HiScoresExchange.h"

// One file, so the uploader is made before the fetcher that refers to it and
// goes after it.
Mutex gHiScoresMutex;
HiScoresUploader gHiScoresUploader;
HiScoresFetcher gHiScoresFetcher(gHiScoresUploader);

void shutDownHiScoresExchange()
{
    gHiScoresFetcher.cancel();
    gHiScoresUploader.cancel();
    gHiScoresFetcher.shutDown();
    gHiScoresUploader.shutDown();
}
