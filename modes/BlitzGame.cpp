#include "modes/BlitzGame.h"

#include "Core/Language.h"
#include "board/Board.h"
#include "board/NumberDisplay.h"
#include "modes/BlitzRules.h"
#include "modes/BlitzSavedFields.h"
#include "modes/GameHost.h"
#include "modes/TimeBank.h"

namespace {

const float kBlitzPeakX = 45.0f;

} // namespace

BlitzGame::BlitzGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    hintsRemaining = kBlitzStartHints;
    movesRemaining = -1;
    level = kBlitzStartLevel;
    bankMs = static_cast<int>(fullBankMs());
}

float BlitzGame::fullBankMs() const
{
    return blitzTimeLimitMs(settings.difficulty);
}

bool BlitzGame::hasStarted()
{
    return !ended && !board.isNull() && board->elapsedMs() > 0;
}

void BlitzGame::endGame()
{
    if (gGameHost)
        gGameHost->gameOver(true, true);
}

void BlitzGame::startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3)
{
    board.reset(Board::createForPuzzle(blitzPuzzleLevel(level), recent1, recent2, recent3, difficultyTarget()));
}

void BlitzGame::leaveLevel()
{
    if (!board.isNull())
        bankMs = blitzBankAfterBoard(bankMs, board->elapsedMs());
}

void BlitzGame::tick()
{
    checkTimeUp(*this, bankMs);
}

bool BlitzGame::saveState(StreamOut& out)
{
    BlitzSavedFields fields;
    fields.peak = peak;
    fields.bankMs = bankMs;
    return writeBlitzSavedFields(out, fields);
}

bool BlitzGame::loadState(StreamIn& in)
{
    BlitzSavedFields fields;
    if (!readBlitzSavedFields(in, &fields) || level < 1)
        return false;
    peak = fields.peak;
    bankMs = fields.bankMs;
    return true;
}

void BlitzGame::puzzleSolved(bool* advance, bool* deleteBoard)
{
    if (board.isNull())
        return;
    if (endOnGivenUpBoard(*this, advance, deleteBoard))
        return;
    peak = blitzPeakAfterSolve(level, peak);
    level++;
}

void BlitzGame::drawHud()
{
    soundLowTimeAlarm(*this, bankMs, fullBankMs());
    const float used = bankUsedForHud(*this, bankMs, fullBankMs());
    NumberDisplay shown;
    shown.init(peak, kHudSixDigits, false, kBlitzPeakX, 36, 1.0f);
    shown.draw();
    drawLevelAndClock(*this, used, String("Peak Level Solved"), numberBoxCentre(kHudSixDigits, kBlitzPeakX, false));
}
