// The play screen's board drawn through the real sprite sheets, batch and GL into an offscreen GLES 1.1 context,
// with the generated theme pictures from the data folder:
//
//   BM_FullBoard      background and a board of 40 still furballs (shadows, shading, face frames)
//   BM_BoardAndBursts the same with six end-of-puzzle bursts of 120 sparks in the air (up to 360 spark quads each)
//
// Reports the CPU time per frame, the quads and the GL draw calls per frame.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Ref.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "graphics/AnimationList.h"
#include "graphics/GlState.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"

namespace {

struct Scene {
    OffscreenGlContext gl;
    GameGraphics graphics;
    Board board;

    Scene()
    {
        initGlState(gl.width(), gl.height());
        char here[4096];
        if (!getcwd(here, sizeof here) || chdir(KELZO_DATA_DIR) != 0)
            abort();
        loadCommonGraphics(graphics);
        if (chdir(here) != 0)
            abort();
        gGameGraphics = &graphics;
        srand(3);
        board.fillRandom(40, 8);
    }

    void frame(int n)
    {
        gGameClock.updateAt(100000 + n * 16);
        drawBackground(graphics, 1.0f, 0);
        drawBoard(graphics, board, 1.0f, 0, 0);
        updateAnimations(gAnimationList);
        gRenderBatch.flush();
    }
};

Scene& scene()
{
    static Scene* s = new Scene();
    return *s;
}

// Draws frames for the benchmark loop; `before` adds to the scene ahead of frame n.
void runFrames(benchmark::State& state, void (*before)(Scene&, int))
{
    Scene& s = scene();
    int n = 0;
    long quads = 0, calls = 0;
    for (auto _ : state) {
        if (before)
            before(s, n);
        gRenderBatch.quadsThisFrame = 0;
        gRenderBatch.drawCallsThisFrame = 0;
        s.frame(n++);
        quads += gRenderBatch.quadsThisFrame;
        calls += gRenderBatch.drawCallsThisFrame;
    }
    state.counters["quads/frame"] = benchmark::Counter(static_cast<double>(quads) / state.iterations());
    state.counters["drawcalls/frame"] = benchmark::Counter(static_cast<double>(calls) / state.iterations());
}

// A fresh set of bursts every 60 frames, so sparks are always in the air.
void addBursts(Scene& s, int n)
{
    if (n % 60 != 0)
        return;
    for (int i = 0; i < 6; i++) {
        BoardCell& cell = s.board.cellAt(i, 3);
        cell.colour = static_cast<uint16_t>(1 + i);
        gAnimationList->add(Ref<AnimationI>(new ExplodeFurballAnimation(&cell, 20.0f + 45 * i, 230.0f, 0, 120)));
    }
}

void BM_FullBoard(benchmark::State& state)
{
    runFrames(state, nullptr);
}
BENCHMARK(BM_FullBoard);

void BM_BoardAndBursts(benchmark::State& state)
{
    runFrames(state, addBursts);
}
BENCHMARK(BM_BoardAndBursts);

} // namespace

BENCHMARK_MAIN();
