#ifndef KELZO_GAME_TIPS_H
#define KELZO_GAME_TIPS_H

#include <cstdint>

#include "Core/Array.h"
#include "board/TipParams.h"

// The in-game tips: which tips are open and the counters that decide whether
// a tip may be shown again. This holds the show rules and counters the board
// uses; the tip table and the speech bubbles come with the game shell.
class Tips {
public:
    static const int kCountedIds = 64;

    // The spaced show rule: refused while a tip is open; the limits apply to
    // the total showings, with more refusals needed for the later ones.
    bool shouldShowSpaced(int id, int limit, int limit2, int limit3);
    void show(int id, const TipParams& params);
    // Starts the fade-out of every open tip of that id.
    void dismiss(int id);
    // Last-activity time = now; clears the per-move counters and the refusals.
    void resetGameCounters(int now);

    bool isOpen(int id) const;
    int openCount() const { return open_.size(); }
    int shownCount(int id) const { return id >= 0 && id < 128 ? shown_[id] : 0; }
    const TipParams& lastParams() const { return lastParams_; }
    int quietFrom() const { return quietFrom_; }

private:
    static bool counted(int id) { return id >= 0 && id < kCountedIds; }

    Array<int> open_;
    int shown_[128] = {};
    int quietFrom_ = 0;
    int perGame_[kCountedIds] = {};
    int perMove_[kCountedIds] = {};
    int refused_[kCountedIds] = {};
    TipParams lastParams_;
};

#endif
