#ifndef KELZO_SCORES_HISCORETABLE_H
#define KELZO_SCORES_HISCORETABLE_H

#include "Core/Stream.h"
#include "Core/String.h"
#include "scores/HiScoreList.h"

// The local high scores: 32 slots (a game's difficulty, 7 for Free Play),
// each a list best first, plus the last entered name and the player's name
// on the score server. Kept in "hiScores.dat".
//
// Every change is saved at once through File's safe save, so a crash or a
// failed write never costs a score: the file holds either the old table or
// the new one, and a failed write leaves the table in memory as it was. The
// destructor saves once more, so even a run that changed nothing leaves the
// file. Nothing is written while gSaveSuppressed is set, nor before load()
// has named the file.
//
//     HiScoreTable table;
//     table.load("hiScores.dat");
//     if (table.rankOf(slot, score, false) <= 12) table.addScore(slot, score, name, seed);
//
// Not thread-safe: only the main thread touches it.
class HiScoreTable {
public:
    static constexpr int kSlotCount = 32;
    static constexpr int kShownEntries = 12;        // positions shown and kept in the file
    static constexpr int kFreePlaySlot = 7;
    static constexpr int kMaxStoredEntries = 1000;  // per slot, when reading

    HiScoreTable();
    ~HiScoreTable();

    HiScoreTable(const HiScoreTable&) = delete;
    HiScoreTable& operator=(const HiScoreTable&) = delete;

    // Reads `path` and keeps it as the file every later change is saved to.
    // A missing file leaves the defaults; a damaged one gives the defaults
    // and stays on disk until the next change or the destructor replaces it. True when the
    // table came from the file.
    bool load(const char* path);
    // True when the file now holds the table.
    bool save();

    // Empties every slot; with the settings' pfValue at 1 or more fills each
    // with the 12 rank titles. The names stay. Saved at once.
    void setDefaults();

    // 1-based rank `score` would take in the slot; equal scores rank after
    // the ones already there.
    int rankOf(int slot, int score, bool lowerIsBetter) const;
    // Insert a new pending entry (name cut to 255 bytes) and save; the
    // result is its 0-based position.
    int addScore(int slot, int score, const String& name, int gameId);
    int addScoreLowerBetter(int slot, int score, const String& name, int gameId);

    // The first of the shown entries with a score of 1 or more that still
    // waits for the score server; null when none. Valid until the next change.
    const HiScoreEntry* pendingEntry(int slot) const;
    // The shown entries of the slot wait no more (sent, or declined). Saved.
    void clearPending(int slot);

    // The slot's entries for display, at least 12 of them.
    const HiScoreList& list(int slot);
    const HiScoreList& slotList(int slot) const { return slots_[clampSlot(slot)]; }

    // The entry the last addScore* stored; null before one, after a load or
    // a reset, and after clearLastAdded().
    const HiScoreEntry* lastAdded() const;
    void clearLastAdded() { lastAddedSlot_ = -1; }

    const String& lastName() const { return lastName_; }
    const String& onlineName() const { return onlineName_; }
    // Cut to 255 bytes and saved (when it changed, or the last save failed).
    void setOnlineName(const String& name);
    const String& fileName() const { return fileName_; }

    // 0..96, over "name:gameId:score"; guards the pending flag in the file.
    static int entryChecksum(const HiScoreEntry& entry);

private:
    static int clampSlot(int slot) { return slot > kSlotCount - 1 ? kSlotCount - 1 : (slot < 0 ? 0 : slot); }

    int insertScore(int slot, int score, const String& name, int gameId, bool lowerIsBetter);
    void fillDefaults();
    bool read(StreamIn& in);
    bool readSlot(StreamIn& in, HiScoreList* list);
    void write(StreamOut& out) const;

    String fileName_;
    HiScoreList slots_[kSlotCount];
    int lastAddedSlot_ = -1;
    int lastAddedPosition_ = 0;
    String lastName_;
    String onlineName_;
    bool lastSaveFailed_ = false;
};

#endif
