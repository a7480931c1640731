#include "scores/HiScoresFetcher.h"

#include "Core/HttpRequest.h"
#include "Core/Platform.h"
#include "platform/ServerAddresses.h"
#include "scores/HiScoresMutex.h"
#include "scores/HiScoresUploader.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

HiScoresFetcher::HiScoresFetcher(HiScoresUploader& uploader) : ScoreWorker("HiScoresFetcher"), uploader_(uploader) {}

HiScoresFetcher::~HiScoresFetcher()
{
    shutDown();
}

void HiScoresFetcher::start(const String& myName, HiScoresListenerI* listener, int myScore, int slot, int timeFilter,
                            int maxRows)
{
    bool ownScoreSent = uploader_.isDone();  // its lock before ours, as on the screen
    MutexLock lock(&gHiScoresMutex);
    listener_ = listener;
    resultsReady_ = false;
    if (gSettings && !gSettings->switchA) {
        resultsReady_ = true;
        return;
    }
    ScoreQuery query;
    query.host = String(gScoreServerHost);
    query.slot = slot;
    query.timeFilter = timeFilter;
    query.maxRows = maxRows;
    query.myScore = myScore;
    query.myName = myName;
    query.gameMode = gSettings ? gSettings->gameMode : 0;
    query.uniqueNames = gAbSettings.uhs == 1;
    query.ownScoreSent = ownScoreSent;
    query.deviceId = getUniqueDeviceId();
    if (query.gameMode == ScoreQuery::kFreePlay && myScore != -1 && !myName.isEmpty())
        gAbSettings.count(StatSubNameL);
    query_ = query;
    ++startCount_;
    wake();
}

void HiScoresFetcher::clearResults()
{
    MutexLock lock(&gHiScoresMutex);
    ++requestCounter_;
    rows_.clear();
    resultsReady_ = false;
}

void HiScoresFetcher::setListener(HiScoresListenerI* listener)
{
    MutexLock lock(&gHiScoresMutex);
    listener_ = listener;
}

bool HiScoresFetcher::serveOne()
{
    MutexLock lock(&gHiScoresMutex);
    if (servedStarts_ == startCount_)
        return false;
    for (;;) {
        // The fields as they are now; a start meanwhile is served by this copy.
        servedStarts_ = startCount_;
        ScoreQuery query = query_;
        int counter = requestCounter_;
        String url = fetchUrl(query, rows_.serverRowsStored());
        lock.unlock();

        String body;
        bool ok = false;
        bool failed = false;
        httpRequest(&body, url, String(), &ok, &failed, timeoutSeconds_, kAttempts, cancelFlag());

        lock.lock();
        if (isCancelled())
            return false;
        if (requestCounter_ != counter)
            continue;  // the results were cleared meanwhile: this reply is stale
        if (ok)
            rows_.storeReply(body, query.rankedScore(), query.myName);
        resultsReady_ = true;
        if (listener_)
            listener_->requestRedraw();
        return true;
    }
}
