#ifndef KELZO_MENUS_MAINMENUENTRIES_H
#define KELZO_MENUS_MAINMENUENTRIES_H

// The entries of the main menu, by row id (the code a tap on the entry returns): 0 play, 1 high scores,
// 2 statistics, 3 restart level, 4 settings, 5 how to play, 6 contact, 11 themes; the resume button returns 7.
enum MainMenuRow {
    kRowPlay = 0,
    kRowHighScores = 1,
    kRowStatistics = 2,
    kRowRestartLevel = 3,
    kRowSettings = 4,
    kRowHowToPlay = 5,
    kRowContact = 6,
    kRowResume = 7,
    kRowThemes = 11,
};

const int kMaxMainMenuEntries = 7;

// The row ids in menu order for the selected game type: statistics in Free Play, or restart level in Frenzy
// and Challenge while there is a current game, after play. Writes them to rows; returns how many (6 or 7).
int mainMenuEntries(int selectedMode, bool hasCurrentGame, int rows[kMaxMainMenuEntries]);
// The caption's text id: 80 + row id, but "my progress" (90) for the high scores of Free Play.
int mainMenuCaptionId(int row, int selectedMode);
// The top of the resume panel under a menu of n entries (its caption one pixel lower): 376 for 6, 392 for 7;
// 27 lower with the menu offset.
int resumePanelY(int entryCount, bool menuOffset);

#endif
