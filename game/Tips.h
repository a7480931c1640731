#ifndef KELZO_GAME_TIPS_H
#define KELZO_GAME_TIPS_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/Stream.h"
#include "board/TipParams.h"

// The in-game tips: which tips are open and the counters that decide whether
// a tip may be shown again. This holds the show rules and counters; the tip
// table and the speech bubbles come with the game shell.
//
// Only the total showings survive a restart (save/load, inside the player's
// state file). Every counter covers all 72 tips, so no tip id reaches past
// its arrays.
class Tips {
public:
    static const int kTipCount = 72;
    static const int kSavedCounters = 128;
    static const int kOldSavedCounters = 64;   // the layout before the marker
    static const int kSaveMarker = 0xCFC7;

    Tips();

    // The spaced show rule: refused while a tip is open; the limits apply to
    // the total showings, with more refusals needed for the later ones.
    bool shouldShowSpaced(int id, int limit, int limit2, int limit3);
    void show(int id, const TipParams& params);
    // Starts the fade-out of every open tip of that id.
    void dismiss(int id);
    // Closes every open tip at once.
    void removeAll() { open_.clear(); }

    // Counter resets, each clearing what the one before it clears:
    // on every move and undo (last activity = now), when a level ends, when a
    // game starts, when the application object is made.
    void resetMoveCounters(int now);
    void resetLevelCounters(int now);
    void resetGameCounters(int now);
    void resetAllCounters(int now);

    // The total showings: the marker, then 128 counters of 16 bits.
    bool save(StreamOut& out) const;
    // Reads either layout (marker and 128, or the older 64 signed values with
    // no marker). A short read keeps what was read and is false.
    bool load(StreamIn& in);

    bool isOpen(int id) const;
    int openCount() const { return open_.size(); }
    int shownCount(int id) const { return id >= 0 && id < kSavedCounters ? shown_[id] : 0; }
    void setShownCount(int id, int count)
    {
        if (id >= 0 && id < kSavedCounters)
            shown_[id] = count;
    }
    int perGameCount(int id) const { return counted(id) ? perGame_[id] : 0; }
    int perLevelCount(int id) const { return counted(id) ? perLevel_[id] : 0; }
    const TipParams& lastParams() const { return lastParams_; }
    int quietFrom() const { return quietFrom_; }

private:
    static bool counted(int id) { return id >= 0 && id < kTipCount; }

    Array<int> open_;
    int shown_[kSavedCounters] = {};
    int quietFrom_ = 0;
    int perGame_[kTipCount] = {};
    int perLevel_[kTipCount] = {};
    int perMove_[kTipCount] = {};
    int refused_[kTipCount] = {};
    TipParams lastParams_;
};

#endif
