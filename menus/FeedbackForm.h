#ifndef KELZO_MENUS_FEEDBACKFORM_H
#define KELZO_MENUS_FEEDBACKFORM_H

#include "Core/String.h"

// The texts of the contact form's post to the support endpoint.

// An address worth sending: something before the first "@", and after it a
// last "." with at least one character on each side ("a@b.c").
bool isWellFormedAddress(const String& address);

// The high-score slot of a game choice: 7 for Free Play, else the difficulty.
int feedbackScoreSlot(int gameMode, int difficulty);

// The player's text with the game's facts below it:
// "<feedback>\n\n[Kelzo1.6.2 , game-mode=<slot>, level=<level>, diff=<difficulty>]".
String feedbackQuestion(const String& feedback, int scoreSlot, int startLevel, int difficulty);

// The form as posted: "email=…&question=…&topic=kelzo&subscribe=yes|no", values percent-encoded.
String feedbackBody(const String& address, const String& question, bool subscribe);

// "http://" + the support host + "/support/service_submit/".
String feedbackUrl(const char* supportHost);

// The server took the feedback: the request went through and the reply
// begins with "Ok", exactly so.
bool isFeedbackAccepted(bool requestOk, const String& reply);

#endif
