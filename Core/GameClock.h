#pragma once

#include <cstdint>

// The game's millisecond clocks, both scaled by gGameClockScale and refreshed by update():
// - now(), game time: stands still while paused (off the play screen, under a tip, in the
//   background), so the game's rules never see the paused interval;
// - running(), the running clock: goes on while paused, for what the player hears and sees on
//   any screen (timed sounds, clicks, the waits and pulses of menus).
// All arithmetic wraps as 32-bit unsigned values, never as signed overflow.
//
//     gGameClock.update();                         // once per frame
//     int32_t due = gGameClock.running() + 200;    // a sound that must play on a menu too
struct GameClock {
    GameClock();

    // Game time: the value the game's rules compare and store.
    int32_t now() const;
    // The running clock: the last update()'s reading, paused or not.
    int32_t running() const { return current; }

    // Refresh `current`: once per frame, at start-up and before resume().
    void update();
    void pause();
    void resume();

    // The same steps for a given scaled elapsed time.
    void updateAt(int32_t elapsed);
    void pauseAt(int32_t elapsed);
    void resumeAt(int32_t elapsed);

    // Scaled milliseconds since the clock started.
    int32_t scaledElapsed() const;
    // A steady millisecond counter (it does not jump with the wall clock), wrapping at 32 bits.
    static uint32_t wallMs();

    int32_t startMs;
    int32_t pausedTotal = 0;
    int32_t pausedAt = 0;
    int32_t current = 0;  // running() reads it; the view toolkit reads it directly for its animations
    bool paused = false;
};

extern GameClock gGameClock;
extern float gGameClockScale;

void setGameClockScale(float scale);

// Raw elapsed milliseconds times the scale, truncated, wrapped to 32 bits.
int32_t scaleElapsed(uint32_t rawElapsed, float scale);

// later - earlier for two game-time readings, with the wrap guard: differences below
// -10,000,000 ms get 2,147,483,647 added.
int32_t gameTimeDiff(int32_t later, int32_t earlier);
