#ifndef KELZO_MENUS_NEWHISCOREMESSAGE_H
#define KELZO_MENUS_NEWHISCOREMESSAGE_H

#include "Core/String.h"

// The new-high-score page's message: the result (a time in Beat the Clock, else the score with its thousands
// grouped), the place it takes, and the request to type a name. In the current language's words.

// "1 minute 1 second", "1 minute 0 seconds", "59 seconds": whole seconds of the milliseconds, the minutes
// left out below one.
String hiScoreTimeText(int milliseconds);
// "1st", "2nd", "3rd", "4th" ... "12th": the number and its suffix text.
String rankText(int rank);
String newHiScoreMessage(int score, bool isTime, int rank);

#endif
