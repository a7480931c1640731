#include "menus/HistoryCard.h"

#include <cstdint>

#include "Core/Language.h"
#include "board/Board.h"
#include "board/LevelData.h"

namespace {

const int kColumns = 7;
const int kRows = 8;

bool solvedWithHelp(const HistoryRecord& record)
{
    return (record.flags & HistoryRecord::kFinished) && record.hintedThrough != 0;
}

// A small generator of the card's own: the same puzzle gives the same faces.
class FaceDraw {
public:
    explicit FaceDraw(int seed) : state_(2654435761u * (uint32_t)seed + 12345u) {}
    int next(int last)
    {
        int face;
        do {
            state_ = 1103515245u * state_ + 12345u;
            face = (int)((state_ >> 16) % 4);
        } while (face == last);
        return face;
    }

private:
    uint32_t state_;
};

}  // namespace

std::vector<CardFurball> cardFurballs(const LevelRecord& puzzle, int puzzleId, int level)
{
    static const Board colourRule;
    std::vector<CardFurball> furballs;
    const int count = puzzle.furballCount();
    ColourTally tally;
    FaceDraw faces(puzzleId);
    int lastFace = -1;
    for (int r = 0; r < kRows; r++)
        for (int c = 0; c < kColumns; c++) {
            if (!puzzle.hasFurball(c, r))
                continue;
            CardFurball furball;
            furball.column = 6 - c;
            furball.row = 7 - r;
            furball.face = lastFace = faces.next(lastFace);
            furball.colour = colourRule.chooseColour(puzzleId, c, r, tally, count, level);
            furball.variant = (int)((5u * (uint32_t)puzzleId + 17u * r + 9u * c) % 4u);
            furballs.push_back(furball);
        }
    return furballs;
}

std::vector<CardFurball> cardFurballsOf(int puzzleId, int scheme)
{
    LevelRecord puzzle;
    int level = 0;
    if (!levelRecordLookup(&puzzle, puzzleId, &level, scheme))
        return std::vector<CardFurball>();
    return cardFurballs(puzzle, puzzleId, level);
}

String historyCardTitle(int puzzleId)
{
    return String::format("%s %d #%d", getText(175).c_str(), levelOfPuzzleId(puzzleId), puzzleId % 10000);
}

String historyCardStatus(const HistoryRecord& record)
{
    const bool finished = (record.flags & HistoryRecord::kFinished) != 0;
    const int prefix = !finished ? 178 : solvedWithHelp(record) ? 176 : 177;
    const int seconds = record.playMs / 1000;
    const int minutes = seconds / 60;
    String text = getText(prefix) + " ";
    if (minutes != 0)
        text = text + String::fromInt(minutes) + getText(43);
    if (minutes == 0 || !solvedWithHelp(record))
        text = text + String::fromInt(seconds % 60) + getText(44);
    return text;
}

int historyCardStatusSize(const HistoryRecord& record)
{
    return solvedWithHelp(record) ? 12 : 13;
}
