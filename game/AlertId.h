#ifndef KELZO_GAME_ALERTID_H
#define KELZO_GAME_ALERTID_H

// The alerts the application object raises and answers, by the id their answer comes back with.
enum AlertId {
    AlertTimeUp = 1,
    AlertFreePlayNewLevel = 2,
    AlertConfirmHint = 3,
    AlertSkipPuzzle = 4,
    AlertLeaveTutorial = 5,
    AlertHowToPlayStart = 6,
    AlertGameIntro = 7,
    AlertRestartLevel = 8,
    AlertResume = 9,
    AlertGiveUpForHint = 10,
    AlertContinueGame = 11,
    AlertGameOver = 12,
    AlertSameFreePlayLevel = 13,
    AlertFreePlayLevelResult = 14,
    AlertClearScores = 18,
    AlertResetProgress = 19,
    AlertInformation = 20,
    AlertRatingRequest = 22,
    AlertThemeChosen = 23,
};

#endif
