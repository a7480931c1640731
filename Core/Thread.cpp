#include "Core/Thread.h"

#include "Core/Log.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <thread>

namespace {

const int kUnknownPriority = 15;

std::atomic<std::thread::id> gMainLoopThread{std::thread::id()};

int priorityOf(pthread_t thread)
{
    int policy = 0;
    sched_param param;
    if (pthread_getschedparam(thread, &policy, &param) != 0)
        return kUnknownPriority;
    return param.sched_priority;
}

void setPriorityOf(pthread_t thread, int priority)
{
    int policy = 0;
    sched_param param;
    if (pthread_getschedparam(thread, &policy, &param) != 0)
        return;
    param.sched_priority = priority;
    pthread_setschedparam(thread, policy, &param);  // refused for normal policies: fine
}

}  // namespace

Thread::Thread(const char* threadName) : name(threadName), handle() {}

Thread::~Thread()
{
    stopAndWait();
    // Never let the object go while its thread still runs, however long run() takes to notice.
    if (joinable) {
        pthread_join(handle, nullptr);
        joinable = false;
    }
}

bool Thread::start(int priority, int /*flag*/)
{
    if (running)
        return false;
    joinIfFinished();
    running = true;
    int error = pthread_create(&handle, nullptr, &Thread::entry, this);
    if (error != 0) {
        running = false;
        logPrintf("ERR", "cannot start thread %s (%s)", name ? name : "?", strerror(error));
        return false;
    }
    joinable = true;
    if (name) {
        char shortName[16];  // the kernel keeps 15 bytes of a thread name
        std::strncpy(shortName, name, sizeof shortName - 1);
        shortName[sizeof shortName - 1] = 0;
        pthread_setname_np(handle, shortName);
    }
    setPriorityOf(handle, priority);
    return true;
}

void* Thread::entry(void* self)
{
    Thread* thread = static_cast<Thread*>(self);
    thread->run();
    thread->running = false;
    return nullptr;
}

void Thread::requestStop() { stopRequested = true; }

bool Thread::isStopRequested() const { return stopRequested; }

bool Thread::isRunning() const { return running; }

void Thread::stopAndWait()
{
    stopRequested = true;
    for (int nap = 2; nap <= 300 && running; ++nap)
        sleepMs(nap);
    if (!running) {
        stopRequested = false;
        joinIfFinished();
    }
}

void Thread::joinIfFinished()
{
    if (joinable && !running) {
        pthread_join(handle, nullptr);
        joinable = false;
    }
}

int Thread::getPriority() const { return joinable ? priorityOf(handle) : kUnknownPriority; }

void Thread::setPriority(int priority)
{
    if (joinable)
        setPriorityOf(handle, priority);
}

int Thread::currentPriority() { return priorityOf(pthread_self()); }

void Thread::setCurrentPriority(int priority) { setPriorityOf(pthread_self(), priority); }

pthread_t Thread::currentThread() { return pthread_self(); }

timespec Thread::msToTimespec(int ms)
{
    timespec t;
    t.tv_sec = ms / 1000;
    t.tv_nsec = (ms % 1000) * 1000000L;
    return t;
}

void Thread::sleepMs(int ms)
{
    if (ms <= 0)
        return;
    timespec left = msToTimespec(ms);
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

void setMainLoopThread(bool running) { gMainLoopThread = running ? std::this_thread::get_id() : std::thread::id(); }

bool onMainLoopThread() { return gMainLoopThread.load() == std::this_thread::get_id(); }
