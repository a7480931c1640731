#include "MenuGlScreen.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/GlState.h"
#include "ui/SharedMenuTextures.h"

#include <unistd.h>

#include <cstdio>

MenuGlScreen::MenuGlScreen(const std::string& dataDir)
{
    if (!gl.isReady()) {
        std::fprintf(stderr, "artpreview: no offscreen GL: %s\n", gl.error());
        return;
    }
    char previous[4096];
    if (!getcwd(previous, sizeof previous) || chdir(dataDir.c_str()) != 0)
        return;
    previous_ = previous;
    initGlState(320, 480);
    gGameClock.updateAt(100000);
    common.load("fullBitmap", "fullBitmap", true, true);
    setSharedMenuTexture(kSharedWood, SpriteRef{kCommonWood, &common, 320, 480}.copyBitmap(0));
    common.uploadPages();
    ready_ = true;
}

bool MenuGlScreen::finish()
{
    unloadLanguage();
    releaseSharedMenuTextures();
    return chdir(previous_.c_str()) == 0;
}
