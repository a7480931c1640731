#pragma once
#include "graphics/OffscreenGlContext.h"
#include "graphics/SpriteSheet.h"

#include <string>

// A 320 x 480 offscreen GL screen that draws menus the way the game does: it works inside the data folder,
// the clock stands at 100 s, the common sheet is loaded and its wood is the menus' shared background.
class MenuGlScreen {
public:
    explicit MenuGlScreen(const std::string& dataDir);
    MenuGlScreen(const MenuGlScreen&) = delete;
    MenuGlScreen& operator=(const MenuGlScreen&) = delete;

    // False (the reason printed) when there is no GL or no data folder to work in.
    bool ready() const { return ready_; }
    // Lets go of the language and the shared pictures and goes back to the folder it came from; false if it
    // could not.
    bool finish();

    OffscreenGlContext gl{320, 480};
    SpriteSheet common{1024, 1024, true};

private:
    std::string previous_;
    bool ready_ = false;
};
