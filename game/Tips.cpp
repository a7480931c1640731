#include "game/Tips.h"

#include <algorithm>

Tips::Tips() = default;

bool Tips::shouldShowSpaced(int id, int limit, int limit2, int limit3)
{
    if (!open_.isEmpty() || !counted(id))
        return false;
    int shown = shown_[id];
    bool quietSinceMove = perMove_[id] == 0;
    if ((shown < limit && quietSinceMove) || (shown < limit2 && quietSinceMove && refused_[id] > 0) ||
        (shown < limit3 && quietSinceMove && refused_[id] > 1)) {
        refused_[id] = 0;
        return true;
    }
    refused_[id]++;
    return false;
}

void Tips::show(int id, const TipParams& params)
{
    if (id >= 0 && id < kSavedCounters)
        shown_[id]++;
    if (counted(id)) {
        perGame_[id]++;
        perLevel_[id]++;
        perMove_[id]++;
    }
    lastParams_ = params;
    open_.append(id);
}

void Tips::dismiss(int id)
{
    for (int i = open_.size() - 1; i >= 0; i--)
        if (open_[i] == id)
            open_.removeAt(i);
}

void Tips::resetMoveCounters(int now)
{
    quietFrom_ = now;
    std::fill(perMove_, perMove_ + kTipCount, 0);
    std::fill(refused_, refused_ + kTipCount, 0);
}

void Tips::resetLevelCounters(int now)
{
    resetMoveCounters(now);
    std::fill(perLevel_, perLevel_ + kTipCount, 0);
}

void Tips::resetGameCounters(int now)
{
    resetLevelCounters(now);
    std::fill(perGame_, perGame_ + kTipCount, 0);
}

void Tips::resetAllCounters(int now)
{
    resetGameCounters(now);
    std::fill(shown_, shown_ + kSavedCounters, 0);
}

bool Tips::save(StreamOut& out) const
{
    if (!writeInt16(out, kSaveMarker))
        return false;
    for (int count : shown_)
        if (!writeInt16(out, count))
            return false;
    return true;
}

bool Tips::load(StreamIn& in)
{
    int first = 0;
    if (!readInt16(in, &first))
        return false;
    int count = kSavedCounters;
    int next = 0;
    if ((first & 0xFFFF) != kSaveMarker) {
        count = kOldSavedCounters;
        shown_[next++] = first;
    }
    for (; next < count; next++)
        if (!readInt16(in, &shown_[next]))
            return false;
    return true;
}

bool Tips::isOpen(int id) const
{
    for (int open : open_)
        if (open == id)
            return true;
    return false;
}
