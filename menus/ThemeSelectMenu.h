#ifndef KELZO_MENUS_THEMESELECTMENU_H
#define KELZO_MENUS_THEMESELECTMENU_H

#include "menus/ThemeTiles.h"
#include "ui/TiledMenu.h"

class MenuHostI;
class Panel;

// The theme screen: a back button, the title and four preview tiles (ThemeTiles.h). A tap on a tile loads that
// theme's board pictures at once through the host, opens alert 23 saying so (its one button is the host's to
// answer: back to the screen before) and returns 100 + the theme; the back button returns 0.
//
//   ThemeSelectMenu* menu = new ThemeSelectMenu(host);
//   code = menu->handleTouch(phase, x, y);   // 0: back; 100..105: chosen, the alert is up
class ThemeSelectMenu : public TiledMenu {
public:
    static const int kThemeAlertId = 23;
    static const int kLastTag = 110;  // tags above this are not tiles

    explicit ThemeSelectMenu(MenuHostI* host);

    int handleTouch(int phase, int x, int y) override;
    void addContents() override;

    MenuHostI* host;  // not owned
    Panel* panels[kThemeTileCount];  // held by the inner view

private:
    // Panel i with its tag on the row, tappable.
    void addPanel(int i, int row);
};

#endif
