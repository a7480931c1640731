// A busy 320 x 480 frame drawn through the real texture and batch code into an offscreen GLES 1.1 context:
// a full-screen opaque background, then a few hundred sprite quads with mixed blends as the board and the menus
// draw them (cells and furballs from one sprite page, highlights, a turned and a scaled sprite, heads-up digits,
// alpha-texture captions, faded bubbles). Reports the CPU time per frame and the GL draw calls per frame.
//
//   BM_BusyFrame          the game's side: quads built, batched and handed to GL (what runs on the main thread
//                         each frame before the buffer swap)
//   BM_BusyFrameRendered  the same plus glFinish, so the software rasteriser's work is in the wall time too

#include <benchmark/benchmark.h>

#include <GLES/gl.h>

#include <memory>

#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

namespace {

struct Scene {
    std::unique_ptr<Texture> background, sheet, caption, digits;

    Scene() {
        Bitmap* bg = new Bitmap(320, 480, true);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 320; ++x) bg->at(x, y) = RGBA{(unsigned char)(x / 2), (unsigned char)(y / 3), 90, 255};
        background.reset(new Texture(bg, false, false));
        Bitmap* page = new Bitmap(256, 256, true);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) page->at(x, y) = RGBA{(unsigned char)x, (unsigned char)y, 128, 255};
        sheet.reset(new Texture(page, false, false));
        MonoBitmap* mono = new MonoBitmap(128, 32, true);
        caption.reset(new Texture(mono));
        Bitmap* digitPage = new Bitmap(128, 16, true);
        digitPage->clear();
        digits.reset(new Texture(digitPage, false, false));
    }

    // One frame as the game draws it; the sheet regions are 45 x 45 cells of the 256 x 256 page.
    void draw(int frame) const {
        DrawParams opaque;
        opaque.blendMode = BlendOpaque;
        drawTexture(background.get(), 0, 0, opaque);

        DrawParams cell;
        cell.uRight = 45.0f / 256;
        cell.vBottom = 45.0f / 256;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 7; ++x) drawTexture(sheet.get(), 3 + 45.0f * x, 73 + 45.0f * y, cell);
        DrawParams furball = cell;
        furball.uLeft = 45.0f / 256;
        furball.uRight = 90.0f / 256;
        for (int i = 0; i < 150; ++i) {
            furball.scaleX = 0.8f + 0.002f * ((i + frame) % 100);
            furball.centreX = furball.centreY = 1;
            drawTexture(sheet.get(), 25 + (i * 37) % 300, 95 + (i * 53) % 360, furball);
        }
        DrawParams highlight = cell;
        highlight.blendMode = BlendAdditiveAlpha;
        highlight.alpha = 0.6f;
        for (int i = 0; i < 20; ++i) drawTexture(sheet.get(), 3 + 45.0f * (i % 7), 73 + 45.0f * (i / 7), highlight);
        DrawParams turned = cell;
        turned.angle = (frame * 3) % 360;
        for (int i = 0; i < 10; ++i) drawTexture(sheet.get(), 20 + 28.0f * i, 30, turned);
        DrawParams digit;
        digit.uRight = 0.0625f;
        for (int i = 0; i < 40; ++i) drawTexture(digits.get(), 10 + 7.0f * i, 10, digit);
        for (int i = 0; i < 8; ++i) drawTexture(caption.get(), 20, 440 - 30.0f * i, DrawParams());
        DrawParams bubble = cell;
        bubble.alpha = 0.5f;
        bubble.scaleX = 2;
        for (int i = 0; i < 20; ++i) drawTexture(sheet.get(), 10 + 14.0f * i, 300, bubble);
    }
};

// 56 + 150 + 20 + 10 + 40 + 8 + 20 sprites and the background.
const int kQuadsPerFrame = 305;

void runFrames(benchmark::State& state, bool finish) {
    OffscreenGlContext gl(320, 480);
    if (!gl.isReady()) {
        state.SkipWithError(gl.error());
        return;
    }
    initGlState(320, 480);
    Scene scene;
    int frame = 0, drawCalls = 0;
    for (auto _ : state) {
        scene.draw(frame++);
        gRenderBatch.flush();
        drawCalls = gRenderBatch.drawCallsThisFrame;
        gRenderBatch.endFrame();
        resetGlState();
        if (finish) glFinish();
    }
    glFinish();
    state.counters["drawCalls"] = drawCalls;
    state.counters["quads"] = kQuadsPerFrame;
}

void BM_BusyFrame(benchmark::State& state) { runFrames(state, false); }
void BM_BusyFrameRendered(benchmark::State& state) { runFrames(state, true); }

BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BusyFrameRendered)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
