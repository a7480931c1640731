#include "platform/GameWindow.h"

#include <EGL/egl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

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

// Pointer motions SDL's queue may hold: half of it, so that the rest always has room for presses and releases.
const int kMaxQueuedMotions = 64;

// Outlive the window state: X errors about the destroyed window still come while SDL closes it.
struct XWatch {
    Window window = 0;      // the drawing window
    Window wmWindow = 0;    // the top-level window the window manager sees
    bool lost = false;
    int (*previousErrorHandler)(Display*, XErrorEvent*) = nullptr;
    void (*displayLostHandler)() = nullptr;
};

XWatch gWatch;

bool isOurWindow(unsigned long id) { return id != 0 && (id == gWatch.window || id == gWatch.wmWindow); }

void markLost(const char* how)
{
    if (!gWatch.lost)
        logPrintf("LOG", "the game window was destroyed (%s)", how);
    gWatch.lost = true;
}

bool motionQueueFull()
{
    SDL_Event queued[kMaxQueuedMotions];
    return SDL_PeepEvents(queued, kMaxQueuedMotions, SDL_PEEKEVENT, SDL_MOUSEMOTIONMASK) >= kMaxQueuedMotions;
}

}  // namespace

// SDL hands on the X events it does not handle itself; only a destroy notice matters, and nothing of them is
// queued, so that they take no room from the input.
// SDL's queue holds 128 events and drops whatever comes while it is full, a button as readily as a motion; a
// fast mouse on a slow pass fills it, and a swipe's press or release was lost. Motions past a cap are let go:
// the game follows only the latest one anyway, and the release stands in for the last ones of a swipe.
int filterWindowEvents(const SDL_Event* event)
{
    if (event->type == SDL_MOUSEMOTION)
        return motionQueueFull() ? 0 : 1;
    if (event->type != SDL_SYSWMEVENT)
        return 1;
    const XEvent& xevent = event->syswm.msg->event.xevent;
    if (xevent.type == DestroyNotify && isOurWindow(xevent.xdestroywindow.window))
        markLost("destroy notice");
    return 0;
}

namespace {

// A drawing request may reach the server after the window is gone, before its destroy notice is read: that
// error means the same, and must not end the process as Xlib's default handler would.
int onXError(Display* display, XErrorEvent* error)
{
    const bool aboutWindow = error->error_code == BadWindow || error->error_code == BadDrawable;
    if (gWatch.lost || (aboutWindow && isOurWindow(error->resourceid))) {
        markLost("X error");
        return 0;
    }
    return gWatch.previousErrorHandler ? gWatch.previousErrorHandler(display, error) : 0;
}

int onXConnectionLost(Display*)
{
    logPrintf("ERR", "lost the connection to the X server");
    if (gWatch.displayLostHandler)
        gWatch.displayLostHandler();
    fflush(stdout);
    fflush(stderr);
    // Not exit(): the other threads still run and static objects must not be torn down under them.
    _exit(1);
}

void watchWindow(const SDL_SysWMinfo& info)
{
    gWatch.window = info.info.x11.window;
    gWatch.wmWindow = info.info.x11.wmwindow;
    gWatch.lost = false;
    SDL_SetEventFilter(filterWindowEvents);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    if (!gWatch.previousErrorHandler)
        gWatch.previousErrorHandler = XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXConnectionLost);
}

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
    if (made)
        watchWindow(info);
    info.info.x11.unlock_func();
    return made;
}

void swapGameWindow()
{
    if (gWindow.eglSurface != EGL_NO_SURFACE && !gWatch.lost)
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
bool gameWindowLost() { return gWatch.lost; }
void setDisplayLostHandler(void (*handler)()) { gWatch.displayLostHandler = handler; }
int gameWindowWidth() { return gWindow.width; }
int gameWindowHeight() { return gWindow.height; }
