#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"

namespace {

const int kFlagCarried = HistoryRecord::kCarried;
const int kFlagSolved = HistoryRecord::kFinished;
const int kFlagReplayed = HistoryRecord::kAbandoned;
const int kFlagBookmark = HistoryRecord::kKept;

} // namespace

void Board::restartPuzzle(HistoryRecord& played)
{
    bool solved = (played.flags & kFlagSolved) != 0;
    if (!solved) {
        played.flags |= kFlagReplayed;
        played.flags &= ~kFlagBookmark;
    }
    rebuildPuzzle(played.puzzleId, played.scheme);
    if (!solved) {
        // An unsolved puzzle goes on where it was left: its time keeps running.
        startTime = clockMinus(startTime, played.playMs);
        carriedFlag = played.flags & kFlagCarried;
        hintedThrough = played.hintedThrough;
        undoCount = played.extra;
    }
    replayFlag = solved;
    showHint(0);
}

void Board::recordPlayedPuzzle(bool solved, bool bookmark, int kind)
{
    if (!gBoardHost)
        return;
    Array<HistoryRecord>& played = gBoardHost->playedPuzzles();
    const HistoryRecord* last = played.isEmpty() ? nullptr : &played[played.size() - 1];
    int elapsed = elapsedMs();
    bool newEntry = !last || last->puzzleId != puzzleId || (last->flags & kFlagReplayed);
    if (puzzleId == -1 || replayFlag || !newEntry || elapsed < 1)
        return;

    int flags = (bookmark ? kFlagBookmark : 0) + (solved ? kFlagSolved : 0) + carriedFlag;
    if (bookmark) {
        // One bookmark per level.
        for (HistoryRecord& entry : played)
            if (levelOfPuzzleId(entry.puzzleId) == levelOfPuzzleId(puzzleId))
                entry.flags &= ~kFlagBookmark;
    }
    HistoryRecord entry;
    entry.puzzleId = puzzleId;
    entry.playMs = elapsed;
    entry.gameType = kind;
    entry.hintedThrough = boardFreeHints() ? 0 : hintedThrough;
    entry.credit = gBoardHost->hasCurrentGame() ? gBoardHost->hintsLeft() : 0;
    entry.flags = flags;
    entry.scheme = scheme;
    entry.extra = undoCount;
    played.append(entry);
    if (boardStatistic("chosenTheme") != 0) {
        boardCountStatistic("ndtTime", elapsed / 1000);
        boardCountStatistic("ndtPuzzles");
    }
}
