#ifndef KELZO_MENUS_WIDGETS_LEVELSELECT_H
#define KELZO_MENUS_WIDGETS_LEVELSELECT_H

#include "Core/String.h"
#include "graphics/SpriteSheet.h"
#include "ui/Scroller.h"
#include "ui/ViewElementI.h"

class ModeChoiceHostI;

// The level chooser of the game-mode menu and the level-select page: a strip of level numbers, 60 px apart,
// that the player drags sideways; the level in the middle (column 160) is the selected one. Levels nearer
// the middle are drawn larger; those more than 1.6 levels off sit under the slider's black shadow, the near
// ones over it. Levels above the highest the player may start wear a padlock; in Frenzy, and in Challenge
// while the experiment "ncm" is on, a level with a best wears its medal. The kinetic part (coasting, elastic
// ends, snapping) is the embedded Scroller, whose page is the level.
//
// The slider takes no touches through the view tree: its owner hands it every touch first (trackTouch) and
// leaves alone the touches it takes. When the owner refuses a locked level it calls reset (the alert saying
// why) and then selectLevel with the highest open level.
//
//   slider = new LevelSelect(&atlas, 1, gSettings->gameMode, host);   // the menu's rows own it
//   if (slider->trackTouch(phase, x, y)) return -1;
class LevelSelect : public ViewElementI {
public:
    static const int kPixelsPerLevel = 60;
    static const int kLastLevel = 30;
    static const int kLastFrenzyLevel = 37;
    static const int kWidth = 248;
    static const int kHeight = 77;
    static const int kTapAlertTitle = 236;
    static const int kTapAlertText = 237;

    // host answers the progress questions; it must outlive the slider.
    LevelSelect(SpriteSheet* atlas, int minLevel, int mode, ModeChoiceHostI* host);

    // y is the slider's top; the strip is always centred on column 160.
    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return kWidth; }
    int height() override { return kHeight; }

    // Shows another mode's levels: its bounds, its open levels, the level its kept game stands at.
    void setRangeForMode(int minLevel, int mode);
    // Nonzero when the slider took the touch (it started in the slider's band).
    int trackTouch(int phase, int x, int y);
    int selectedLevel() const { return scroller.page; }
    // Selects the level and stops coasting; the strip glides there over the next frames.
    void selectLevel(int level);
    // Stands at the level at once: shown there, no drag, no coasting, no tap counted.
    void showLevel(int level);
    // The locked-level alert (none in Free Play with no puzzle left to solve).
    void reset(bool beatTheClock);

    // Draws one level with size factor s (1 in the middle) centred on column cx.
    void drawLevel(int top, int level, int cx, float s);
    // The medal grade of a level for this mode, kMedalNone when it shows none.
    int medalOf(int level) const;
    int lastLevel() const { return mode == 1 ? kLastFrenzyLevel : kLastLevel; }

    SpriteSheet* atlas;
    Scroller scroller;
    SpriteRef shadow;
    int minLevel;
    int highestUnlocked;
    int mode;
    int tapCount = 0;  // taps in a row on the strip's middle
    ModeChoiceHostI* host;

private:
    void drawLevels(int top, bool near);
    void countTap(bool tapped);
};

// The message of the locked-level alert, or false when none is to be shown: Beat the Clock names the highest
// open level; with a Challenge or Frenzy game in play the levels before have to be passed; otherwise the
// puzzles left at the Free Play level reached say what is missing (none left: no alert).
bool lockedLevelMessage(bool beatTheClock, int highestUnlocked, ModeChoiceHostI* host, String* message);

#endif
