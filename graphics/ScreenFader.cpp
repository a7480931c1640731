#include "graphics/ScreenFader.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

ScreenFader gScreenFader;

ScreenFader::~ScreenFader() { delete snapshot; }

int ScreenFader::draw() {
    if (capturePending) {
        capture();
        capturePending = 0;
    }
    if (startTime == -1) {
        gGlobalOpacity = 1.0f;
        delete snapshot;
        snapshot = nullptr;
        return 0;
    }
    const int now = gGameClock.current;
    // The first frames after a capture can be slow (new screens load their pictures): the fade starts counting
    // from the third frame.
    if (frameCount++ < 3) startTime = now;
    int elapsed = gameTimeDiff(now, startTime);
    if (elapsed > kFadeMs) startTime = -1;

    gGlobalOpacity = 1.0f;
    DrawParams params;
    params.blendMode = BlendOpaque;
    params.upright = 0;  // the copy is stored bottom row first
    // The capture is 512 rows high; its bottom 480 rows are the screen.
    drawTexture(snapshot, 0, -32, params);
    gGlobalOpacity = std::min(elapsed * (1.0f / kFadeMs), 1.0f);
    return 1;
}

void ScreenFader::capture() {
    startTime = gGameClock.current;
    frameCount = 0;
    delete snapshot;
    snapshot = new Texture(kCaptureSize, kCaptureSize);
}
