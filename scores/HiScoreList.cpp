#include "scores/HiScoreList.h"

namespace {

// Room for the 12 shown positions and a few more before any growth.
const int kInitialCapacity = 16;

} // namespace

HiScoreList::HiScoreList()
{
    entries_.reserve(kInitialCapacity);
}

void HiScoreList::insert(int position, const HiScoreEntry& entry)
{
    int oldCount = count();
    entries_.setSize(oldCount + 1);
    for (int i = oldCount; i > position; --i)
        entries_[i] = entries_[i - 1];
    entries_[position] = entry;
}
