#include "game/TouchZones.h"

#include "game/TutorialSteps.h"

namespace {

const int kCornerBottom = 455;    // both corner releases: y > 455
const int kLeftCornerRight = 25;  // first release: x < 25
const int kRightCornerLeft = 296; // second release: x >= 296

}  // namespace

bool showsBottomBar(ScreenId screen)
{
    return screen == ScreenPlaying || screen == ScreenHowToPlay || screen == ScreenGameIntro;
}

bool inBottomBar(ScreenId screen, int y) { return y > kBarTop && showsBottomBar(screen); }

BarButton barButtonAt(ScreenId screen, int tutorialStep, int x)
{
    if (x < kUndoRight && (screen == ScreenPlaying || (screen == ScreenHowToPlay && tutorialPlayerStep(tutorialStep))))
        return BarUndo;
    if (x > kHintLeft && screen == ScreenPlaying)
        return BarHint;
    return BarNone;
}

bool opensHiddenCorner(ScreenId screen, int previousX, int previousY, int x, int y)
{
    return screen == ScreenMainMenu && previousX >= 0 && previousX < kLeftCornerRight && previousY > kCornerBottom &&
           x >= kRightCornerLeft && y > kCornerBottom;
}
