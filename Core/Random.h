#ifndef KELZO_CORE_RANDOM_H
#define KELZO_CORE_RANDOM_H

#include <initializer_list>
#include <set>

// Random numbers over the C library's rand(); whoever needs a seed sets it.

// rand() % n; n below 1 gives 0.
int randomBelow(int n);
// max * u with u in [0, 1); 0 without calling rand() when max is 0.
float randomFloat(float max);
// max * u * u: small values more likely; 0 without calling rand() when max is 0.
float randomSquared(float max);

// Index of the first percentage at which the running sum exceeds rand() % 100;
// the last index when the percentages do not reach that far.
int weightedRandomChoice(std::initializer_list<int> percentages);
template <class... Rest>
int weightedRandomChoice(int p0, Rest... rest)
{
    return weightedRandomChoice({p0, static_cast<int>(rest)...});
}

void seedRandomFromClock();
void seedRandomZero();

using IntSet = std::set<int>;
// Inserts `count` distinct values drawn from 0..count into the set.
void addRandomDistinct(IntSet& set, int count);

#endif
