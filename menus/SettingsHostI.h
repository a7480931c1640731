#ifndef KELZO_MENUS_SETTINGSHOSTI_H
#define KELZO_MENUS_SETTINGSHOSTI_H

#include "menus/MenuHostI.h"

// What the settings screen asks of the application object beyond the alerts of every screen (it opens alerts
// 18, reset the high scores, and 19, reset the progress, which the host answers). The shell implements it and
// hands it to the screen it builds; tests hand a fake that records the calls.
class SettingsHostI : public MenuHostI {
public:
    // Switches to the language screen. The settings screen is deleted during this call.
    virtual void showLanguageMenu() = 0;
};

#endif
