#include "platform/GameWindow.h"

#include <EGL/egl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <cstdlib>

#include "Core/Log.h"

namespace {

struct WindowState {
    SDL_Surface* surface = nullptr;
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLSurface eglSurface = EGL_NO_SURFACE;
    EGLContext context = EGL_NO_CONTEXT;
    int width = 0;
    int height = 0;
};

WindowState gWindow;

bool fail(const char* what)
{
    logPrintf("ERR", "cannot open the game window: %s (SDL: %s, EGL: 0x%x)", what, SDL_GetError(), eglGetError());
    closeGameWindow();
    return false;
}

// SDL's GL window comes with SDL's own desktop GL context, current on this thread; EGL may make its context
// current only once that one is let go.
bool releaseSdlContext(const SDL_SysWMinfo& info)
{
    typedef int (*MakeCurrent)(Display*, unsigned long, void*);
    MakeCurrent makeCurrent = reinterpret_cast<MakeCurrent>(SDL_GL_GetProcAddress("glXMakeCurrent"));
    return makeCurrent && makeCurrent(info.info.x11.display, 0, nullptr);
}

bool makeContext(const SDL_SysWMinfo& info)
{
    if (!releaseSdlContext(info))
        return fail("SDL's GL context cannot be let go");
    gWindow.display = eglGetDisplay(reinterpret_cast<EGLNativeDisplayType>(info.info.x11.display));
    if (gWindow.display == EGL_NO_DISPLAY || !eglInitialize(gWindow.display, nullptr, nullptr))
        return fail("no EGL display");
    if (!eglBindAPI(EGL_OPENGL_ES_API))
        return fail("no OpenGL ES");
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_WINDOW_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_ES_BIT,
                                       EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(gWindow.display, configAttributes, &config, 1, &count) || count < 1)
        return fail("no OpenGL ES 1.x configuration");
    gWindow.eglSurface = eglCreateWindowSurface(gWindow.display, config,
                                                static_cast<EGLNativeWindowType>(info.info.x11.window), nullptr);
    if (gWindow.eglSurface == EGL_NO_SURFACE)
        return fail("no window surface");
    const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 1, EGL_NONE};
    gWindow.context = eglCreateContext(gWindow.display, config, EGL_NO_CONTEXT, contextAttributes);
    if (gWindow.context == EGL_NO_CONTEXT)
        return fail("no OpenGL ES 1.x context");
    if (!eglMakeCurrent(gWindow.display, gWindow.eglSurface, gWindow.eglSurface, gWindow.context))
        return fail("the context cannot be made current");
    // Vsync where the display has it; the main loop paces frames itself as well.
    eglSwapInterval(gWindow.display, 1);
    return true;
}

}  // namespace

void preferDesktopVideo() { setenv("SDL_VIDEODRIVER", "x11", 0); }

bool openGameWindow(int width, int height, const char* title)
{
    closeGameWindow();
    SDL_WM_SetCaption(title, title);
    // A GL window, so that SDL leaves its contents to us and tells of exposes; the drawing itself goes
    // through the EGL context made on it.
    gWindow.surface = SDL_SetVideoMode(width, height, 0, SDL_OPENGL);
    if (!gWindow.surface)
        return fail("no video mode");
    gWindow.width = gWindow.surface->w;
    gWindow.height = gWindow.surface->h;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
        return fail("not an X11 window");
    info.info.x11.lock_func();
    const bool made = makeContext(info);
    info.info.x11.unlock_func();
    return made;
}

void swapGameWindow()
{
    if (gWindow.eglSurface != EGL_NO_SURFACE)
        eglSwapBuffers(gWindow.display, gWindow.eglSurface);
}

void closeGameWindow()
{
    if (gWindow.display != EGL_NO_DISPLAY) {
        eglMakeCurrent(gWindow.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (gWindow.context != EGL_NO_CONTEXT)
            eglDestroyContext(gWindow.display, gWindow.context);
        if (gWindow.eglSurface != EGL_NO_SURFACE)
            eglDestroySurface(gWindow.display, gWindow.eglSurface);
        // No eglTerminate: it unloads the GL driver, leaving the driver's own last blocks unreachable just
        // before the process ends, which leak checkers then blame on us.
    }
    // The SDL surface belongs to SDL and goes with SDL_Quit.
    gWindow = WindowState();
}

bool gameWindowIsOpen() { return gWindow.context != EGL_NO_CONTEXT; }
int gameWindowWidth() { return gWindow.width; }
int gameWindowHeight() { return gWindow.height; }
