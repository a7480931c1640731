#ifndef KELZO_SCORES_HISCOREENTRY_H
#define KELZO_SCORES_HISCOREENTRY_H

#include "Core/String.h"

// One local score. An empty entry has an empty name, score -1 and gameId -1.
// Beat the Clock keeps times in milliseconds here; the other modes points.
struct HiScoreEntry {
    static constexpr int kMaxNameBytes = 255;

    String name;
    int score = -1;
    int gameId = -1;     // seed of the finished game, "game_id" on the score server
    bool pending = false; // waits to be sent to the score server

    HiScoreEntry() = default;
    HiScoreEntry(const String& entryName, int entryScore, int entryGameId, bool entryPending)
        : name(entryName), score(entryScore), gameId(entryGameId), pending(entryPending)
    {
    }

    void assign(const HiScoreEntry& other) { *this = other; }
    bool isEmpty() const { return score == -1; }
};

// `name` cut to at most 255 bytes, never inside a UTF-8 character, so every
// stored name fits the file's one-byte length and still renders.
String cutScoreName(const String& name);

#endif
