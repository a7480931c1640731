#ifndef KELZO_BOARD_BOARDSERVICES_H
#define KELZO_BOARD_BOARDSERVICES_H

// Everything the board reads from outside its own data: the settings' game
// type and options, experiment variations, the colour count per level, the
// game clock, the current language and the usage statistics. Kept behind
// these few functions so the board's rules stay in one place.

int boardGameType();        // the settings' game type (1 = Frenzy)
bool boardFreeHints();      // the settings' free-hints cheat
int boardVariation(const char* key);   // "ddh", "lvt", "as", "fic"
int boardKindCount(int level, int furballCount);   // colours of a puzzle, 5..8
int boardLanguage();        // 0 = English
int boardNow();             // game time in ms
int boardClockRunning();    // the clock's running value (its last update) in ms
void boardCountStatistic(const char* name);
int boardStatistic(const char* name);

// Values that stand in for the settings record and the experiment engine
// until those are part of the game; tests set them.
struct BoardServiceValues {
    int gameType = 0;
    bool freeHints = false;
    int ddh = 15;
    int lvt = 0;
    int as = 0;
    int fic = 0;
    int cpl = 0;
    int language = 0;
};
extern BoardServiceValues gBoardServiceValues;

// Clears the counted statistics (tests).
void resetBoardStatistics();

#endif
