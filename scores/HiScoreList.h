#ifndef KELZO_SCORES_HISCORELIST_H
#define KELZO_SCORES_HISCORELIST_H

#include "Core/Array.h"
#include "scores/HiScoreEntry.h"

// The entries of one high-score slot, best first. Positions from count()
// up to the storage's end hold empty entries.
class HiScoreList {
public:
    HiScoreList();

    int count() const { return entries_.size(); }
    HiScoreEntry& operator[](int position) { return entries_[position]; }
    const HiScoreEntry& operator[](int position) const { return entries_[position]; }

    // Growing adds empty entries; shrinking empties the entries cut off.
    void resize(int count) { entries_.setSize(count); }
    // Puts `entry` at `position` (0..count), moving the later ones up.
    void insert(int position, const HiScoreEntry& entry);

private:
    Array<HiScoreEntry> entries_;
};

#endif
