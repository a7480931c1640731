#include "Core/GameClock.h"

#include <cmath>
#include <ctime>

float gGameClockScale = 1.0f;
GameClock gGameClock;

namespace {

int32_t wrapped(uint32_t value) { return static_cast<int32_t>(value); }

}  // namespace

GameClock::GameClock() : startMs(wrapped(wallMs())) {}

uint32_t GameClock::wallMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    uint64_t ms = static_cast<uint64_t>(t.tv_sec) * 1000u + static_cast<uint64_t>(t.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

int32_t scaleElapsed(uint32_t rawElapsed, float scale)
{
    // Single precision on purpose: the game has always timed with it.
    float scaled = static_cast<float>(wrapped(rawElapsed)) * scale;
    if (!(std::fabs(scaled) < 9.0e18f))  // beyond int64, or not a number
        return 0;
    return wrapped(static_cast<uint32_t>(static_cast<int64_t>(scaled)));
}

int32_t GameClock::scaledElapsed() const
{
    return scaleElapsed(wallMs() - static_cast<uint32_t>(startMs), gGameClockScale);
}

int32_t GameClock::now() const
{
    int32_t base = paused ? pausedAt : current;
    return wrapped(static_cast<uint32_t>(base) - static_cast<uint32_t>(pausedTotal));
}

void GameClock::update() { updateAt(scaledElapsed()); }
void GameClock::pause() { pauseAt(scaledElapsed()); }
void GameClock::resume() { resumeAt(scaledElapsed()); }

void GameClock::updateAt(int32_t elapsed) { current = elapsed; }

void GameClock::pauseAt(int32_t elapsed)
{
    paused = true;
    pausedAt = elapsed;
}

void GameClock::resumeAt(int32_t elapsed)
{
    paused = false;
    pausedTotal = wrapped(static_cast<uint32_t>(pausedTotal) - static_cast<uint32_t>(pausedAt) +
                          static_cast<uint32_t>(elapsed));
    // Also refresh the reading, so game time cannot step back when no update came first.
    current = elapsed;
}

void setGameClockScale(float scale) { gGameClockScale = scale; }

int32_t gameTimeDiff(int32_t later, int32_t earlier)
{
    uint32_t diff = static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier);
    if (wrapped(diff) < -10000000)
        diff += 2147483647u;
    return wrapped(diff);
}
