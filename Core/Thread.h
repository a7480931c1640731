#pragma once

#include <atomic>
#include <ctime>
#include <pthread.h>

// A worker thread with a name, a stop request and a running flag. Subclasses put their loop in
// run(), poll isStopRequested() and return when it is set.
//
// The thread is joinable and is joined before the object goes, so it never runs on freed memory.
// A subclass whose run() uses its own members must call stopAndWait() in its own destructor: by the
// time ~Thread runs, those members are already gone.
class Thread {
public:
    explicit Thread(const char* name);
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts run() on a new thread with the given scheduling priority (ignored where the policy
    // has none). The flag is unused; callers pass 1. False when no thread could be made, or when
    // the previous run() of this object has not returned yet; the object is then not running.
    bool start(int priority, int flag = 1);
    void requestStop();
    bool isStopRequested() const;
    bool isRunning() const;
    // Asks run() to return and waits for it with growing naps of 2, 3, ... 300 ms (about 45 s at
    // most). The request is withdrawn only when the thread did stop.
    void stopAndWait();

    int getPriority() const;  // 15 when it cannot be read
    void setPriority(int priority);
    static int currentPriority();
    static void setCurrentPriority(int priority);
    static pthread_t currentThread();
    // The stop request as a flag a blocking call can watch (see httpRequest's cancel).
    const std::atomic<bool>* stopFlag() const { return &stopRequested; }

    // Sleeps the calling thread, going back to sleep for the rest after an interruption.
    static void sleepMs(int ms);
    static timespec msToTimespec(int ms);

    const char* name;  // not copied: callers pass string literals

protected:
    virtual void run() = 0;

private:
    static void* entry(void* self);
    void joinIfFinished();

    pthread_t handle;
    bool joinable = false;
    std::atomic<bool> stopRequested{false};
    std::atomic<bool> running{false};
};

// The main loop records its thread while it runs. Nothing there may block on the network: a
// blocking call checks onMainLoopThread() and says so in the log.
void setMainLoopThread(bool running);
bool onMainLoopThread();
