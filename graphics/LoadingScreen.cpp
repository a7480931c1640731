#include "graphics/LoadingScreen.h"

#include <algorithm>

#include "Core/Thread.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/Lines.h"
#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

LoadingScreen::~LoadingScreen() { delete splash; }

int LoadingScreen::showLoadingScreen() {
    delete splash;
    splash = new Texture("Default.png", 1.0f, false);
    progress = 0;
    float position[2] = {0, 0}, size[2] = {0, 0};
    host_->progressBarRect(position, size);
    barX = position[0];
    barY = position[1];
    barWidth = size[0];
    barHeight = size[1];
    return drawLoadingScreen();
}

int LoadingScreen::setLoadingProgress(int value) {
    progress = std::min(value, 100);
    return drawLoadingScreen();
}

int LoadingScreen::drawLoadingScreen() {
    drawSplash();
    drawBar();
    return finishFrame();
}

int LoadingScreen::drawSplashOnly() {
    drawSplash();
    return finishFrame();
}

void LoadingScreen::drawSplash() {
    if (splash) drawTexture(splash, 0, 0, DrawParams());
    gRenderBatch.endFrame();
}

// A half-transparent black background with the white fill over it, two rectangles of two triangles each.
void LoadingScreen::drawBar() {
    const float w = barWidth, h = barHeight, f = barWidth * 0.01f * std::max(progress, 0);
    const float vertices[24] = {0, 0, w, 0, 0, h, w, 0, w, h, 0, h, 0, 0, f, 0, 0, h, f, 0, f, h, 0, h};
    float colours[48];
    for (int i = 0; i < 12; ++i) {
        const float grey = i < 6 ? 0.0f : 1.0f, alpha = i < 6 ? 0.5f : 1.0f;
        colours[4 * i] = colours[4 * i + 1] = colours[4 * i + 2] = grey;
        colours[4 * i + 3] = alpha;
    }
    drawColouredTriangles(vertices, colours, 12, barX, barY, BlendAlpha);
}

int LoadingScreen::finishFrame() {
    host_->swapBuffers();
    if (!host_->isActive()) {
        Thread::sleepMs(inactivePauseMs);
        while (host_->pollAndDispatchEvent()) {
        }
    } else {
        host_->pollAndDispatchEvent();
    }
    if (host_->redrawRequested() || host_->isActive()) return 1;
    return host_->quitRequested() ? 1 : 0;
}
