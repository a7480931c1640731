#ifndef KELZO_MENUS_HISTORYCARD_H
#define KELZO_MENUS_HISTORYCARD_H

#include <vector>

#include "Core/String.h"
#include "board/HistoryRecord.h"
#include "board/LevelRecord.h"

// What one card of the history strip shows of a past Free Play puzzle: the
// furballs of its starting board and two lines of text.

// One furball of the card's picture, on the board cell it is drawn at.
struct CardFurball {
    int column;
    int row;
    int face;      // 0..3
    int colour;    // 1..8
    int variant;   // 0..3: the still frame of its face
};

// The furballs of a stored puzzle as its card draws them: each record cell
// (c, r) on board cell (6 - c, 7 - r), the board's colours for the puzzle,
// and faces drawn from a generator seeded with the puzzle id, so a card
// looks the same every time it is drawn; no face repeats the one before it.
std::vector<CardFurball> cardFurballs(const LevelRecord& puzzle, int puzzleId, int level);
// The same for a puzzle of the store; none when the store cannot find it.
std::vector<CardFurball> cardFurballsOf(int puzzleId, int scheme);

// "Level 5 #123" (text 175) for puzzle id 50123.
String historyCardTitle(int puzzleId);
// How it went: "Solved with help in" (176) for a finished puzzle that took
// hints, "Solved in" (177) for one without, "Unsolved after" (178) for the
// rest; then the time as "<m>m <s>s" (texts 43, 44), the seconds left out
// after minutes of a puzzle solved with help.
String historyCardStatus(const HistoryRecord& record);
// The status line's font size: smaller for the longer "solved with help" line.
int historyCardStatusSize(const HistoryRecord& record);

#endif
