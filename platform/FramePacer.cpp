#include "platform/FramePacer.h"

#include <time.h>

#include "Core/Thread.h"

int64_t FramePacer::nowUs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

int64_t FramePacer::waitUs(int64_t nowUs, int64_t nextFrameUs)
{
    return nowUs < nextFrameUs ? nextFrameUs - nowUs : 0;
}

int64_t FramePacer::nextDueUs(int64_t startUs, int64_t previousDueUs)
{
    const int64_t onTime = previousDueUs + kFrameUs;
    return startUs - previousDueUs > kFrameUs ? startUs + kFrameUs : onTime;
}

void FramePacer::beforeFrame()
{
    int64_t now = nowUs();
    const int64_t wait = waitUs(now, nextFrameUs_);
    if (wait > 0) {
        timespec rest = {time_t(wait / 1000000), long(wait % 1000000) * 1000};
        while (nanosleep(&rest, &rest) != 0) {
        }
        now = nowUs();
    }
    nextFrameUs_ = nextDueUs(now, nextFrameUs_);
}

void FramePacer::noteActivity() { lastActivityUs_ = nowUs(); }

int FramePacer::restMs(int64_t nowUs, int64_t lastActivityUs)
{
    return nowUs - lastActivityUs < kDeepIdleAfterUs ? kIdleRestMs : kDeepIdleRestMs;
}

void FramePacer::idlePass() { Thread::sleepMs(restMs(nowUs(), lastActivityUs_)); }
