#ifndef KELZO_MENUS_STANDINSCREEN_H
#define KELZO_MENUS_STANDINSCREEN_H

#include "Core/String.h"
#include "ui/TiledMenu.h"

// A screen whose page is not built yet: its heading and a back button (tag 0), so that the walk through the
// menus passes through it.
class StandInScreen : public TiledMenu {
public:
    static const int kBackTag = 0;

    explicit StandInScreen(const String& heading);
    void addContents() override;

    String heading;
};

#endif
