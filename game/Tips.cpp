#include "game/Tips.h"

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
    if (id >= 0 && id < 128)
        shown_[id]++;
    if (counted(id)) {
        perGame_[id]++;
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

void Tips::resetGameCounters(int now)
{
    quietFrom_ = now;
    for (int i = 0; i < kCountedIds; i++) {
        perMove_[i] = 0;
        refused_[i] = 0;
    }
}

bool Tips::isOpen(int id) const
{
    for (int open : open_)
        if (open == id)
            return true;
    return false;
}
