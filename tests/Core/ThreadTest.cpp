#include "Core/Mutex.h"
#include "Core/Thread.h"

#include <atomic>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

// Counts its rounds until asked to stop.
class CountingThread : public Thread {
public:
    CountingThread() : Thread("CountingTest") {}
    ~CountingThread() override { stopAndWait(); }
    std::atomic<int> rounds{0};
    std::atomic<int> runs{0};

protected:
    void run() override
    {
        ++runs;
        while (!isStopRequested()) {
            ++rounds;
            sleepMs(1);
        }
    }
};

// Waits until `condition` holds, for at most about two seconds.
template <typename Condition>
bool waitFor(Condition condition)
{
    for (int i = 0; i < 2000 && !condition(); ++i)
        Thread::sleepMs(1);
    return condition();
}

}  // namespace

TEST(Thread, StopWithoutStartReturnsAtOnceAndClearsTheRequest)
{
    CountingThread t;
    t.stopAndWait();
    EXPECT_FALSE(t.isRunning());
    EXPECT_FALSE(t.isStopRequested());
    EXPECT_EQ(t.runs, 0);
}

TEST(Thread, RunsUntilStoppedAndCanBeStartedAgain)
{
    CountingThread t;
    ASSERT_TRUE(t.start(15, 1));
    EXPECT_TRUE(t.isRunning());
    ASSERT_TRUE(waitFor([&] { return t.rounds > 0; }));
    t.stopAndWait();
    EXPECT_FALSE(t.isRunning());
    EXPECT_FALSE(t.isStopRequested());

    int roundsAfterStop = t.rounds;
    ASSERT_TRUE(t.start(15, 1));
    ASSERT_TRUE(waitFor([&] { return t.rounds > roundsAfterStop; }));
    t.stopAndWait();
    EXPECT_EQ(t.runs, 2);
}

TEST(Thread, SecondStartWhileRunningIsRefused)
{
    CountingThread t;
    ASSERT_TRUE(t.start(15, 1));
    EXPECT_FALSE(t.start(15, 1));
    EXPECT_TRUE(t.isRunning());
    t.stopAndWait();
    EXPECT_EQ(t.runs, 1);
}

TEST(Thread, DestructorStopsAndJoinsTheThread)
{
    std::atomic<int>* rounds = nullptr;
    {
        CountingThread t;
        rounds = &t.rounds;
        ASSERT_TRUE(t.start(15, 1));
        ASSERT_TRUE(waitFor([&] { return *rounds > 0; }));
    }
    // Under AddressSanitizer a thread still touching the dead object would be reported here.
    Thread::sleepMs(5);
}

TEST(Thread, AThreadThatCannotBeMadeIsNotLeftRunning)
{
#ifdef KELZO_SANITIZED
    GTEST_SKIP() << "the sanitizer's own address space is far above any limit this test sets";
#else
    // In a child whose address space has no room for more thread stacks, pthread_create fails.
    pid_t child = fork();
    if (child == 0) {
        long pages = 0;
        FILE* statm = fopen("/proc/self/statm", "r");
        if (!statm || fscanf(statm, "%ld", &pages) != 1)
            _exit(2);
        fclose(statm);
        rlim_t room = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + 1024 * 1024;
        struct rlimit limit = {room, room};
        if (setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(3);
        // Stacks of threads that ended are kept for reuse; once those are taken, no new one fits.
        CountingThread threads[64];
        CountingThread* refused = nullptr;
        for (CountingThread& t : threads) {
            if (!t.start(15, 1)) {
                refused = &t;
                break;
            }
        }
        if (!refused)
            _exit(4);
        if (refused->isRunning())
            _exit(5);
        refused->stopAndWait();  // returns at once: there is nothing to wait for
        _exit(refused->isRunning() || refused->isStopRequested() ? 6 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

TEST(Thread, SleepSplitsMillisecondsIntoSecondsAndNanoseconds)
{
    timespec t = Thread::msToTimespec(1500);
    EXPECT_EQ(t.tv_sec, 1);
    EXPECT_EQ(t.tv_nsec, 500000000L);
    t = Thread::msToTimespec(999);
    EXPECT_EQ(t.tv_sec, 0);
    EXPECT_EQ(t.tv_nsec, 999000000L);
}

namespace {

// Tries the mutex from another thread and reports whether it was free.
class TryLockThread : public Thread {
public:
    explicit TryLockThread(Mutex* m) : Thread("TryLockTest"), mutex(m) {}
    ~TryLockThread() override { stopAndWait(); }
    Mutex* mutex;
    std::atomic<int> result{-1};

protected:
    void run() override
    {
        bool got = mutex->tryLock();
        if (got)
            mutex->unlock();
        result = got ? 1 : 0;
    }
};

bool freeForOtherThreads(Mutex* m)
{
    TryLockThread probe(m);
    EXPECT_TRUE(probe.start(15, 1));
    EXPECT_TRUE(waitFor([&] { return probe.result >= 0; }));
    return probe.result == 1;
}

// Adds to a shared counter under the lock, many times.
class AddingThread : public Thread {
public:
    AddingThread(Mutex* m, int* c) : Thread("AddingTest"), mutex(m), counter(c) {}
    ~AddingThread() override { stopAndWait(); }
    Mutex* mutex;
    int* counter;

protected:
    void run() override
    {
        for (int i = 0; i < 20000; ++i) {
            MutexLock lock(mutex, true);
            MutexLock again(mutex, true);  // recursive: the same thread may take it twice
            *counter += 1;
        }
    }
};

}  // namespace

TEST(Mutex, SameThreadLocksTwiceAndTwoUnlocksFreeIt)
{
    Mutex m;
    m.lock();
    m.lock();
    m.unlock();
    EXPECT_FALSE(freeForOtherThreads(&m));
    m.unlock();
    EXPECT_TRUE(freeForOtherThreads(&m));
}

TEST(Mutex, ScopedLockHoldsOnlyWhatItTook)
{
    Mutex m;
    {
        MutexLock lock(&m, false);
        EXPECT_TRUE(freeForOtherThreads(&m));
        lock.lock();
        lock.lock();  // a repeated lock must not leave a hold behind
        EXPECT_FALSE(freeForOtherThreads(&m));
        lock.unlock();
        EXPECT_TRUE(freeForOtherThreads(&m));
        lock.lock();
    }
    EXPECT_TRUE(freeForOtherThreads(&m));

    m.lock();
    { MutexLock notLocking(&m, false); }  // must not release the caller's hold
    EXPECT_FALSE(freeForOtherThreads(&m));
    m.unlock();
}

TEST(Mutex, GuardsACounterAgainstFourThreads)
{
    Mutex m;
    int counter = 0;
    {
        AddingThread a(&m, &counter), b(&m, &counter), c(&m, &counter), d(&m, &counter);
        for (AddingThread* t : {&a, &b, &c, &d})
            ASSERT_TRUE(t->start(15, 1));
        for (AddingThread* t : {&a, &b, &c, &d})
            t->stopAndWait();
    }
    EXPECT_EQ(counter, 80000);
}
