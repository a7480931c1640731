#ifndef KELZO_BOARD_BOARDVIEWSERVICES_H
#define KELZO_BOARD_BOARDVIEWSERVICES_H

// What the board's drawing and effects read from outside: the theme counters
// of the usage statistics, the drawing options of the settings record and
// the experiment value of the hit bursts, in one place.

int boardTheme();                   // counter "chosenTheme", 0..5
void boardChooseTheme(int theme);   // counts a theme change as the theme loader does
int boardHalfFrames();              // face-animation smoothing: 1 even frames, 2 blended odd frames
bool boardEffectsOn();              // hit bursts and the throw's wind-up are not switched off
int boardHitBurstVariation();       // "bhe"; negative = not assigned

#endif
