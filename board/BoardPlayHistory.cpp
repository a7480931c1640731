#include "board/Board.h"

#include "Core/Language.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/GameType.h"
#include "ui/CustomAlertView.h"

namespace {

const int kFlagCarried = HistoryRecord::kCarried;
const int kFlagSolved = HistoryRecord::kFinished;
const int kFlagReplayed = HistoryRecord::kAbandoned;
const int kFlagBookmark = HistoryRecord::kKept;

const int kLastFreePlayLevel = 30;
// Completing a Free Play level above this one tells the player, once, that Frenzy is open.
const int kFrenzyOpensAbove = 8;
const int kFrenzyTitleText = 354;
const int kFrenzyMessageText = 355;
const int kFrenzyMessageValue = 10;
const int kOkText = 0;
const int kYayEvent = 3;
const int kYayDelayMs = 1600;

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
    appendToPlayHistory(solved, bookmark, kind);
    // Also when the puzzle was not entered (a replay, say): the level may be complete all the same.
    endFreePlayLevel();
}

void Board::appendToPlayHistory(bool solved, bool bookmark, int kind)
{
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
    entry.credit = gBoardHost->hasCurrentGame() ? gBoardHost->recordCredit() : 0;
    entry.flags = flags;
    entry.scheme = scheme;
    entry.extra = undoCount;
    played.append(entry);
    if (boardStatistic("chosenTheme") != 0) {
        boardCountStatistic("ndtTime", elapsed / 1000);
        boardCountStatistic("ndtPuzzles");
    }
}

void Board::endFreePlayLevel()
{
    if (gBoardHost->currentGameType() != kGameFreePlay || gBoardHost->currentGameLevel() > kLastFreePlayLevel ||
        gBoardHost->puzzlesLeftInLevel() >= 1)
        return;
    gBoardHost->showFreePlayNewLevelPopup();
    showFrenzyUnlockedNotice(level);
    gBoardHost->scheduleEvent(kYayEvent, kYayDelayMs);
}

void showFrenzyUnlockedNotice(int level)
{
    if (boardFrenzyUnlocked() || level <= kFrenzyOpensAbove)
        return;
    AlertOptions options;
    options.messageFontSize = 16;
    new CustomAlertView(nullptr, getText(kFrenzyTitleText).c_str(),
                        formatText(kFrenzyMessageText, kFrenzyMessageValue).c_str(), getText(kOkText).c_str(),
                        nullptr, nullptr, options);
    boardSetFrenzyUnlocked();
}
