#ifndef KELZO_MENUS_MODECHOICEHOSTI_H
#define KELZO_MENUS_MODECHOICEHOSTI_H

// What the game-mode menu, the level-select page and their level slider ask of the application object: the
// player's progress by mode, the game in play, the click and the count of opening hints. The shell implements
// it and hands it to each of those screens when it builds them; tests hand a fake.
class ModeChoiceHostI {
public:
    virtual ~ModeChoiceHostI() {}

    // The highest level a game of the mode may start at.
    virtual int firstUnsolvedLevel(int mode) = 0;
    // The level the kept game of the mode stands at.
    virtual int levelOfMode(int mode) = 0;
    // Puzzles still to solve at the Free Play level reached (may be 0 or below).
    virtual int puzzlesLeftInLevel() = 0;
    // The Free Play level reached.
    virtual int freePlayLevel() = 0;
    // The type of the game in play (GameType), -1 when there is none; its variant 0..2.
    virtual int currentGameType() = 0;
    virtual int currentGameVariant() = 0;
    // The click of a choice (the shell keeps it from repeating too fast).
    virtual void playClick() = 0;
    // The shown-counter of an in-game tip, and raising it by one.
    virtual int tipShownCount(int tipId) = 0;
    virtual void countTipShown(int tipId) = 0;
};

// The highest level a game of the mode in the settings may start at, at least 1.
int firstUnsolvedLevelOfSelectedMode(ModeChoiceHostI* host);

#endif
