#ifndef KELZO_SCORES_SCOREQUERY_H
#define KELZO_SCORES_SCOREQUERY_H

#include "Core/String.h"

// The score server's "game_mode" of slot 0; slot n is n + 1000.
const int kServerSlotBase = 1000;

// Everything one online list request needs, copied on the main thread when
// the fetch starts, so the worker never reads the settings, the device or a
// field the screen may change meanwhile.
struct ScoreQuery {
    static constexpr int kFreePlay = 2;
    static constexpr int kBeatTheClock = 6;

    String host;                // score server, "host:port"
    int slot = 0;
    int timeFilter = 2;         // 0 today, 1 this week, 2 all time
    int maxRows = 51;           // rows wanted in all, earlier pages included
    int myScore = -1;           // the player's score to rank, -1 none
    String myName;
    int gameMode = 0;           // the settings' game type
    bool uniqueNames = false;   // experiment "uhs" at 1
    bool ownScoreSent = false;  // the uploader has finished its upload
    String deviceId;

    // The score ranked on the server: outside Free Play only once the
    // player's own upload has ended, so the rank counts it.
    int rankedScore() const;
};

// The GET address of the list after the `skip` rows already stored.
String fetchUrl(const ScoreQuery& query, int skip);
// Sent as "hash" with a Free Play request: the score and the device id.
int fetchHash(const ScoreQuery& query);

#endif
