#ifndef KELZO_MENUS_RATINGMENU_H
#define KELZO_MENUS_RATINGMENU_H

#include "Core/Array.h"
#include "board/HistoryRecord.h"
#include "ui/TiledMenu.h"

// Free Play results counted over the play history. Only Free Play records
// count, and never an abandoned or a kept one (flags 4 and 8); solved means
// finished (flag 2).
struct FreePlayCounts {
    int solvedAtLevel = 0;     // A: solved at the selected level
    int unsolvedAtLevel = 0;   // B: not solved at the selected level
    int solved = 0;            // C: solved at any level
    int unsolved = 0;          // D: not solved at any level
};
FreePlayCounts countFreePlayResults(const Array<HistoryRecord>& history, int selectedLevel);

// What the statistics page shows, taken from the game when the page is opened.
struct RatingFacts {
    int freePlayLevel = 1;
    int puzzlesLeft = 0;        // may be negative: shown as 0
    int selectedLevel = 1;      // the settings' start level
    const Array<HistoryRecord>* history = nullptr;   // null: no history
};

// The Free Play statistics page: the level reached, the puzzles left in it,
// and the solved / unsolved counts at the selected level and over all
// levels, with a button to the history strip. A snapshot: built once.
// Taps answer 0 (back) and 1 (history).
class RatingMenu : public TiledMenu {
public:
    static const int kTagBack = 0;
    static const int kTagHistory = 1;

    explicit RatingMenu(const RatingFacts& facts);
    void addContents() override;

    // Row of the title line: the back button floats beside it in English and
    // French, and takes a row of its own in the other languages.
    static bool backButtonFloats(int language);
    // The title's font size on the row of a floating Back button that wide: 24, or smaller until, centred, it
    // keeps clear of the button.
    static int titleSizeBeside(const char* title, int backWidth);

private:
    void addCountsRow(int row, int solved, int unsolved);

    RatingFacts facts_;
};

#endif
