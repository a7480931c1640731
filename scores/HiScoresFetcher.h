#ifndef KELZO_SCORES_HISCORESFETCHER_H
#define KELZO_SCORES_HISCORESFETCHER_H

#include "scores/HiScoreRows.h"
#include "scores/HiScoresListenerI.h"
#include "scores/ScoreQuery.h"
#include "scores/ScoreWorker.h"

class HiScoresUploader;

// Downloads the online list of a slot, page by page, on its own thread
// ("HiScoresFetcher"), optionally with the player's rank and own row.
//
// Everything but the thread's private copy is guarded by gHiScoresMutex:
// start() stores the request fields under it, each pass copies them under
// it and works on the copy, and the results are read under it. A
// clearResults() during a request makes the pass drop that reply and ask
// again with the fields as they are then; a start() during a pass is served
// by the next one.
//
//     { MutexLock lock(&gHiScoresMutex); gHiScoresFetcher.start(name, this, score, slot, 2, 51); }
//     ... later, under gHiScoresMutex: if (gHiScoresFetcher.resultsReady()) show results().rows
class HiScoresFetcher : public ScoreWorker {
public:
    static constexpr int kTimeoutSeconds = 25;
    static constexpr int kAttempts = 2;

    explicit HiScoresFetcher(HiScoresUploader& uploader);
    ~HiScoresFetcher() override;

    // Asks for `maxRows` rows in all (the ones stored stay, the rest is
    // asked for). Reads the settings, the experiment "uhs", the device id,
    // the score server's host and whether the uploader is done, here, on the
    // caller's thread. With online scores switched off nothing is sent: the
    // fetch ends at once with no rows.
    void start(const String& myName, HiScoresListenerI* listener, int myScore, int slot, int timeFilter, int maxRows);
    // Forgets the rows and the rank; a reply on its way is dropped.
    void clearResults();
    void setListener(HiScoresListenerI* listener);

    // Read under gHiScoresMutex.
    bool resultsReady() const { return resultsReady_; }
    const HiScoreRows& results() const { return rows_; }
    HiScoreRows& results() { return rows_; }
    int requestCounter() const { return requestCounter_; }

    // Tests shorten the wait for a server that does not answer.
    void setTimeout(int seconds) { timeoutSeconds_ = seconds; }

private:
    bool serveOne() override;

    HiScoresUploader& uploader_;
    ScoreQuery query_;
    HiScoresListenerI* listener_ = nullptr;
    unsigned startCount_ = 0;
    unsigned servedStarts_ = 0;
    int requestCounter_ = 0;
    bool resultsReady_ = false;
    HiScoreRows rows_;
    int timeoutSeconds_ = kTimeoutSeconds;
};

#endif
