#include "scores/ScoreWorker.h"

#include <chrono>

namespace {

const int kPriority = 15;
// The idle wait also looks at the stop request this often.
const std::chrono::milliseconds kIdleSlice(100);

} // namespace

ScoreWorker::ScoreWorker(const char* name) : Thread(name) {}

ScoreWorker::~ScoreWorker()
{
    shutDown();
}

void ScoreWorker::wake()
{
    {
        std::lock_guard<std::mutex> lock(wakeMutex_);
        if (cancelled_)
            return;
        ++wakeCount_;
        if (!isRunning())
            start(kPriority, 1);
    }
    wakeSignal_.notify_all();
}

void ScoreWorker::cancel()
{
    {
        std::lock_guard<std::mutex> lock(wakeMutex_);
        cancelled_ = true;
    }
    wakeSignal_.notify_all();
}

void ScoreWorker::shutDown()
{
    cancel();
    stopAndWait();
}

void ScoreWorker::run()
{
    unsigned seen = 0;
    while (!mustEnd()) {
        while (!mustEnd() && serveOne()) {
        }
        std::unique_lock<std::mutex> lock(wakeMutex_);
        wakeSignal_.wait_for(lock, kIdleSlice, [&] { return wakeCount_ != seen || mustEnd(); });
        seen = wakeCount_;
    }
}
