#ifndef KELZO_SCORES_SCORESUBMISSION_H
#define KELZO_SCORES_SCORESUBMISSION_H

#include "Core/String.h"

// One score on its way to the score server: a copy of the entry and of
// everything the post needs, taken on the main thread when the upload
// starts, so the upload holds no pointer into the table or the screen.
struct ScoreSubmission {
    String host;            // score server, "host:port"
    String name;
    int score = -1;
    int gameId = -1;
    int slot = 0;
    int gameMode = 0;       // the settings' game type
    String deviceId;
    String historySample;   // sent as "extra_data"
};

String submitUrl(const ScoreSubmission& submission);
// Over "game_id<id>game_mode<mode>device_id<id>user_name<name>score<score>".
int submitHash(const ScoreSubmission& submission);
String submitBody(const ScoreSubmission& submission);
// Success only for a reply that begins "Ok,"; a first line of exactly two
// comma pieces gives the rank in the second (left alone otherwise).
bool readSubmitReply(const String& body, int* rank);

#endif
