#include "scores/HiScoreTable.h"

#include "Core/Hash.h"
#include "settings/Settings.h"

namespace {

struct DefaultRank {
    const char* title;
    const char* furballTitle;   // pfValue exactly 1
    int score;
    int largeScore;             // pfValue 3
};

// Best first: rank 1 is the first row.
const DefaultRank kDefaultRanks[HiScoreTable::kShownEntries] = {
    {"World Champion", "World Champion", 5000, 10000},
    {"Champion", "Champion Furball", 4000, 8000},
    {"Pro", "Genius Furball", 2500, 5000},
    {"Expert", "Pro Furball", 1500, 3000},
    {"Senior", "Expert Furball", 1000, 2000},
    {"Amateur", "Adult Furball", 750, 1000},
    {"Beginner", "Senior Furball", 500, 600},
    {"Novice", "Teenage Furball", 300, 300},
    {"Learner", "Junior Furball", 150, 200},
    {"Junior", "Kiddy Furball", 100, 100},
    {"Toddler", "Toddler Furball", 50, 50},
    {"Baby", "Baby Furball", 25, 25},
};

int defaultsKind()
{
    return gSettings ? gSettings->hiScoreDefaultsKind : 0;
}

// Whether a new `score` goes before `standing`: strictly better, and in
// lower-is-better order an empty entry is beaten by any time.
bool beats(int score, const HiScoreEntry& standing, bool lowerIsBetter)
{
    if (lowerIsBetter)
        return standing.score == -1 || standing.score > score;
    return standing.score < score;
}

int firstBeatenPosition(const HiScoreList& list, int score, bool lowerIsBetter)
{
    for (int i = 0; i < list.count(); ++i)
        if (beats(score, list[i], lowerIsBetter))
            return i;
    return list.count();
}

} // namespace

HiScoreTable::HiScoreTable()
{
    fillDefaults();
}

HiScoreTable::~HiScoreTable()
{
    save();
}

void HiScoreTable::fillDefaults()
{
    int kind = defaultsKind();
    for (HiScoreList& list : slots_) {
        list.resize(0);
        if (kind < 1)
            continue;
        for (const DefaultRank& rank : kDefaultRanks) {
            const char* title = kind == 1 ? rank.furballTitle : rank.title;
            int score = kind == 3 ? rank.largeScore : rank.score;
            list.insert(list.count(), HiScoreEntry(String(title), score, -1, false));
        }
    }
    lastAddedSlot_ = -1;
}

void HiScoreTable::setDefaults()
{
    fillDefaults();
    save();
}

int HiScoreTable::rankOf(int slot, int score, bool lowerIsBetter) const
{
    return firstBeatenPosition(slots_[clampSlot(slot)], score, lowerIsBetter) + 1;
}

int HiScoreTable::addScore(int slot, int score, const String& name, int gameId)
{
    return insertScore(slot, score, name, gameId, false);
}

int HiScoreTable::addScoreLowerBetter(int slot, int score, const String& name, int gameId)
{
    return insertScore(slot, score, name, gameId, true);
}

int HiScoreTable::insertScore(int slot, int score, const String& name, int gameId, bool lowerIsBetter)
{
    String cut = cutScoreName(name);
    lastName_ = cut;
    slot = clampSlot(slot);
    HiScoreList& list = slots_[slot];
    int position = firstBeatenPosition(list, score, lowerIsBetter);
    list.insert(position, HiScoreEntry(cut, score, gameId, true));
    lastAddedSlot_ = slot;
    lastAddedPosition_ = position;
    save();
    return position;
}

const HiScoreEntry* HiScoreTable::pendingEntry(int slot) const
{
    if (slot < 0 || slot >= kSlotCount)
        return nullptr;
    const HiScoreList& list = slots_[slot];
    for (int i = 0; i < list.count() && i < kShownEntries; ++i)
        if (list[i].score >= 1 && list[i].pending)
            return &list[i];
    return nullptr;
}

void HiScoreTable::clearPending(int slot)
{
    if (slot < 0 || slot >= kSlotCount)
        return;
    HiScoreList& list = slots_[slot];
    bool changed = false;
    for (int i = 0; i < list.count() && i < kShownEntries; ++i) {
        changed = changed || list[i].pending;
        list[i].pending = false;
    }
    if (changed)
        save();
}

const HiScoreList& HiScoreTable::list(int slot)
{
    HiScoreList& list = slots_[clampSlot(slot)];
    if (list.count() < kShownEntries)
        list.resize(kShownEntries);
    return list;
}

const HiScoreEntry* HiScoreTable::lastAdded() const
{
    if (lastAddedSlot_ < 0)
        return nullptr;
    return &slots_[lastAddedSlot_][lastAddedPosition_];
}

void HiScoreTable::setOnlineName(const String& name)
{
    String cut = cutScoreName(name);
    // The same name again is saved again when the last save did not land (a full disk).
    if (cut == onlineName_ && !lastSaveFailed_)
        return;
    onlineName_ = cut;
    save();
}

int HiScoreTable::entryChecksum(const HiScoreEntry& entry)
{
    String text = entry.name + ":" + String::fromInt(entry.gameId) + ":" + String::fromInt(entry.score);
    return hashMod97(text);
}
