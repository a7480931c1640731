#ifndef KELZO_BENCH_GAME_APPFRAMEBENCH_H
#define KELZO_BENCH_GAME_APPFRAMEBENCH_H

// What the benchmarks of the application's frame share: the offscreen context and a copy of the data folder,
// an application object with the game's sheets, fonts and hosts, a game clock set per frame, and the figures.

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "bench/BenchDataFolder.h"
#include "board/BoardHost.h"
#include "board/GameGraphics.h"
#include "game/KelzoGame.h"
#include "graphics/GlState.h"
#include "graphics/OffscreenGlContext.h"
#include "modes/GameHost.h"
#include "settings/Settings.h"
#include "ui/BubbleHost.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

inline double threadCpuMs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1.0e6;
}

inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    size_t index = size_t(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

inline double maximum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// The game clock shows `ms` at the next update, whatever the wall clock did.
inline void setGameTime(int ms)
{
    gGameClock.startMs = int32_t(GameClock::wallMs() - uint32_t(ms));
    gGameClock.update();
}

inline void reportFrames(const char* label, const std::vector<double>& ms)
{
    if (ms.empty()) {
        printf("%-28s none\n", label);
        return;
    }
    printf("%-28s %5zu frames  median %6.3f ms  p99 %6.3f ms  max %6.3f ms\n", label, ms.size(),
           percentile(ms, 0.5), percentile(ms, 0.99), maximum(ms));
}

inline void savePicture(OffscreenGlContext& gl, const char* path, const char* program)
{
    Bitmap* frame = gl.readFrame();
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x)
            frame->at(x, y).a = 255;
    if (!frame->savePng(path))
        fprintf(stderr, "%s: cannot write %s\n", program, path);
    delete frame;
}

// The context ready, a copy of the data folder current, GL state and English texts set; false (said why)
// otherwise.
inline bool prepareFrameBench(OffscreenGlContext& gl, const char* program)
{
    if (!gl.isReady()) {
        fprintf(stderr, "%s: no offscreen GL: %s\n", program, gl.error());
        return false;
    }
    if (!enterDataFolderCopy(program))
        return false;
    initGlState(320, 480);
    gLanguage = new Language(kEnglish);
    return true;
}

// An application object with its pictures, hosting the board, the games and the bubbles.
inline KelzoGame* openBenchApplication(Settings& settings)
{
    gSettings = &settings;
    setGameTime(100000);
    KelzoGame* game = new KelzoGame();
    loadCommonGraphics(game->graphics);
    gGameGraphics = &game->graphics;
    loadSharedMenuTextures();
    gBoardHost = game;
    gGameHost = game;
    gBubbleHost = &game->bubbleHost;
    return game;
}

inline void closeBenchApplication(KelzoGame* game)
{
    gMenuStack.deleteAllMenus();
    game->tips.removeAll();
    gBoardHost = nullptr;
    gGameHost = nullptr;
    gBubbleHost = nullptr;
    delete game;
    gGameGraphics = nullptr;
    releaseSharedMenuTextures();
    gSettings = nullptr;
    unloadLanguage();
}

#endif
