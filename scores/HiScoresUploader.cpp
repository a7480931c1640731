#include "scores/HiScoresUploader.h"

#include "Core/HttpRequest.h"
#include "Core/Platform.h"
#include "platform/ServerAddresses.h"
#include "scores/HiScoreTable.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

namespace {

// One try only: the server may have stored a score whose reply timed out.
const int kAttempts = 1;
const int kExitPollMs = 10;

} // namespace

HiScoresUploader::HiScoresUploader() : ScoreWorker("HiScoresUploader") {}

HiScoresUploader::~HiScoresUploader()
{
    shutDown();
}

bool HiScoresUploader::start(const HiScoreEntry& entry, int slot, HiScoresListenerI* listener,
                             HistorySampleSourceI* history)
{
    MutexLock lock(&resultMutex);
    if (!entry.pending || busy_ || done_ || isCancelled() || (gSettings && !gSettings->switchA))
        return false;
    ScoreSubmission s;
    s.host = String(gScoreServerHost);
    s.name = entry.name;
    s.score = entry.score;
    s.gameId = entry.gameId;
    s.slot = slot;
    s.gameMode = gSettings ? gSettings->gameMode : 0;
    s.deviceId = getUniqueDeviceId();
    if (history)
        s.historySample = history->historySample();
    gAbSettings.count(StatSubGlobalS);

    submission_ = s;
    entry_ = entry;
    listener_ = listener;
    rank_ = -1;
    failed_ = false;
    pendingToClear_ = false;
    busy_ = true;
    queued_ = true;
    wake();
    return true;
}

bool HiScoresUploader::serveOne()
{
    MutexLock lock(&resultMutex);
    if (!queued_)
        return false;
    queued_ = false;
    ScoreSubmission submission = submission_;
    lock.unlock();

    String body;
    bool ok = false;
    bool failed = false;
    httpRequest(&body, submitUrl(submission), submitBody(submission), &ok, &failed, timeoutSeconds_, kAttempts,
                cancelFlag());

    lock.lock();
    int rank = -1;
    bool accepted = ok && readSubmitReply(body, &rank);
    if (accepted) {
        rank_ = rank;
        entry_.pending = false;
        pendingToClear_ = true;
    }
    failed_ = !accepted;
    done_ = true;
    busy_ = false;
    if (listener_)
        listener_->requestRedraw();
    else if (idleListener_)
        idleListener_->requestRedraw();
    return true;
}

bool HiScoresUploader::applyResult(HiScoreTable& table)
{
    MutexLock lock(&resultMutex);
    if (!pendingToClear_)
        return false;
    pendingToClear_ = false;
    table.clearPending(submission_.slot);
    return true;
}

bool HiScoresUploader::finishBeforeExit(HiScoreTable& table, int waitMs)
{
    for (int waited = 0; waited < waitMs && isBusy(); waited += kExitPollMs)
        Thread::sleepMs(kExitPollMs);
    return applyResult(table);
}

bool HiScoresUploader::isDone()
{
    MutexLock lock(&resultMutex);
    return done_;
}

bool HiScoresUploader::hasFailed()
{
    MutexLock lock(&resultMutex);
    return failed_;
}

bool HiScoresUploader::isBusy()
{
    MutexLock lock(&resultMutex);
    return busy_;
}

int HiScoresUploader::rank()
{
    MutexLock lock(&resultMutex);
    return rank_;
}

HiScoreEntry HiScoresUploader::entry()
{
    MutexLock lock(&resultMutex);
    return entry_;
}

void HiScoresUploader::clearDone()
{
    MutexLock lock(&resultMutex);
    done_ = false;
}

void HiScoresUploader::setListener(HiScoresListenerI* listener)
{
    MutexLock lock(&resultMutex);
    listener_ = listener;
}

void HiScoresUploader::setIdleListener(HiScoresListenerI* listener)
{
    MutexLock lock(&resultMutex);
    idleListener_ = listener;
}

void HiScoresUploader::detach()
{
    MutexLock lock(&resultMutex);
    listener_ = nullptr;
    rank_ = -1;
}
