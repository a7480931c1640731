#pragma once

class Texture;

// What the loading screen needs of the program that shows it (the game shell): the bar's place, the buffer
// swap and the platform's event queue, which must keep moving while no main-loop frame runs.
class LoadingScreenHostI {
public:
    virtual ~LoadingScreenHostI() {}
    // Fills the progress bar's top-left corner and size.
    virtual void progressBarRect(float* position, float* size) = 0;
    virtual void swapBuffers() = 0;
    // Takes the pending platform events and routes them; false when the queue was empty.
    virtual bool pollAndDispatchEvent() = 0;
    virtual bool isActive() = 0;
    virtual bool redrawRequested() = 0;
    virtual bool quitRequested() = 0;
};

// The splash picture "Default.png" with a progress bar, shown while the game starts and while theme pictures
// load. It draws itself whenever its progress changes.
class LoadingScreen {
public:
    explicit LoadingScreen(LoadingScreenHostI* host) : host_(host) {}
    ~LoadingScreen();
    LoadingScreen(const LoadingScreen&) = delete;
    LoadingScreen& operator=(const LoadingScreen&) = delete;

    // Loads the splash (replacing the previous one), progress 0, asks the host for the bar, draws.
    int showLoadingScreen();
    // progress = min(value, 100), draws.
    int setLoadingProgress(int value);
    // One frame: splash, bar, swap, events. 1 when the host asks for a redraw or is active, else its quit flag.
    int drawLoadingScreen();
    // The same without the bar.
    int drawSplashOnly();

    float barX = 0, barY = 0, barWidth = 0, barHeight = 0;
    int progress = 0;
    Texture* splash = nullptr;
    // How long a frame rests while the application is in the background, before it takes the pending events.
    int inactivePauseMs = 800;

private:
    void drawSplash();
    void drawBar();
    int finishFrame();

    LoadingScreenHostI* host_;
};
