#ifndef KELZO_MENUS_LANGUAGESELECTMENU_H
#define KELZO_MENUS_LANGUAGESELECTMENU_H

#include "Core/OwnedPtr.h"
#include "graphics/Texture.h"
#include "menus/LanguageCarousel.h"
#include "ui/TiledMenu.h"

class MenuHostI;

// The language screen: a heading, the carousel of flags on its plate, and OK. Only OK applies a choice: the
// language in the middle is loaded and stored in "lang.dat" (also when it is the current one), the score board
// starts over and the host remakes its pictures with words; then OK's tag, 1, is returned. At the first start
// the launch picture is drawn behind it. It asks for frames while the carousel is dragged or glides, and lets
// the main loop rest once the carousel sits on a language.
//
//   LanguageSelectMenu* menu = new LanguageSelectMenu(host, firstStart);
class LanguageSelectMenu : public TiledMenu {
public:
    static const int kOkTag = 1;
    static const int kPlateTaller = 28;
    static const int kPlateWider = 52;

    LanguageSelectMenu(MenuHostI* host, bool showLaunchImage);

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;

    MenuHostI* host;  // not owned
    bool showLaunchImage;
    OwnedPtr<Texture> launchImage;
    LanguageCarousel carousel;
    int plateChild = -1;  // the plate's record in the inner view; its y places the carousel

private:
    void addPlate(int row);
};

#endif
