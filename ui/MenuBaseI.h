#ifndef KELZO_UI_MENUBASEI_H
#define KELZO_UI_MENUBASEI_H

// A screen, menu, dialog or overlay. It draws itself every frame and answers touches with an action code;
// on the menu stack (MenuStack.h) any answer other than -1 closes it. The default touch handling is a
// press-and-release selection over hitTest: the option pressed is reported when the finger is lifted over it.
class MenuBaseI {
public:
    virtual ~MenuBaseI() {}

    // Called once by the application object before it first draws the menu as its current screen.
    virtual void onFirstDraw() {}
    // Draws the screen; nonzero while it animates and wants more frames.
    virtual int render() = 0;
    // The option under the point, or -1.
    virtual int hitTest(int x, int y) = 0;
    // Phase as TouchPhase: a press arms the option under it, a release reports it when it is the armed one.
    virtual int handleTouch(int phase, int x, int y);
    virtual void auxHook() {}
    // At rest, how many ms from now the menu wants its next frame (read after each frame and each touch): a
    // pressed glow to show, a pulse to go on; -1 none, the loop then rests.
    virtual int frameWantedInMs() { return -1; }

    int hookCalled = 0;   // 1 once onFirstDraw has been called
    int armedIndex = -1;  // the option pressed, -1 none
};

#endif
