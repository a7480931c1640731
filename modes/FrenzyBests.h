#ifndef KELZO_MODES_FRENZYBESTS_H
#define KELZO_MODES_FRENZYBESTS_H

#include "Core/Array.h"
#include "Core/Stream.h"

// The Frenzy personal bests: per level the best level time in milliseconds
// (-1 = none), kept in "fPersonalBests.dat":
//
//     "10rf" tag, count, bests by level index, "10rf" tag
//
// Only the Frenzy levels 1..37 are ever read or written; any other level
// reads as no best and is never stored.
class FrenzyBests {
public:
    static const int kEntries = 45;

    int best(int level) const;
    // Takes a time as the best when there was none or it is strictly faster;
    // true when it did. The file is the caller's to write.
    bool record(int level, int timeMs);

    bool isEmpty() const { return bests_.isEmpty(); }
    void clear() { bests_.clear(); }
    // Filled up with -1 to kEntries entries.
    void pad();

    // Reads the file layout; at the first fault stops and keeps what was read.
    bool read(StreamIn& in);
    bool write(StreamOut& out) const;

private:
    Array<int> bests_;
};

extern const char* const kFrenzyBestsFileName;   // "fPersonalBests.dat"
extern FrenzyBests gFrenzyBests;

// Loads the file into gFrenzyBests when nothing is loaded yet.
void ensureFrenzyBestsLoaded();
// Empties gFrenzyBests and reads the file again (padded with -1).
void loadFrenzyBests();
// Writes gFrenzyBests through a safe save; true when the file is in place.
bool saveFrenzyBests();

#endif
