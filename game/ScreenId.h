#ifndef KELZO_GAME_SCREENID_H
#define KELZO_GAME_SCREENID_H

// The screens the application shows, one at a time.
enum ScreenId {
    ScreenTitle = 0,
    ScreenGameIntro = 1,
    ScreenPlaying = 2,
    ScreenMainMenu = 3,
    ScreenSettings = 4,
    ScreenUnused = 5,
    ScreenHowToPlay = 6,
    ScreenGameOverAlert = 7,
    ScreenNewHiScore = 8,
    ScreenHiScores = 9,
    ScreenGameOver = 10,
    ScreenContact = 11,
    ScreenLevelSelect = 12,
    ScreenRating = 13,
    ScreenHistory = 14,
    ScreenModeMenu = 15,
    ScreenAds = 16,
    ScreenLanguage = 17,
    ScreenThemes = 18,
};

#endif
