#ifndef KELZO_GAME_TIPS_H
#define KELZO_GAME_TIPS_H

#include <cstdint>

#include "Core/Stream.h"
#include "board/TipParams.h"
#include "ui/BubbleStyle.h"
#include "ui/MenuBubbleList.h"

class AlertViewCallbackI;
class Board;
class CustomAlertView;
class MenuBubble;
class TipsHost;

// The in-game tips: the table of 72 tips, the speech bubbles that are open
// and the counters that decide whether a tip may be shown again. Callers ask
// a show rule, then call show(); every rule refuses while a bubble is open
// (unless forced), so two tips never overlap. The frame draws `bubbles`.
//
// Only the total showings survive a restart (save/load, inside the player's
// state file). Every counter covers all 72 tips, so no tip id reaches past
// its arrays.
//
//     if (tips.shouldShow(12, 3, false))
//         tips.show(12, TipParams());
//     ... every frame: tips.bubbles.render();
class Tips {
public:
    static constexpr int kTipCount = 72;
    static constexpr int kSavedCounters = 128;
    static constexpr int kOldSavedCounters = 64;   // the layout before the marker
    static constexpr int kSaveMarker = 0xCFC7;
    static constexpr int kFirstTutorialTip = 43;   // from here on tips ignore the tips option
    static constexpr int kLastTutorialTip = 54;
    static constexpr int kDismissFadeMs = 600;

    Tips();

    // The application, once it exists; null: tips on, no board.
    void setHost(TipsHost* tipsHost) { host = tipsHost; }

    // The tip's table row; row 0 for an id outside the table.
    static const BubbleStyle& row(int id);

    // Once per game, while fewer than `limit` showings in all.
    bool shouldShow(int id, int limit, bool force);
    // The same, up to twice per game.
    bool shouldShowBelowTwice(int id, int limit, bool force);
    // The spaced show rule: the limits apply to the total showings, with more
    // refusals needed for the later ones; never twice between two moves.
    bool shouldShowSpaced(int id, int limit, int limit2, int limit3);
    // The board's rule: shown at the second chance after a move, later
    // showings need ever more chances.
    bool shouldShowBackoff(int id, int limit, int limit2, int limit3);

    void countShown(int id);
    // Ignored for tips below the tutorial's while the tips option is off.
    void show(int id, const TipParams& params);
    // Counts the showing and opens the bubble, whatever the tips option says.
    void present(int id, const TipParams& params);
    // The row's title and body as a dialog with one button, not counted, whatever the tips option says.
    // The dialog is on the menu stack, which owns it.
    CustomAlertView* showWithText(int id, const char* buttonText, AlertViewCallbackI* listener);
    // Starts the fade-out of every open bubble of that tip.
    void dismiss(int id);
    // True when no bubble is still showing; else the first one still showing
    // is asked to fade out.
    bool allDismissed();
    // Closes every bubble at once.
    void removeAll() { bubbles.clear(); }

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

    // A bubble of that tip is open and not fading out.
    bool isOpen(int id) const;
    // Bubbles in the list, fading or not.
    int openCount() const;
    int shownCount(int id) const { return id >= 0 && id < kSavedCounters ? shown_[id] : 0; }
    void setShownCount(int id, int count)
    {
        if (id >= 0 && id < kSavedCounters)
            shown_[id] = count;
    }
    int perGameCount(int id) const { return counted(id) ? perGame_[id] : 0; }
    int perLevelCount(int id) const { return counted(id) ? perLevel_[id] : 0; }
    int perMoveCount(int id) const { return counted(id) ? perMove_[id] : 0; }
    int refusedCount(int id) const { return counted(id) ? refused_[id] : 0; }
    // The display options of the last tip shown, without its texts (body and title null).
    const TipParams& lastParams() const { return lastParams_; }
    int quietFrom() const { return quietFrom_; }

    MenuBubbleList bubbles;

private:
    static bool counted(int id) { return id >= 0 && id < kTipCount; }
    // A bubble on screen, or fading out, or waiting out its delay blocks the show rules.
    bool anyBubble() const;
    // A new bubble that would come near one on screen is narrowed to the room beside it, on the side its tail
    // points to; when that room is too narrow it stays as it is.
    void keepApart(MenuBubble* bubble) const;
    bool allow(int id);
    bool refuse(int id);

    TipsHost* host = nullptr;
    int shown_[kSavedCounters] = {};
    int quietFrom_ = 0;
    int perGame_[kTipCount] = {};
    int perLevel_[kTipCount] = {};
    int perMove_[kTipCount] = {};
    int refused_[kTipCount] = {};
    TipParams lastParams_;
};

// Where a tip without a place of its own stands over the board, as the
// vertical centre of its bubble: within the last (lowest) run of empty rows,
// midway between the lower edge of its first row and the lower edge of its
// last; -1 (the bubble's own default) unless some run spans more than two
// rows, and when the last run is the bottom row alone.
int tipPlaceOverBoard(const Board* board);

#endif
