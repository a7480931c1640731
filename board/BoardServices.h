#ifndef KELZO_BOARD_BOARDSERVICES_H
#define KELZO_BOARD_BOARDSERVICES_H

// What the board reads from outside its own data: the settings' game type
// and options, experiment variations, the colour count per level, the game
// clock, the current language and the usage statistics.

int boardGameType();        // the settings' game type (1 = Frenzy); 0 without settings
bool boardFreeHints();      // the settings' free-hints cheat
// The settings' flag that Frenzy has been opened; true without settings, which have nowhere to keep it.
bool boardFrenzyUnlocked();
void boardSetFrenzyUnlocked();
int boardLevelScheme();     // the settings' level-data scheme "_levS_", as stored; -1 without settings
int boardVariation(const char* key);   // "ddh", "lvt", "as", "fic", "pd", "pml"
int boardKindCount(int level, int furballCount);   // colours of a puzzle, 5..8
int boardLanguage();        // 0 = English
int boardNow();             // game time in ms
// A clock reading moved back by ms, wrapping like the clock itself (saved
// play times are taken as they come, so this must not overflow).
inline int clockMinus(int time, int ms) { return int(unsigned(time) - unsigned(ms)); }
int boardClockRunning();    // the clock's running value (its last update) in ms
void boardCountStatistic(const char* name, int amount = 1);
int boardStatistic(const char* name);

#endif
