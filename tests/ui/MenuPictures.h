#pragma once

// The generated menu pictures linked into a test's own folder, and a wood of one grey, so that tiled menus and
// alerts can be built there as the game builds them.

#include <unistd.h>

#include <string>

#include "tests/ui/MenuTestFolder.h"

inline void linkMenuPictures()
{
    linkDataFiles({"Divider_245x3.png", "FieldBackground_281x47.png", "Wood_Mask_50x50.png",
                   "Wood_Highlight_50x50.png", "MenuShadow_100x100.png", "Button_shrunk_25x41.png",
                   "Button_Large_shrunk_30x45.png", "Back_30x30.png"});
    setSharedMenuTexture(kSharedWood, plainWood(120));
}
