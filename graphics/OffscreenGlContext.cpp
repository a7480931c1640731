#include "graphics/OffscreenGlContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GLES/gl.h>

#include <algorithm>
#include <cstdlib>

#include "graphics/RenderBatch.h"

#ifndef EGL_PLATFORM_SURFACELESS_MESA
#define EGL_PLATFORM_SURFACELESS_MESA 0x31DD
#endif

OffscreenGlContext::OffscreenGlContext(int width, int height) : width_(width), height_(height) {
    EGLDisplay display = eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY) {
        // An EGL without the platform call still honours the platform chosen through the environment.
        setenv("EGL_PLATFORM", "surfaceless", 1);
        display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    }
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        fail("no surfaceless EGL display (is libegl-mesa0 installed?)");
        return;
    }
    display_ = display;
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_ES_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
                                       EGL_NONE};
    EGLConfig config;
    EGLint configs = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &configs) || configs < 1) {
        fail("no RGBA pbuffer configuration for OpenGL ES 1");
        return;
    }
    eglBindAPI(EGL_OPENGL_ES_API);
    const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 1, EGL_NONE};
    context_ = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context_ == EGL_NO_CONTEXT) {
        fail("no OpenGL ES 1 context");
        return;
    }
    const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    surface_ = eglCreatePbufferSurface(display, config, surfaceAttributes);
    if (surface_ == EGL_NO_SURFACE) {
        fail("no pbuffer surface");
        return;
    }
    if (!eglMakeCurrent(display, surface_, surface_, context_)) {
        fail("cannot make the context current");
        return;
    }
    ready_ = true;
}

bool OffscreenGlContext::fail(const char* what) {
    error_ = what;
    return false;
}

OffscreenGlContext::~OffscreenGlContext() {
    if (!display_) return;
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface_ && surface_ != EGL_NO_SURFACE) eglDestroySurface(display_, surface_);
    if (context_ && context_ != EGL_NO_CONTEXT) eglDestroyContext(display_, context_);
    eglTerminate(display_);
}

Bitmap* OffscreenGlContext::readFrame() const {
    gRenderBatch.flush();
    Bitmap* frame = new Bitmap(width_, height_, false);
    if (!frame->pixels) return frame;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, frame->pixels);
    // GL's rows run bottom-up; the bitmap's top-down.
    for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(frame->row(top), frame->row(top) + width_, frame->row(bottom));
    return frame;
}
