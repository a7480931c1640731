#pragma once

#include <pthread.h>

// A recursive mutex: the thread that holds it may lock it again (and unlocks as often).
// It is ready from construction, even for globals used before their constructor has run,
// so no first use races with another.
class Mutex {
public:
    constexpr Mutex() : mutex(PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP) {}
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    void lock();
    void unlock();
    bool tryLock();  // true when it is now held by the caller

private:
    pthread_mutex_t mutex;
};

// Scoped lock: every lock in the game is taken through one of these.
class MutexLock {
public:
    explicit MutexLock(Mutex* m, bool lockNow = true);
    ~MutexLock();
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;

    void lock();
    void unlock();

private:
    bool locked = false;
    Mutex* mutex;
};
