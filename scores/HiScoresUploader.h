#ifndef KELZO_SCORES_HISCORESUPLOADER_H
#define KELZO_SCORES_HISCORESUPLOADER_H

#include "Core/Mutex.h"
#include "scores/HiScoreEntry.h"
#include "scores/HiScoresListenerI.h"
#include "scores/HistorySampleSourceI.h"
#include "scores/ScoreSubmission.h"
#include "scores/ScoreWorker.h"

class HiScoreTable;

// Sends one pending score to the score server on its own thread
// ("HiScoresUploader") and reports done, failed and the online rank under
// resultMutex.
//
// The upload works on its own copy of the entry and of everything it sends,
// taken on the caller's thread when it starts, so the screen that started it
// may go at any time. It makes a single attempt: a retry after a time-out
// could store the score twice. The table's pending flags are cleared on the
// main thread, by applyResult(), never by the worker: the application calls
// it every frame, so an accepted score stops waiting whether or not a screen
// still looks at the upload, and finishBeforeExit() before the table's last
// save, so a quit does not leave an accepted score to be sent again.
//
//     gHiScoresUploader.start(*entry, slot, this, gGame);
//     ... each frame: gHiScoresUploader.applyResult(table); if done: show rank or the failure
class HiScoresUploader : public ScoreWorker {
public:
    static constexpr int kTimeoutSeconds = 25;

    HiScoresUploader();
    ~HiScoresUploader() override;

    // Starts sending a copy of `entry` for `slot` when the entry is pending,
    // online scores are switched on and no upload is running or waits to be
    // cleared (done). Takes the history sample, the device id, the game mode
    // and the score server's host here. True when it started.
    bool start(const HiScoreEntry& entry, int slot, HiScoresListenerI* listener, HistorySampleSourceI* history);

    // Main thread: after an accepted upload, clears the pending flags of its
    // slot in `table`, once. True when it did.
    bool applyResult(HiScoreTable& table);
    // Main thread, at exit: gives an upload in flight up to `waitMs` to end,
    // then applyResult(). True when an accepted upload was applied.
    bool finishBeforeExit(HiScoreTable& table, int waitMs);

    // Under resultMutex (taken here; the screen may hold it already).
    bool isDone();
    bool hasFailed();
    bool isBusy();                 // started, not done yet
    int rank();                    // online rank of the accepted score, -1 none
    HiScoreEntry entry();          // the copy being (or last) sent
    void clearDone();              // a new screen may upload again
    void setListener(HiScoresListenerI* listener);
    // The listener goes (screen closed, game paused): no call reaches it, rank forgotten.
    // The idle listener (the application's frame request) is told instead.
    void detach();
    // Told when an upload ends while no screen listens, so the application's
    // next frame comes and applies the result.
    void setIdleListener(HiScoresListenerI* listener);

    void setTimeout(int seconds) { timeoutSeconds_ = seconds; }

    Mutex resultMutex;

private:
    bool serveOne() override;

    HiScoresListenerI* listener_ = nullptr;
    HiScoresListenerI* idleListener_ = nullptr;
    HiScoreEntry entry_;
    ScoreSubmission submission_;
    bool queued_ = false;
    bool busy_ = false;
    bool done_ = false;
    bool failed_ = false;
    bool pendingToClear_ = false;
    int rank_ = -1;
    int timeoutSeconds_ = kTimeoutSeconds;
};

#endif
