#include "menus/ThemeTiles.h"

namespace {

const int kTileThemes[kThemeTileCount] = {1, 2, 5, 4};

}  // namespace

int themeOfTile(int tile, int chosenTheme)
{
    if (tile < 0 || tile >= kThemeTileCount)
        return 0;
    const int theme = kTileThemes[tile];
    return theme == chosenTheme ? 0 : theme;
}
