#ifndef KELZO_BOARD_BOARDVIEWSERVICES_H
#define KELZO_BOARD_BOARDVIEWSERVICES_H

// What the board's drawing and effects read from outside: the theme counters
// of the usage statistics, the drawing options of the settings and the
// experiment value of the hit bursts. Kept behind these few functions so the
// drawing reads them in one place; the values stand in for the settings
// record and the experiment engine until those are part of the game.

int boardTheme();               // counter "chosenTheme", 0..5
void boardChooseTheme(int theme);   // counts a theme change as the theme loader does
int boardHalfFrames();          // face-animation smoothing: 1 even frames, 2 blended odd frames
bool boardHitBurstsOn();        // the hit explosions are not switched off
int boardHitBurstVariation();   // "bhe"; negative = not assigned
bool boardWindUpOn();           // the thrown furball squeezes before it rolls

struct BoardViewValues {
    int chosenTheme = 0;
    int changedTheme = 0;
    int firstChosenTheme = 0;
    int halfFrames = 0;
    int fxSwitchVariation = 0;
    bool switchC = true;
    int bhe = -1;
    bool windUp = true;
};
extern BoardViewValues gBoardViewValues;

#endif
