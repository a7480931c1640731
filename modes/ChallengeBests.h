#ifndef KELZO_MODES_CHALLENGEBESTS_H
#define KELZO_MODES_CHALLENGEBESTS_H

#include "Core/Array.h"
#include "Core/Stream.h"

// The Challenge personal bests: per difficulty 0..2 and level, the best run
// in whole seconds (-1 = none), kept in "personalBests.dat":
//
//     "10rf" tag, count, bests of difficulty 0 by level index,
//     "xelf" tag, count, bests of difficulty 1, count, bests of difficulty 2,
//     "10rf" tag
//
// Only the Challenge levels 1..30 of difficulties 0..2 are ever read or
// written; any other (difficulty, level) reads as no best and is never
// stored, whatever the caller or a saved game hands in.
class ChallengeBests {
public:
    static const int kDifficulties = 3;
    static const int kEntriesPerDifficulty = 32;

    // The best in seconds, -1 when there is none.
    int best(int difficulty, int level) const;
    // Takes a run as the best when there was none or it is strictly faster;
    // true when it did. The file is the caller's to write.
    bool record(int difficulty, int level, int seconds);

    // No entries of difficulty 0: not loaded yet.
    bool isEmpty() const { return bests_[0].isEmpty(); }
    void clear();
    // Every difficulty filled up with -1 to kEntriesPerDifficulty entries.
    void pad();

    // Reads the file layout; at the first fault stops and keeps what was read.
    bool read(StreamIn& in);
    bool write(StreamOut& out) const;

private:
    static bool inRange(int difficulty, int level);

    Array<int> bests_[kDifficulties];
};

extern const char* const kChallengeBestsFileName;   // "personalBests.dat"
extern ChallengeBests gChallengeBests;

// Loads the file into gChallengeBests when nothing is loaded yet.
void ensurePersonalBestsLoaded();
// Empties gChallengeBests and reads the file again (padded with -1).
void loadPersonalBests();
// Writes gChallengeBests through a safe save; true when the file is in place.
bool savePersonalBests();

#endif
