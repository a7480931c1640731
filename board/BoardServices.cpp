#include "board/BoardServices.h"

#include <cstring>

#include "Core/Array.h"
#include "Core/GameClock.h"

BoardServiceValues gBoardServiceValues;

namespace {

struct NamedCount {
    const char* name = nullptr;
    int count = 0;
};

Array<NamedCount>& statistics()
{
    static Array<NamedCount> counts;
    return counts;
}

NamedCount* findStatistic(const char* name)
{
    for (NamedCount& entry : statistics())
        if (strcmp(entry.name, name) == 0)
            return &entry;
    return nullptr;
}

} // namespace

int boardGameType()
{
    return gBoardServiceValues.gameType;
}

bool boardFreeHints()
{
    return gBoardServiceValues.freeHints;
}

int boardVariation(const char* key)
{
    if (strcmp(key, "ddh") == 0)
        return gBoardServiceValues.ddh;
    if (strcmp(key, "lvt") == 0)
        return gBoardServiceValues.lvt;
    if (strcmp(key, "as") == 0)
        return gBoardServiceValues.as;
    if (strcmp(key, "fic") == 0)
        return gBoardServiceValues.fic;
    return 0;
}

int boardKindCount(int level, int furballCount)
{
    int clamped = furballCount < 5 ? 5 : (furballCount > 8 ? 8 : furballCount);
    switch (gBoardServiceValues.cpl) {
    case 0:
        return 8;
    case -1:
    case 1:
        return clamped;
    case 2:
        return level < 5 ? 5 : level < 9 ? 6 : level > 13 ? 8 : 7;
    case 3:
        return level < 7 ? 5 : level < 11 ? 6 : level > 14 ? 8 : 7;
    default:
        return 8;
    }
}

int boardLanguage()
{
    return gBoardServiceValues.language;
}

int boardNow()
{
    return gGameClock.now();
}

int boardClockRunning()
{
    return gGameClock.current;
}

void boardCountStatistic(const char* name)
{
    NamedCount* entry = findStatistic(name);
    if (entry) {
        entry->count++;
        return;
    }
    NamedCount added;
    added.name = name;
    added.count = 1;
    statistics().append(added);
}

int boardStatistic(const char* name)
{
    NamedCount* entry = findStatistic(name);
    return entry ? entry->count : 0;
}

void resetBoardStatistics()
{
    statistics().clear();
}
