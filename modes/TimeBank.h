#ifndef KELZO_MODES_TIMEBANK_H
#define KELZO_MODES_TIMEBANK_H

#include "Core/String.h"

class CurrentGameI;

// What Arcade and Blitz share about their time bank: the time-up rule, the
// low-time alarm and the level and clock part of the heads-up display.

// Time up for the game's board against `bankMs`, checked on the play screen
// for a board still open, not given up and under no alert: the lost-life
// sound, the puzzle recorded as not solved, alert 1 (its answers cost the
// life or give the puzzle up) and no tips left over. True when it was up.
bool checkTimeUp(CurrentGameI& game, int bankMs);

// The alarm once per board when little is left of the bank (`referenceMs`
// the full bank): two alarm sounds a second apart.
void soundLowTimeAlarm(CurrentGameI& game, int bankMs, float referenceMs);

// The share of the bank the board has used for the gauge; 0 on the
// how-to-play screen.
float bankUsedForHud(CurrentGameI& game, int bankMs, float referenceMs);

// The labels, the level box and the clock gauge of the score board. The
// dial rests without a board, for a given-up board or a used-up bank.
// The first label is the caller's (score, peak level), centred at firstCentre over its number.
void drawLevelAndClock(CurrentGameI& game, float usedFraction, const String& firstLabel, float firstCentre);

// A given-up board ends the game: endGame moves on by itself (or ends the
// game), so the board is neither advanced a second time nor deleted, and no
// next puzzle is built behind the game-over screens. True when it was given up.
bool endOnGivenUpBoard(CurrentGameI& game, bool* advance, bool* deleteBoard);

// Timed event kinds of the alarm sound.
const int kAlarmEvent = 10;
const int kAlarmRepeatMs = 1000;
// The alert that says the time is up.
const int kTimeUpAlert = 1;

#endif
