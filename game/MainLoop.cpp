#include "game/MainLoop.h"

#include "Core/Log.h"
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

bool frameDue()
{
    if (!gPlatformState.keepDrawing && !gPlatformState.game->needsFrame()) {
        if (gPlatformState.idlePasses++ < kIdlePassesPerFrame)
            return false;
    }
    return gAppActive || gPlatformState.redrawRequested;
}

}  // namespace

int64_t microsSinceStart() { return FramePacer::nowUs() - kStartUs; }

int64_t framesShown() { return gFramesShown; }

void presentFrame()
{
    swapGameWindow();
    if (gFramesShown++ == 0)
        logPrintf("LOG", "first frame shown %d ms after start", int(microsSinceStart() / 1000));
}

void drawLoopFrame()
{
    gPlatformState.keepDrawing = gPlatformState.game->drawFrame();
    gRenderBatch.endFrame();
    resetGlState();
    presentFrame();
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
    if (pumped && gPlatformState.game && frameDue()) {
        if (pacer)
            pacer->beforeFrame();
        drawLoopFrame();
        return true;
    }
    if (pacer && !tookEvent && gAppActive)
        pacer->idlePass();
    return true;
}

void runMainLoop(FramePacer* pacer)
{
    while (mainLoopPass(pacer)) {
    }
}
