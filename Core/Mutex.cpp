#include "Core/Mutex.h"

Mutex::~Mutex() { pthread_mutex_destroy(&mutex); }

void Mutex::lock() { pthread_mutex_lock(&mutex); }

void Mutex::unlock() { pthread_mutex_unlock(&mutex); }

bool Mutex::tryLock() { return pthread_mutex_trylock(&mutex) == 0; }

MutexLock::MutexLock(Mutex* m, bool lockNow) : mutex(m)
{
    if (lockNow)
        lock();
}

MutexLock::~MutexLock()
{
    if (locked)
        unlock();
}

void MutexLock::lock()
{
    if (locked)
        return;  // a second lock here would never be undone by the destructor
    mutex->lock();
    locked = true;
}

void MutexLock::unlock()
{
    if (!locked)
        return;
    mutex->unlock();
    locked = false;
}
