#include "game/MainLoop.h"

#include <cstdlib>
#include <ctime>

#include "Core/Log.h"
#include "Core/Thread.h"
#include "game/BvGameI.h"
#include "game/PlatformState.h"
#include "graphics/FrameNameMap.h"
#include "graphics/GlState.h"
#include "graphics/RenderBatch.h"
#include "platform/FramePacer.h"
#include "platform/GameWindow.h"

namespace {

const int32_t kIdlePassesPerFrame = 10;
const int64_t kStartUs = FramePacer::nowUs();
int64_t gFramesShown = 0;

// A run of frames drawn because something moved, for the log.
struct AnimationRun {
    int frames = 0;
    int64_t startUs = 0;
};
AnimationRun gRun;

// The main thread's CPU time spent building frames (the game's drawing and the batch flush) and in the buffer
// swap, for the loop stats: a software GL driver rasterizes on threads of its own, so what the game's drawing
// costs is reported apart from what the whole process spends.
struct FrameCpu {
    int64_t drawingUs = 0;
    int64_t swapUs = 0;
};
FrameCpu gFrameCpu;
bool gCountFrameCpu = false;   // with the loop stats only: the thread's clock is a system call

// 0 while nobody counts, so the frame's sums stay 0.
int64_t threadCpuUs()
{
    if (!gCountFrameCpu)
        return 0;
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

void countAnimationFrame(bool moving)
{
    if (gRun.frames == 0 && !moving)
        return;
    if (gRun.frames++ == 0)
        gRun.startUs = FramePacer::nowUs();
    if (!moving) {
        logPrintf("LOG", "animation ran %d frames in %d ms", gRun.frames,
                  int((FramePacer::nowUs() - gRun.startUs) / 1000));
        gRun = AnimationRun();
    }
}

bool frameDue()
{
    // An exposed desktop window has lost its picture (other windows cover it, the phone's screen had none):
    // it is drawn again at once, not only when the idle count comes round.
    if (!gPlatformState.keepDrawing && !gPlatformState.redrawRequested && !gPlatformState.game->needsFrame()) {
        if (gPlatformState.idlePasses++ < kIdlePassesPerFrame)
            return false;
    }
    return gAppActive || gPlatformState.redrawRequested;
}

// With KELZO_LOOP_STATS set, each second of the main loop is logged: its passes, the frames drawn and the
// longest pass (its rests of at most 30 ms included), for the speed script (bench/speed) to set beside the CPU
// time the process used.
struct LoopStats {
    bool on = false;
    int64_t windowStartUs = 0;
    int passes = 0;
    int64_t framesAtStart = 0;
    int64_t longestUs = 0;
    FrameCpu cpuAtStart;

    void passDone(int64_t startUs, int64_t endUs)
    {
        passes++;
        if (endUs - startUs > longestUs)
            longestUs = endUs - startUs;
        if (endUs - windowStartUs < 1000000)
            return;
        const int frames = int(gFramesShown - framesAtStart);
        const double perFrame = frames > 0 ? 1000.0 * frames : 1.0;
        logPrintf("LOG",
                  "loop stats: %d passes, %d frames, longest pass %.1f ms, CPU per frame %.2f ms drawing %.2f ms swap",
                  passes, frames, longestUs / 1000.0, (gFrameCpu.drawingUs - cpuAtStart.drawingUs) / perFrame,
                  (gFrameCpu.swapUs - cpuAtStart.swapUs) / perFrame);
        start(endUs);
    }
    void start(int64_t nowUs)
    {
        windowStartUs = nowUs;
        passes = 0;
        framesAtStart = gFramesShown;
        longestUs = 0;
        cpuAtStart = gFrameCpu;
    }
};

}  // namespace

int64_t microsSinceStart() { return FramePacer::nowUs() - kStartUs; }

int64_t framesShown() { return gFramesShown; }

void presentFrame()
{
    const int64_t before = threadCpuUs();
    swapGameWindow();
    gFrameCpu.swapUs += threadCpuUs() - before;
    if (gFramesShown++ == 0)
        logPrintf("LOG", "first frame shown %d ms after start", int(microsSinceStart() / 1000));
}

void drawLoopFrame()
{
    const int64_t before = threadCpuUs();
    gPlatformState.keepDrawing = gPlatformState.game->drawFrame();
    countAnimationFrame(gPlatformState.keepDrawing);
    gRenderBatch.endFrame();
    resetGlState();
    gFrameCpu.drawingUs += threadCpuUs() - before;
    presentFrame();
    // Rare (an expose, the focus back) and worth timing: the picture is back.
    if (gPlatformState.redrawRequested)
        logPrintf("LOG", "picture redrawn on request");
    gPlatformState.redrawRequested = false;
    gPlatformState.idlePasses = 0;
    clearFrameNameFlags();
}

bool mainLoopPass(FramePacer* pacer)
{
    if (gPlatformState.quitRequested)
        return false;
    const bool pumped = pumpEvents();
    if (gPlatformState.quitRequested)
        return false;
    const bool tookEvent = gPlatformState.eventsTaken > 0;
    if (pacer && tookEvent)
        pacer->noteActivity();
    if (pumped && gPlatformState.game && frameDue()) {
        const bool moving = gPlatformState.keepDrawing;
        if (pacer)
            pacer->beforeFrame();
        drawLoopFrame();
        // The idle frames (every 11th pass) are no activity, or the loop would never rest long.
        if (pacer && moving)
            pacer->noteActivity();
        return true;
    }
    if (pacer && !tookEvent && gAppActive)
        pacer->idlePass();
    return true;
}

void runMainLoop(FramePacer* pacer)
{
    setMainLoopThread(true);
    LoopStats stats;
    stats.on = getenv("KELZO_LOOP_STATS") != nullptr;
    gCountFrameCpu = stats.on;
    stats.start(FramePacer::nowUs());
    for (;;) {
        const int64_t startUs = stats.on ? FramePacer::nowUs() : 0;
        if (!mainLoopPass(pacer))
            break;
        if (stats.on)
            stats.passDone(startUs, FramePacer::nowUs());
    }
    setMainLoopThread(false);
}
