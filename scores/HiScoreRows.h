#ifndef KELZO_SCORES_HISCOREROWS_H
#define KELZO_SCORES_HISCOREROWS_H

#include "Core/String.h"

// One row of an online list.
struct HiScoreRow {
    String name;
    int score = -1;        // -1: none, or a score the server sent garbled
    int rank = -1;
    bool isMine = false;
    bool textsBuilt = false;  // cleared whenever the row changes
};

// The online list as far as it has come, with the player's own rank. The
// fetcher fills it from the score server's replies, page after page; at most
// kMaxRows rows are ever stored, whatever a reply holds.
struct HiScoreRows {
    static constexpr int kMaxRows = 1024;

    HiScoreRow rows[kMaxRows];
    int rowCount = -1;     // -1: nothing came since clear() (taken as 0)
    int myRank = -1;       // 1-based online rank of the player's score, -1 none
    int myRowIndex = -1;   // 1-based rank at which the player's row was put in, -1 none

    void clear();
    int storedCount() const { return rowCount < 0 ? 0 : rowCount; }
    // Rows of the server's list stored so far, where the next page starts:
    // the player's row put in counts only once the server's copy was dropped.
    int serverRowsStored() const { return storedCount() - (myRowIndex != -1 ? 1 : 0); }

    // Takes one reply: line 0 carries the rank of myScore as its last word
    // (0-based), each further line "name,score". When the server's list has
    // someone else where the player's score ranks, the player's own row is
    // put in there, and the server's later copy of it is dropped once.
    void storeReply(const String& body, int myScore, const String& myName);

private:
    void storeLine(const String& line, int myScore, const String& myName);
    bool store(const String& name, int score);
};

#endif
