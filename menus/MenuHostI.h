#ifndef KELZO_MENUS_MENUHOSTI_H
#define KELZO_MENUS_MENUHOSTI_H

// What the screens ask of the application object that shows them. The shell implements it and hands it to
// each screen it builds; tests hand a fake that records the calls.
class MenuHostI {
public:
    virtual ~MenuHostI() {}

    // Opens alert `alertId` over the current screen once startDelayMs have passed; the host answers its buttons
    // by that id. A null button2 means a single button.
    virtual void showAlert(int alertId, const char* title, const char* message, const char* button1,
                           const char* button2, int startDelayMs, int messageFontSize) = 0;
    // Loads the board pictures of theme 0..5 at once (and counts the choice).
    virtual void loadTheme(int theme) = 0;
    // The language has just been changed: pictures that carry words of the old one are made again.
    virtual void languageChanged() = 0;
};

#endif
