#include "modes/BtCGame.h"

#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/GameGraphics.h"
#include "board/NumberDisplay.h"
#include "board/ScoreBoard.h"
#include "graphics/DrawParams.h"
#include "modes/BtCRules.h"
#include "modes/GameHost.h"
#include "settings/AbSettings.h"

namespace {

const int kFirstLevel = 1;
const int kLastLevel = 30;

// The mark earlier builds' stand-in game saved in place of the total.
const int kStandInMark = CurrentGameI::kTag;

bool onHowToPlay()
{
    return gBoardHost && gBoardHost->onInstructionScreen();
}

} // namespace

BtCGame::BtCGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    hintsRemaining = kBtCStartHints;
    movesRemaining = btcPuzzleCount(settings.fasterClock);
    const int start = settings.startLevel;
    level = start < kFirstLevel ? kFirstLevel : (start > kLastLevel ? kLastLevel : start);
}

bool BtCGame::hasStarted()
{
    if (ended)
        return false;
    if (totalMs > 0)
        return true;
    return !board.isNull() && board->elapsedMs() > 0;
}

int BtCGame::puzzleSize()
{
    return kBtCPuzzleSize;
}

bool BtCGame::saveState(StreamOut& out)
{
    return writeInt32(out, totalMs);
}

// A negative total, or the stand-in's mark, is no time this game could have; its level must have puzzles.
bool BtCGame::loadState(StreamIn& in)
{
    int total = 0;
    if (!readInt(in, &total) || total < 0 || total == kStandInMark || level < kFirstLevel || level > kLastLevel)
        return false;
    totalMs = total;
    return true;
}

void BtCGame::puzzleSolved(bool* advance, bool*)
{
    if (board.isNull())
        return;
    const int elapsed = board->elapsedMs();
    if (gGameHost)
        gGameHost->showPraise(board->hintedThrough > 1, btcSlowSolve(level, elapsed, settings, gAbSettings), nullptr,
                              0);
    totalMs += elapsed;
    movesRemaining--;
    if (movesRemaining <= 0) {
        *advance = false;
        if (gGameHost)
            gGameHost->gameOver(true, true);
    }
}

bool BtCGame::isScoreRecordable()
{
    return btcScoreRecordable(movesRemaining);
}

void BtCGame::drawHud()
{
    const bool tutorial = onHowToPlay();
    BtCClock shown{0, 0};
    if (!tutorial)
        shown = btcClock(totalMs, board.isNull() ? 0 : board->elapsedMs());
    NumberDisplay minutes;
    minutes.init(shown.minutes, 100, false, 35, 36, 1.0f);
    minutes.draw();
    if (graphics)
        graphics->common[kEntryClockSeparator].draw(63.0f, static_cast<float>(33 + gScoreBoard.verticalOffset),
                                                    DrawParams());
    NumberDisplay seconds;
    seconds.init(shown.seconds, 100, false, 68, 36, 1.0f);
    seconds.draw();
    NumberDisplay left;
    left.init(tutorial || movesRemaining < 0 ? 0 : movesRemaining, 100, false, 195, 36, 1.0f);
    left.draw();
}
