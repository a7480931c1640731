#include "modes/FrenzyGame.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/BoardDraw.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "board/NumberDisplay.h"
#include "modes/BetweenLevelsPopup.h"
#include "modes/ChallengeRules.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyLevelTable.h"
#include "modes/FrenzyMedals.h"
#include "modes/FrenzySavedFields.h"
#include "modes/FrenzySpawn.h"
#include "modes/GameHost.h"
#include "modes/HudFrames.h"
#include "modes/MedalIndicator.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

namespace {

// The heads-up display's places: the cleared total's box, the middle of the quota bar, the restart button.
const float kFrenzyTotalX = 45.0f;
const float kFrenzyBarCentre = 80.0f;
const int kFrenzyRestartX = 247;
const int kFrenzyRestartWidth = 33;

const int kFirstDropAfterMs = 2000;
const int kRestartAfterMs = 1800;
const int kDropPopInKind = 1;
const int kDropStartedAgoMs = 250;

// Bursts: the cleared level, the lost one, and the furballs still standing meanwhile.
const int kCompleteBurstMs = 1500;
const int kLostBurstMs = 1750;
const int kKeepBurstingMs = 200;

// Timed event kinds.
const int kEventBeatStage = 9;
const int kBeatStageDelayMs = 250;

const int kColourRuleTip = 70;
const int kColourRuleTipUpToCleared = 4;
const int kColourRuleTipMoves = 3;

const int kLevelCompleteText = 248;
const int kBoardFullText = 493;
const int kFrenchLanguage = 3;

// The next drop grows into its cell at this opacity, faint beside the furballs in play.
const float kNextDropAlpha = 0.3f;
// The lesson's cleared total has five digits: a lesson never clears 100,000 furballs.
const int kLessonTotalDivisor = 100000;

// How long the result popup waits after the level ends.
const int kPopupDelayMs = 100;

bool inBoard(int x, int y) { return x >= 0 && x < Board::kColumns && y >= 0 && y < Board::kRows; }

int clampLevel(int level)
{
    // Level -1 belongs to the how-to-play tutorial; anything else stays on the table.
    return level == -1 ? -1 : std::clamp(level, kFrenzyFirstLevel, kFrenzyLastLevel);
}

void burst(int jitterMs, bool onlyStanding)
{
    explodeBoardFurballs(jitterMs, true, onlyStanding, true, 0);
}

} // namespace

FrenzyGame::FrenzyGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    Board::resetCell(nextFurball);
    nextFurball.colour = kNoColour;
    level = clampLevel(settings.startLevel);
    levelStart();
    ensureFrenzyBestsLoaded();
}

FrenzyGame::~FrenzyGame() { BetweenLevelsPopup::forgetCallback(this); }

bool FrenzyGame::hasProgress() { return !board.isNull() && board->history.size() > 0; }

String FrenzyGame::modeName() { return getText(18); }

void FrenzyGame::endGame()
{
    if (gGameHost)
        gGameHost->gameOver(true, true);
}

int FrenzyGame::levelQuota() const { return frenzyLevelQuota(level, settings, gAbSettings); }

FrenzyBoardView FrenzyGame::boardView() const
{
    FrenzyBoardView view;
    if (board.isNull())
        return view;
    view.exists = true;
    view.historyMoves = board->history.size();
    view.furballs = board->furballCount();
    view.hasPossibleMove = board->hasPossibleMove() != 0;
    return view;
}

int FrenzyGame::spawnInterval(int* unadjusted) const
{
    return frenzySpawnInterval(level, boardView(), settings, gAbSettings, unadjusted);
}

float FrenzyGame::movePull() const { return frenzyMovePull(level, difficulty(), boardView(), gAbSettings); }

void FrenzyGame::levelStart()
{
    nextFurball.colour = kNoColour;
    constantField = 10;
    barShown = 0;
    barStepTime = -1;
    undoUsed = false;
    levelCompleteShown = 0;
    quotaBeforeMove = -1;
    barFirst = -1;
    movesRemaining = levelQuota();
    hintsRemaining = frenzyHintsForLevel(level, gAbSettings.fmh);
    if (!board.isNull())
        board->level = level;
    intervalMs = spawnInterval();
    restartTime = -1;
    pendingLevel = -1;
    nextSpawnTime = boardNow() + kFirstDropAfterMs + intervalMs;
}

void FrenzyGame::startLevel()
{
    if (!board.isNull()) {
        const int seconds = board->elapsedMs() / 1000;
        gAbSettings.count(StatTptF, seconds);
        if (gAbSettings.counter(StatChosenTheme) != 0) {
            gAbSettings.count(StatNdtTime, seconds);
            gAbSettings.count(StatNdtPuzzles);
        }
    }
    carriedMs = 0;
    if (gGameHost) {
        gGameHost->nextPuzzle(false);
    } else {
        endLevel();
        startNewLevel(nullptr, nullptr, nullptr);
    }
    levelStart();
}

void FrenzyGame::startNewLevel(const LevelRecord*, const LevelRecord*, const LevelRecord*)
{
    const int colours = frenzyColourCount(level, gAbSettings);
    board.reset(Board::createRandom(frenzyStartFilling(colours, gAbSettings), colours));
    board->level = level;
    board->startTime = clockMinus(board->startTime, carriedMs);
    carriedMs = 0;
    // The chosen drop keeps its colour but needs a cell that is empty on this board.
    if (nextColour() >= 1)
        chooseSpawn(true);
}

void FrenzyGame::chooseSpawn(bool keepColour)
{
    if (board.isNull() || !chooseSpawnCell(*board, &spawnX, &spawnY)) {
        spawnX = -1;
        spawnY = -1;
        nextFurball.colour = kNoColour;
        return;
    }
    const int current = nextColour();
    Board::resetCell(nextFurball);
    nextFurball.colour = chooseSpawnColour(keepColour, current, frenzyColourCount(level, gAbSettings));
}

float FrenzyGame::timeFraction() const
{
    if (movesRemaining < 1 || intervalMs <= 0)
        return 0.0f;
    const float ahead = static_cast<float>(gameTimeDiff(nextSpawnTime, boardNow()));
    return std::clamp(1.0f - ahead / static_cast<float>(intervalMs), 0.0f, 1.0f);
}

int FrenzyGame::currentMedal(float* progress) const
{
    if (board.isNull() || board->startTime == -1) {
        *progress = 1.0f;
        return kMedalGold;
    }
    return frenzyMedalForTime(level, board->elapsedMs(), settings, gAbSettings, progress);
}

void FrenzyGame::puzzleSolved(bool*, bool*)
{
    // The level's time is the board's; the next board goes on from it.
    carriedMs = board.isNull() ? 0 : board->elapsedMs();
}

bool FrenzyGame::takesFinishedBoard() { return movesRemaining >= 1 && restartTime == -1; }

int FrenzyGame::isAnimating()
{
    if (board.isNull() || (gGameHost && !gGameHost->onPlayScreen()))
        return 0;
    return movesRemaining >= 1 || restartTime != -1 || !levelCompleteShown;
}

// ---- Moves and undo

void FrenzyGame::onMoveMade(bool chainLeftBoard)
{
    gAbSettings.count(StatFMoved);
    if (chainLeftBoard)
        gAbSettings.count(StatFMovedAndRem);
    undoUsed = false;
    quotaBeforeMove = movesRemaining;
    nextSpawnTime -= static_cast<int>(movePull() * static_cast<float>(intervalMs));
    if (!chainLeftBoard) {
        showColourRuleTip();
        return;
    }
    movesRemaining--;
    clearedTotal++;
    if (movesRemaining != 0 || board.isNull())
        return;
    burst(kCompleteBurstMs, false);
    if (gGameHost) {
        gGameHost->showPraise(false, false, getText(kLevelCompleteText).c_str(), 350);
        gGameHost->appendTimedEvent(kEventBeatStage, kBeatStageDelayMs);
    }
    nextFurball.colour = kNoColour;
    if (!board->frozen) {
        board->frozen = 1;
        board->frozenAt = boardNow();
    }
}

// After a chain that stopped on another colour, early in the first levels: a
// tip points at the furball that stopped it.
void FrenzyGame::showColourRuleTip()
{
    if (board.isNull() || board->history.size() == 0 || !gGameHost)
        return;
    const bool tipLevel = gAbSettings.fsl == 1 ? level == 1 : level == 2;
    if (levelQuota() - movesRemaining > kColourRuleTipUpToCleared || !tipLevel ||
        board->countColourMoves() < kColourRuleTipMoves || !gGameHost->tipBubblesEmpty())
        return;
    const MoveEntry& move = board->history[board->history.size() - 1];
    int x = move.x + move.dx;
    int y = move.y + move.dy;
    int walked = 1;
    int firstColour = 0;
    for (; inBoard(x, y); x += move.dx, y += move.dy, walked++) {
        const int colour = board->hasFurballAt(x, y) ? board->colourAt(x, y) : 0;
        if (colour == 0)
            continue;
        if (firstColour == 0)
            firstColour = colour;
        else if (colour != firstColour)
            break;
    }
    if (!inBoard(x, y) || (move.dx == 0 && move.dy == 0))
        return;
    TipParams params;
    params.showMs = 9000;
    params.delayMs = 360 + 60 * walked;
    params.fadeOutMs = 1800;
    params.scale = y == 0 ? 0.84f : 0.72f;
    const ScreenPoint corner = graphics ? cellToScreen(*graphics, x, y)
                                        : cellCorner(1.0f, -1, -1, static_cast<float>(x), static_cast<float>(y));
    params.x = static_cast<int>(corner.x) + 22;
    params.y = static_cast<int>(corner.y) + 1;
    gGameHost->showTip(kColourRuleTip, params);
}

bool FrenzyGame::undo()
{
    gAbSettings.count(StatFUndoAtt);
    if (restartTime != -1)
        return false;
    if (!CurrentGameI::undo())
        return false;
    undoUsed = true;
    // The quota comes back; the cleared total is what the player has cleared so far, undone or not.
    if (quotaBeforeMove >= 0)
        movesRemaining = quotaBeforeMove;
    gAbSettings.count(StatFUndoSucc);
    return true;
}

bool FrenzyGame::canUndo()
{
    return !board.isNull() && board->history.size() > 0 && movesRemaining >= 1 && !undoUsed &&
           !lastMoveLeftFurball();
}

// ---- The frame's rules

void FrenzyGame::tick()
{
    if (board.isNull() || (gGameHost && !gGameHost->onPlayScreen()))
        return;
    const int now = boardNow();
    if (nextColour() < 1 && movesRemaining >= 1)
        chooseSpawn(false);
    if (movesRemaining < 1) {
        completeLevel();
        return;
    }
    if (restartTime != -1) {
        // Lost: the restart comes whatever the player did meanwhile.
        burst(kKeepBurstingMs, true);
        if (board->movingFurballs.size() == 0 && gameTimeDiff(now, restartTime) >= 0)
            startLevel();
        return;
    }
    if (gameTimeDiff(now, nextSpawnTime) < 0)
        return;
    if (board->furballCount() < kLosingFurballs)
        dropNextFurball(now);
    else
        loseLevel(now);
}

void FrenzyGame::dropNextFurball(int now)
{
    if (nextColour() < 1 || !inBoard(spawnX, spawnY) || board->hasFurballAt(spawnX, spawnY))
        chooseSpawn(true);
    if (nextColour() >= 1 && inBoard(spawnX, spawnY)) {
        const BoardCell cell = nextFurball;
        board->placeFurballAt(spawnX, spawnY, cell);
        board->timedEffects[spawnX + Board::kGrid * spawnY].start(cell, kDropPopInKind, -1, now - kDropStartedAgoMs);
    }
    chooseSpawn(false);
    intervalMs = spawnInterval();
    nextSpawnTime += intervalMs;
}

void FrenzyGame::loseLevel(int now)
{
    burst(kLostBurstMs, false);
    if (gGameHost) {
        gGameHost->playLostLifeEffect();
        gGameHost->showPraise(false, false, getText(kBoardFullText).c_str(), 0);
    }
    gAbSettings.count(StatFLevFail);
    restartTime = now + kRestartAfterMs;
    pendingLevel = level;
    logPrintf("LOG", "frenzy level %d lost with %d furballs", int(level), board->furballCount());
}

void FrenzyGame::completeLevel()
{
    burst(kKeepBurstingMs, true);
    if (levelCompleteShown || board->movingFurballs.size() != 0)
        return;
    const int timeMs = board->elapsedMs();
    const int oldBest = gFrenzyBests.best(level);
    const bool newBest = gFrenzyBests.record(level, timeMs);
    if (newBest)
        saveFrenzyBests();
    const bool lastLevel = level >= kFrenzyLastLevel;
    float progress = 0.0f;
    const int grade = frenzyMedalForTime(level, timeMs, settings, gAbSettings, &progress);
    const String time = formatDurationText(timeMs / 1000);
    Array<String> lines;
    appendRunLines(&lines, time, formatDurationText(gFrenzyBests.best(level) / 1000),
                   newBest && oldBest != -1 ? formatDurationText(oldBest / 1000) : String());
    const String button1 = getText(lastLevel ? 260 : 261);
    const String button2 = getText(lastLevel ? 261 : 262);
    BetweenLevelsPopup::show(formatText(485, int(level)), &lines, getText(lastLevel ? 487 : 486), String(), String(),
                             this, button1.c_str(), button2.c_str(), kPopupDelayMs, false, grade,
                             newBest, formatText(483, medalName(grade).c_str(), time.c_str(), int(level)));
    if (grade == kMedalGold)
        gAbSettings.count(StatFGold);
    else if (grade == kMedalSilver)
        gAbSettings.count(StatFSilver);
    else if (grade == kMedalBronze)
        gAbSettings.count(StatFBronze);
    levelCompleteShown = 1;
    logPrintf("LOG", "frenzy level %d complete in %d ms, grade %d", int(level), timeMs, grade);
}

void FrenzyGame::alertButtonClicked(int buttonIndex, CustomAlertView*)
{
    gAbSettings.count(StatFLevSuc);
    if (level >= gAbSettings.counter(StatLevelF)) {
        gAbSettings.count(StatFinLev);
        gAbSettings.setCounter(StatLevelF, std::max(gAbSettings.counter(StatLevelF), int(level) + 1));
    }
    if (level >= kFrenzyLastLevel) {
        startLevel();
        if (buttonIndex != 0) {
            gAbSettings.count(StatFLevRep);
            if (gGameHost)
                gGameHost->resumeGameClock();
        } else {
            gAbSettings.count(StatFLevNotRep);
            if (gGameHost)
                gGameHost->showMainMenu();
        }
        return;
    }
    if (buttonIndex != 0) {
        level++;
        gAbSettings.count(StatFLevNotRep);
    } else {
        gAbSettings.count(StatFLevRep);
    }
    startLevel();
    if (gGameHost)
        gGameHost->resumeGameClock();
}

// ---- Saved game

bool FrenzyGame::saveState(StreamOut& out)
{
    FrenzySavedFields fields;
    fields.clearedTotal = clearedTotal;
    fields.spawnX = spawnX;
    fields.spawnY = spawnY;
    fields.nextColour = nextColour();
    fields.undoUsed = undoUsed;
    fields.constantField = constantField;
    fields.intervalMs = intervalMs;
    fields.quotaBeforeMove = quotaBeforeMove;
    fields.msSinceSpawnTime = gameTimeDiff(boardNow(), nextSpawnTime);
    return writeFrenzySavedFields(out, fields);
}

bool FrenzyGame::loadState(StreamIn& in)
{
    // Saved games carry any level the format allows; the table has 37.
    level = clampLevel(level);
    // A game the plain stand-in kept has only the saved-game tag after the common part: its board and level
    // go on, with the level's Frenzy fields afresh.
    char record[kFrenzySavedFieldsSize];
    int got = std::max(0, in.read(record, 4));
    int first = 0;
    MemoryStreamIn start(record, got);
    if (!readInt(start, &first))
        return false;
    if (first == kTag)
        return true;
    got += std::max(0, in.read(record + 4, kFrenzySavedFieldsSize - 4));
    MemoryStreamIn saved(record, got);
    FrenzySavedFields fields;
    if (!readFrenzySavedFields(saved, frenzyColourCount(level, gAbSettings), &fields))
        return false;
    clearedTotal = fields.clearedTotal;
    spawnX = fields.spawnX;
    spawnY = fields.spawnY;
    Board::resetCell(nextFurball);
    nextFurball.colour = fields.nextColour < 1 ? kNoColour : fields.nextColour;
    undoUsed = fields.undoUsed;
    constantField = fields.constantField;
    intervalMs = fields.intervalMs;
    quotaBeforeMove = fields.quotaBeforeMove;
    nextSpawnTime = clockMinus(boardNow(), fields.msSinceSpawnTime);
    return true;
}

// ---- Heads-up display

void FrenzyGame::stepBar(int now)
{
    const int target = levelQuota() - std::max(0, int(movesRemaining));
    if (barShown > target)
        barShown = target;
    if (barFirst == -1)
        barFirst = target;
    if (barShown < barFirst) {
        barShown++;
    } else if (barShown < target && (barStepTime == -1 || gameTimeDiff(now, barStepTime) >= 0)) {
        barShown++;
        if (barShown < target)
            barStepTime = now + 360 - 50 * (target - barShown);
    }
}

void FrenzyGame::drawBar(float offset)
{
    drawPictureIntoScoreBoard("Right_140x9.png", offset + 10, 40);
    const int quota = levelQuota();
    const float fraction = quota > 0 ? std::clamp(float(barShown) / float(quota), 0.0f, 1.0f) : 0.0f;
    drawHudFrame(kHudFrenzyBarBack, offset + 12, 42, 1.0f, 1.0f);
    if (fraction <= 0.0f)
        return;
    drawHudFrame(kHudFrenzyBarFill, offset + 13.75f, 42, (fraction * 131 + 1.5f) / 16.0f, 1.0f);
    drawHudFrame(kHudFrenzyBarEnd, fraction * 131 + 12 + offset, 42, 1.0f, 1.0f);
}

void FrenzyGame::drawNextDrop(float progress)
{
    if (movesRemaining < 1 || board.isNull())
        return;
    if (board->furballCount() > 0 && nextColour() < 1)
        chooseSpawn(false);
    if (nextColour() < 1 || progress <= 0.01f || !graphics || !inBoard(spawnX, spawnY))
        return;
    BoardCell cell = nextFurball;
    drawFurballAtCell(*graphics, &cell, spawnX, spawnY, 0.2f + 0.8f * progress, 0, kNextDropAlpha);
}

void FrenzyGame::drawHud()
{
    const bool howToPlay = gGameHost && gGameHost->onHowToPlayScreen();
    const float progress = howToPlay ? 0.0f : timeFraction();
    stepBar(boardNow());
    const bool shifted = boardLanguage() == kFrenchLanguage && gAbSettings.fsp < 1;
    const float barOffset = shifted ? -2 : 0;
    const float levelX = 176 + (shifted ? -9 : 0);

    HudLabel labels[3];
    labels[0].text = getText(level == -1 ? 266 : 268);
    labels[0].centre = level == -1 ? numberBoxCentre(kLessonTotalDivisor, kFrenzyTotalX, false) : barOffset + kFrenzyBarCentre;
    labels[1].text = getText(265);
    labels[1].centre = numberBoxCentre(100, levelX, true);
    labels[2].text = getText(gAbSettings.fsp < 1 ? 269 : kMedalLabelText);
    labels[2].centre = gAbSettings.fsp < 1 ? kFrenzyRestartX + kFrenzyRestartWidth / 2.0f : kMedalCentre;
    drawHudLabels(labels, 3);
    if (level == -1) {
        NumberDisplay total;
        total.init(clearedTotal, kLessonTotalDivisor, false, kFrenzyTotalX, 36, 1.0f);
        total.draw();
    } else {
        drawBar(barOffset);
    }
    NumberDisplay levelNumber;
    levelNumber.init(std::max(0, int(level)), 100, true, levelX, 36, 1.0f);
    levelNumber.draw();
    if (gAbSettings.fsp < 1) {
        drawPictureIntoScoreBoard("Restart_33x27.png", kFrenzyRestartX, 31);
    } else {
        float medalProgress = 0.5f;
        const int grade = currentMedal(&medalProgress);
        drawMedalIndicator(grade, medalProgress);
    }
    drawNextDrop(progress);
}
