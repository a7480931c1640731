#ifndef KELZO_GAME_PLAYHELPTIPS_H
#define KELZO_GAME_PLAYHELPTIPS_H

#include <cstdint>

#include "Core/String.h"

class Board;
class CurrentGameI;
class Tips;

// The tips the play screen offers by itself when the player seems to need them: on the first levels, after a
// while without a move, the help tip (use a hint), the stuck tip (undo) or the early stuck tip; in Frenzy the
// two Frenzy help tips. The experiment variations ("uhb", "uhwt", "uhst", "uct", "bj", "emu", "sut", "pbu",
// "lvt", "fsp") choose waits, texts and which tips exist; they are read at every pass.
//
// The pass runs at most every 301 ms: the move searches behind it are costly, so a board's answers (is there a
// hint move, is any move possible) are kept in the board's two display words, which every move and undo clears.
class PlayHelpTips {
public:
    static const int kPassIntervalMs = 301;

    // One pass when 301 ms have gone since the last; `now` is game time with pauses taken out. The game must
    // have a board.
    void frame(int now, Tips& tips, CurrentGameI& game, bool alertOpen);
    // The pass itself, whatever the time.
    static void pass(int now, Tips& tips, CurrentGameI& game, bool alertOpen);

    int32_t lastPassMs = -1000000;

private:
    static void frenzyTips(int t, Tips& tips, CurrentGameI& game, Board& board);
    static void boardTips(int t, Tips& tips, CurrentGameI& game, Board& board);
};

// The stuck tip's texts where a variation ("uhb" 2 to 4, "pbu" for 2) words it its own way; outside English
// texts 341 and 342. Empty texts keep the tip's own.
struct StuckTipTexts {
    String title;
    String body;
};
StuckTipTexts stuckTipTexts(int uhb, int pbu, bool inEnglish);

// The help tip of a game type: 9 Free Play, 8 Challenge, 7 the others.
int helpTipFor(int gameType);

// After a help tip the shown counts of tips 7, 8 and 9 are drawn within 1 of each other, so a player who
// changes modes is not shown the same advice again as if it were new.
void balanceHelpTipCounts(Tips& tips);

#endif
