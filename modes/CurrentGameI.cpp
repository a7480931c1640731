#include "modes/CurrentGameI.h"

#include <cstdlib>

#include "Core/Language.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/BoardServices.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "modes/GameHost.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

GameHost* gGameHost = nullptr;

namespace {

// Timed event kinds the games schedule.
const int kEventHint = 8;
const int kEventPuzzleDone = 9;

// Alert ids the games open.
const int kAlertGiveUp = 10;
const int kAlertNewLevel = 2;

// How far a given-up board's clock is put back: its time no longer counts.
const int kGivenUpMs = 9999999;

Settings copyOfGlobalSettings()
{
    return gSettings ? *gSettings : Settings();
}

void presentTip(int id)
{
    if (gGameHost)
        gGameHost->presentTip(id, TipParams());
}

void replaceTipWith(int id, bool present)
{
    if (!gGameHost)
        return;
    gGameHost->removeTipBubbles();
    if (present)
        gGameHost->presentTip(id, TipParams());
    else
        gGameHost->showTip(id, TipParams());
}

} // namespace

CurrentGameI::CurrentGameI(GameGraphics* gameGraphics)
    : graphics(gameGraphics), settings(copyOfGlobalSettings()), seed(rand())
{
}

CurrentGameI::~CurrentGameI() = default;

bool CurrentGameI::hasStarted() { return true; }

bool CurrentGameI::hasProgress() { return false; }

bool CurrentGameI::isSavable() { return true; }

int CurrentGameI::score() { return 0; }

bool CurrentGameI::recordsScoreOnQuit() { return false; }

void CurrentGameI::endGame() {}

int CurrentGameI::hintsLeft() { return hintsRemaining; }

void CurrentGameI::onLevelUp() {}

void CurrentGameI::onMoveMade(bool) {}

bool CurrentGameI::drawBoard()
{
    if (!graphics || board.isNull())
        return false;
    return ::drawBoard(*graphics, *board, 1.0f, 0, 0);
}

void CurrentGameI::startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3)
{
    board.reset(Board::createForPuzzle(level, recent1, recent2, recent3, difficultyTarget()));
}

int CurrentGameI::movesLeft() { return movesRemaining; }

int CurrentGameI::recordCredit() { return hintsLeft(); }

void CurrentGameI::tick() {}

bool CurrentGameI::isInputBlocked() { return false; }

void CurrentGameI::giveUp()
{
    if (board.isNull())
        return;
    board->givenUp = 1;
    board->ended = 1;
    board->startTime = clockMinus(board->startTime, kGivenUpMs);
}

void CurrentGameI::restartLevel() {}

bool CurrentGameI::confirmHint() { return false; }

bool CurrentGameI::isScoreRecordable() { return false; }

int CurrentGameI::isAnimating() { return 0; }

bool CurrentGameI::helpTipHeld() { return false; }

bool CurrentGameI::resumeWithoutBoard() { return false; }

void CurrentGameI::handleTouch(int phase, int x, int y)
{
    if (!isInputBlocked() && !board.isNull())
        board->handleTouch(phase, x, y);
}

bool CurrentGameI::undo()
{
    if (board.isNull())
        return false;
    if (type() == kGameFrenzy) {
        if (undoUsed)
            presentTip(68);
        else if (board->history.size() > 0 && movesRemaining > 0 && lastMoveLeftFurball())
            presentTip(67);
    }
    if (!canUndo())
        return false;
    return board->undo() != 0;
}

bool CurrentGameI::canUndo()
{
    return !board.isNull() && board->history.size() >= 1;
}

int CurrentGameI::makeMove(CellPos pos, int dx, int dy, bool silent, int delay, float speed)
{
    if (board.isNull())
        return 0;
    return board->tryMove(pos, dx, dy, silent, delay, speed);
}

void CurrentGameI::startBoardLevel(bool finished, bool kept)
{
    if (!board.isNull())
        board->recordPlayedPuzzle(finished, kept, type());
}

void CurrentGameI::startLevel(bool keepBoard)
{
    startBoardLevel(false, keepBoard);
    if (gSettings)
        level = gSettings->startLevel;
    if (gGameHost)
        gGameHost->nextPuzzle(false);
}

void CurrentGameI::endLevel()
{
    if (gGameHost) {
        gGameHost->resetLevelTipCounters();
        gGameHost->removeTipBubbles();
    }
    leaveLevel();
    board.reset();
}

bool CurrentGameI::takesFinishedBoard() { return true; }

void CurrentGameI::onPuzzleFinished()
{
    if (!takesFinishedBoard())
        return;
    gAbSettings.count(StatSolvedPuz);
    if (!board.isNull() && !(board->givenUp && type() != kGameFreePlay))
        board->recordPlayedPuzzle(true, false, type());
    if (gGameHost)
        gGameHost->scheduleEvent(kEventPuzzleDone, 0);
    bool advance = true;
    bool deleteBoard = true;
    puzzleSolved(&advance, &deleteBoard);
    if (deleteBoard && !board.isNull())
        board->givenUp = 0;
    if (!board.isNull() && board->furballCount() == 1) {
        // The effects switch may turn the burst into a plain vanishing.
        bool burst = !(settings.fxSwitchVariation != 0 && !settings.switchC);
        explodeBoardFurballs(0, burst, false, true, 0);
    }
    if (advance) {
        if (gGameHost && !gGameHost->isAlertShowing(kAlertNewLevel))
            gGameHost->nextPuzzle(false);
    } else if (deleteBoard) {
        board.reset();
    }
}

bool CurrentGameI::isOpenFreePlay()
{
    if (type() != kGameFreePlay)
        return false;
    int applicationLevel = gGameHost ? gGameHost->applicationLevel() : level;
    return gAbSettings.fph < 5 || level < applicationLevel;
}

// No hint is left to give: Frenzy and Beat the Clock say so with a tip, the
// others offer to give the puzzle up.
bool CurrentGameI::noHintLeft(bool pending)
{
    if (board->givenUp || isOpenFreePlay() || hintsLeft() >= 1 || pending)
        return false;
    if (type() == kGameFrenzy || type() == kGameBeatTheClock) {
        replaceTipWith(34, false);
        return true;
    }
    if (gGameHost) {
        int reason = type() == kGameFreePlay ? 325 : 324;
        gGameHost->showAlert(kAlertGiveUp, getText(322), getText(323) + getText(reason), getText(1), getText(326));
    }
    return true;
}

void CurrentGameI::playHint()
{
    const bool frenzy = type() == kGameFrenzy;
    if (frenzy && pendingLevel != -1)
        return;
    if (gGameHost && gGameHost->onPlayScreen()) {
        gGameHost->dismissTip(7);
        gGameHost->dismissTip(9);
    }
    if (board.isNull() || board->furballCount() == 1)
        return;
    const bool pending = !frenzy && board->hintPending();
    if (noHintLeft(pending))
        return;
    if (!frenzy && board->history.size() > board->hintedThrough && !board->givenUp && !isOpenFreePlay()) {
        // The player has left the hinted path: hints come only from its start.
        replaceTipWith(20, true);
        return;
    }
    if (!pending) {
        int through = board->hintedThrough > board->history.size() ? board->hintedThrough : board->history.size();
        board->hintedThrough = through + 1;
    }
    const bool free = settings.freeHints;
    if (frenzy) {
        gAbSettings.count(StatFHintAtt);
        CellPos pos{-1, -1};
        MoveEntry move;
        if (board->findColourMoveWithin3(&pos, &move.dx, &move.dy)) {
            gAbSettings.count(StatFHintSucc);
            move.x = pos.x;
            move.y = pos.y;
            if (gGameHost)
                gGameHost->playMove(move);
            if (!free)
                hintsRemaining--;
        } else {
            presentTip(board->furballCount() > 32 ? 66 : 65);
        }
        return;
    }
    const bool charge = !isOpenFreePlay() && !board->givenUp && !pending && !free;
    MoveEntry move;
    if (board->findHintMove(&move)) {
        if (move.x == -1 && move.y == -1) {
            if (gGameHost)
                gGameHost->scheduleEvent(kEventHint, 0);
            return;
        }
        if (gGameHost)
            gGameHost->playMove(move);
        if (charge)
            hintsRemaining--;
        if (gGameHost && gGameHost->onPlayScreen())
            gAbSettings.count(StatHinted);
        if (gGameHost)
            gGameHost->scheduleEvent(kEventHint, 0);
        return;
    }
    if (charge)
        hintsRemaining--;
    if (gGameHost)
        gGameHost->playWrongMoveEffect();
    replaceTipWith(35, false);
}

float CurrentGameI::difficultyTarget()
{
    int applicationLevel = gGameHost ? gGameHost->applicationLevel() : level;
    if ((type() == kGameFreePlay && level < applicationLevel) || type() == kGameBlitz)
        return -1.0f;
    int n = movesLeft();
    if (n < 1)
        return 0.0f;
    int size = puzzleSize();
    if (size <= 1)
        return 0.0f;   // a one-puzzle level: its only puzzle is also its first
    float target = 1.0f - float(n - 1) / float(size - 1);
    return target < 0.0f ? 0.0f : target;
}

bool CurrentGameI::isHintAvailable()
{
    if ((!board.isNull() && board->givenUp) || isOpenFreePlay())
        return true;
    return hintsLeft() > 0;
}

bool CurrentGameI::isHintFree()
{
    if (type() == kGameFrenzy)
        return pendingLevel == -1;
    if (board.isNull())
        return false;
    if (board->hintedThrough >= board->history.size() || board->givenUp)
        return true;
    return isOpenFreePlay();
}

bool CurrentGameI::isHintEnabled()
{
    if (type() == kGameFrenzy) {
        if (pendingLevel != -1)
            return false;
        return hintsLeft() != 0 || (!board.isNull() && board->givenUp);
    }
    if (board.isNull())
        return false;
    if (board->history.size() > board->hintedThrough && !board->givenUp)
        return isOpenFreePlay();
    return isOpenFreePlay() || hintsLeft() != 0 || board->givenUp;
}

bool CurrentGameI::lastMoveLeftFurball() const
{
    if (board.isNull())
        return false;
    for (const LiftedFurball& lifted : board->liftedList) {
        if (!board->hasFurballAt(lifted.x, lifted.y))
            continue;
        bool placed = false;
        for (const CellPos& pos : board->placedList)
            placed = placed || (pos.x == lifted.x && pos.y == lifted.y);
        if (!placed)
            return true;
    }
    return false;
}

CurrentGameI* replaceCurrentGame(GameGraphics* graphics, OwnedPtr<CurrentGameI>& slot, bool explain)
{
    CurrentGameI* old = slot.get();
    if (old) {
        GameType type = old->type();
        if (type != kGameFrenzy && type != kGameFreePlay && type != kGameChallenge) {
            if (gGameHost) {
                gGameHost->resetLevelTipCounters();
                gGameHost->removeTipBubbles();
            }
            old->leaveLevel();
            old->board.reset();
        }
    }
    slot.reset(CurrentGameI::create(graphics, explain));
    return slot.get();
}

void replaceBoard(CurrentGameI& game, Board* board)
{
    game.board.reset(board);
}

bool outOfMoves(CurrentGameI& game)
{
    return game.movesLeft() < 1;
}
