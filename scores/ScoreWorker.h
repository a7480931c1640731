#ifndef KELZO_SCORES_SCOREWORKER_H
#define KELZO_SCORES_SCOREWORKER_H

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "Core/Thread.h"

// A worker thread for the score exchange. It starts with the first request
// and then stays, serving whatever its subclass has queued and sleeping on a
// signal in between. A request that comes while a pass ends is therefore
// served, never lost to a thread that was just about to stop.
//
// Shut-down sets the cancel flag before it waits: a request in flight (see
// httpRequest's cancel) gives up within 100 ms, so exit never waits on a
// server that does not answer.
class ScoreWorker : public Thread {
public:
    explicit ScoreWorker(const char* name);
    ~ScoreWorker() override;

    // No request starts from now on and the one in flight gives up. Does not wait.
    void cancel();
    // cancel(), then waits for the thread to end. A subclass's destructor
    // calls it, before its own members go.
    void shutDown();
    bool isCancelled() const { return cancelled_; }

protected:
    // Asks for a pass; starts the thread the first time. Ignored once cancelled.
    void wake();
    // On the worker thread: one piece of queued work; false when there was none.
    virtual bool serveOne() = 0;
    const std::atomic<bool>* cancelFlag() const { return &cancelled_; }

private:
    void run() override;
    bool mustEnd() const { return cancelled_ || isStopRequested(); }

    std::mutex wakeMutex_;
    std::condition_variable wakeSignal_;
    unsigned wakeCount_ = 0;
    std::atomic<bool> cancelled_{false};
};

#endif
