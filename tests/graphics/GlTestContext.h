#pragma once

// Drawing in tests, without a window: every test program that draws includes this header and derives its
// fixtures from GlTest.
//
//   class MyDrawingTest : public GlTest {};
//   TEST_F(MyDrawingTest, DrawsRed) {
//       Texture* t = solidTexture(16, 16, RGBA{255, 0, 0, 255});
//       drawTexture(t, 10, 10, DrawParams());
//       EXPECT_EQ(pixel(12, 12).r, 255);   // pixel() draws what the batch holds, then reads back
//       saveFrame("my_test");              // my_test.png in the test's working folder, to look at
//                                          // (call enterOwnFolder() first in tests that write fixed file names)
//       delete t;
//   }
//
// The context is an OpenGL ES 1.1 pbuffer of 320 x 480 on Mesa's surfaceless EGL platform (libegl-mesa0,
// llvmpipe), made once per test program and kept until it exits. Before every test the GL state is set as the
// game sets it at start-up, the caches and the batch are reset and the frame is cleared to opaque black.
// Pixel coordinates are screen coordinates: (0, 0) is the top-left corner, y grows downwards.

#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"
#include "graphics/Texture.h"

inline OffscreenGlContext& testGlContext() {
    static OffscreenGlContext* context = new OffscreenGlContext(320, 480);
    return *context;
}

class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        OffscreenGlContext& gl = testGlContext();
        ASSERT_TRUE(gl.isReady()) << "offscreen GL: " << gl.error();
        initGlState(gl.width(), gl.height());
        gRenderBatch.positions.clear();
        gRenderBatch.texCoords.clear();
        gRenderBatch.colours.clear();
        gRenderBatch.current = nullptr;
        gRenderBatch.blendMode = -1;
        gRenderBatch.quadsThisFrame = 0;
        gRenderBatch.drawCallsThisFrame = 0;
        gRenderStats = RenderStats{0, 0, 0};
        gGlobalOpacity = 1.0f;
        gMirrorX = 0;
        clearFrame(0, 0, 0, 1);
    }

    void TearDown() override {
        gRenderBatch.flush();
        disableClip();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        if (!previousFolder_.empty()) {
            EXPECT_EQ(chdir(previousFolder_.c_str()), 0);
        }
    }

    // Runs the rest of the test inside a folder of its own, named after the test, so that tests which read and
    // write files by fixed names (the game's "Default.png") do not meet when ctest runs them in parallel. The
    // folder and what the test saved in it stay, to look at.
    void enterOwnFolder() {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string folder = std::string(info->test_suite_name()) + "." + info->name();
        mkdir(folder.c_str(), 0755);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        previousFolder_ = cwd;
    }

    static void clearFrame(float r, float g, float b, float a) {
        glClearColor(r, g, b, a);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // A texture of one colour (premultiplied RGBA) over a visible w x h picture; the padding stays 0.
    static Texture* solidTexture(int w, int h, RGBA colour, bool keepPixels = false) {
        Bitmap* bitmap = new Bitmap(w, h, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) bitmap->at(x, y) = colour;
        return new Texture(bitmap, keepPixels, false);
    }

    // The frame pixel at screen (x, y), after drawing what the batch holds.
    static RGBA pixel(int x, int y) {
        gRenderBatch.flush();
        RGBA p{0, 0, 0, 0};
        glReadPixels(x, testGlContext().height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &p);
        return p;
    }

    // The whole frame, top row first; the caller deletes it.
    static Bitmap* frame() { return testGlContext().readFrame(); }

    // Writes the frame to <name>.png in the working folder (build/tests/<folder>/), to look at. Opaque, as the
    // screen shows it (the frame's own alpha is not what a player sees).
    static void saveFrame(const std::string& name) {
        Bitmap* f = frame();
        for (int y = 0; y < f->height; ++y)
            for (int x = 0; x < f->width; ++x) f->at(x, y).a = 255;
        EXPECT_TRUE(f->savePng((name + ".png").c_str()));
        delete f;
    }

private:
    std::string previousFolder_;
};

// Colour comparison with a tolerance, for pixels that went through GL's blending and filtering. The frame's alpha
// is not compared: the screen shows colour only (check .a directly where it matters).
inline ::testing::AssertionResult pixelNear(RGBA actual, RGBA expected, int tolerance = 2) {
    int d[3] = {actual.r - expected.r, actual.g - expected.g, actual.b - expected.b};
    for (int v : d)
        if (v > tolerance || v < -tolerance)
            return ::testing::AssertionFailure()
                   << "pixel (" << (int)actual.r << ", " << (int)actual.g << ", " << (int)actual.b
                   << ") is not near (" << (int)expected.r << ", " << (int)expected.g << ", " << (int)expected.b << ")";
    return ::testing::AssertionSuccess();
}
