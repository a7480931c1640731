#pragma once

#include "graphics/Bitmap.h"

// An OpenGL ES 1.1 context that draws into an RGBA pbuffer, on Mesa's surfaceless EGL platform: no window and no
// X server. Tests, benchmarks and tools use it to draw through the real texture and batch code and read the
// frame back. One context is current on the calling thread while the object lives.
class OffscreenGlContext {
public:
    OffscreenGlContext(int width = 320, int height = 480);
    ~OffscreenGlContext();
    OffscreenGlContext(const OffscreenGlContext&) = delete;
    OffscreenGlContext& operator=(const OffscreenGlContext&) = delete;

    bool isReady() const { return ready_; }
    // Why the context could not be made; empty when it is ready.
    const char* error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The whole frame, top row first, as a new bitmap of exactly width x height (the pending batch is drawn first).
    Bitmap* readFrame() const;

private:
    bool fail(const char* what);

    void* display_ = nullptr;
    void* surface_ = nullptr;
    void* context_ = nullptr;
    int width_, height_;
    bool ready_ = false;
    const char* error_ = "";
};
