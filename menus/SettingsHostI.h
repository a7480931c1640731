#ifndef KELZO_MENUS_SETTINGSHOSTI_H
#define KELZO_MENUS_SETTINGSHOSTI_H

// What the settings screen asks of the application object that shows it. The shell implements it and hands
// it to the screen it builds; tests hand a fake that records the calls.
class SettingsHostI {
public:
    virtual ~SettingsHostI() {}

    // Opens alert `alertId` over the current screen once startDelayMs have passed; the host answers its buttons
    // by that id (18: reset the high scores, 19: reset the progress).
    virtual void showAlert(int alertId, const char* title, const char* message, const char* button1,
                           const char* button2, int startDelayMs, int messageFontSize) = 0;
    // Switches to the language screen. The settings screen is deleted during this call.
    virtual void showLanguageMenu() = 0;
};

#endif
