#ifndef KELZO_MODES_HUDFRAMES_H
#define KELZO_MODES_HUDFRAMES_H

// The frames of the heads-up run of the common images (kEntryHud) that the
// Challenge and Frenzy heads-up displays draw, each with the picture it holds.
enum HudFrame {
    kHudFrenzyBarBack = 2,     // the groove of the cleared-count bar
    kHudFrenzyBarFill = 3,     // its fill, stretched to the count
    kHudFrenzyBarEnd = 4,      // the rounded end of the fill
    kHudFirstMedal = 5,        // bronze, silver, gold, none
    kHudMedalBarBack = 9,      // the medal's progress bar: its foot,
    kHudMedalBarFill = 10,     // the fill, stretched to the progress,
    kHudMedalBarEnd = 11,      // and the cap on top
};

// One frame of the run with its top-left corner at (x, y), scaled; nothing
// before the common images are loaded.
void drawHudFrame(int frame, float x, float y, float scaleX, float scaleY);

#endif
