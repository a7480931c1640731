#include "menus/StandInScreen.h"

StandInScreen::StandInScreen(const String& text) : TiledMenu(512, 256, -1, -1), heading(text)
{
    build(0, true, 50);
}

void StandInScreen::addContents()
{
    addVerticalSpace(0, 4);
    addBackButton(kBackTag, 1, false);
    addHeading(heading.c_str(), 2);
    addVerticalSpace(3, 30);
}
