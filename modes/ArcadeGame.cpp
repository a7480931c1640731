#include "modes/ArcadeGame.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "board/NumberDisplay.h"
#include "board/ScoreBoard.h"
#include "modes/ArcadeRules.h"
#include "modes/ArcadeSavedFields.h"
#include "modes/GameHost.h"
#include "modes/TimeBank.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

namespace {

const int kModeNameText = 16;
const int kScoreLabelText = 266;
const float kArcadeScoreX = 40.0f;
const int kBonusTip = 56;
const int kHurryTip = 31;
const float kHurryTipFrom = 0.78f;
const int kHurryTipBelowLevel = 7;

// The score board's layout key left behind by the level-end show when it ends:
// the next frame's own key differs, so its pieces are composed afresh once.
// Set only at the end: set every frame of the show, it kept the board's cache
// empty and its labels and boxes vanished for the whole show.
const int kLevelEndLayoutKey = 5;

} // namespace

ArcadeGame::ArcadeGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    const int chosenDifficulty = gSettings ? gSettings->difficulty : difficulty();
    level = arcadeStartLevel(difficulty());
    hintsRemaining = arcadeStartHints(difficulty(), settings.mhVariation, chosenDifficulty);
    movesRemaining = puzzleSize();
    bankMs = static_cast<int>(levelTimeMs());
}

float ArcadeGame::timeLimitMs(int forLevel, int forDifficulty, const Settings& withSettings)
{
    return arcadeTimeLimitMs(forLevel, forDifficulty, withSettings, gAbSettings);
}

float ArcadeGame::levelTimeMs() const
{
    return timeLimitMs(level, settings.difficulty, settings);
}

float ArcadeGame::shrunkLevelTimeMs() const
{
    return arcadeShrunkTimeMs(level, settings.difficulty, movesRemaining, settings, gAbSettings);
}

float ArcadeGame::usedFraction() const
{
    return bankUsedFraction(bankMs, board.isNull() ? 0 : board->elapsedMs(), levelTimeMs());
}

bool ArcadeGame::hasStarted()
{
    if (ended)
        return false;
    if (scoreValue > 0)
        return true;
    return !board.isNull() && board->elapsedMs() > 0;
}

String ArcadeGame::modeName()
{
    return getText(kModeNameText);
}

void ArcadeGame::endGame()
{
    lives--;
    if (lives > 0) {
        if (gGameHost)
            gGameHost->nextPuzzle(false);
        bankMs = static_cast<int>(levelTimeMs());
    } else if (gGameHost) {
        gGameHost->gameOver(true, true);
    }
}

int ArcadeGame::puzzleSize()
{
    return arcadePuzzleSize(level, difficulty(), settings.levelRepeatsVariation);
}

void ArcadeGame::leaveLevel()
{
    if (board.isNull())
        return;
    bankMs = arcadeToppedUpBank(bankMs, board->elapsedMs(), levelTimeMs(), shrunkLevelTimeMs());
}

void ArcadeGame::tick()
{
    checkTimeUp(*this, bankMs);
}

bool ArcadeGame::saveState(StreamOut& out)
{
    ArcadeSavedFields fields;
    fields.lives = lives;
    fields.score = scoreValue;
    fields.bankMs = bankMs;
    return writeArcadeSavedFields(out, fields);
}

bool ArcadeGame::loadState(StreamIn& in)
{
    ArcadeSavedFields fields;
    if (!readArcadeSavedFields(in, &fields))
        return false;
    // The saved body allows levels the puzzle store has no puzzles for.
    if (level < 1 || level > kArcadeLastLevel)
        return false;
    lives = fields.lives;
    scoreValue = fields.score;
    bankMs = fields.bankMs;
    shownScore = scoreValue;
    return true;
}

void ArcadeGame::puzzleSolved(bool* advance, bool* deleteBoard)
{
    if (board.isNull())
        return;
    if (endOnGivenUpBoard(*this, advance, deleteBoard))
        return;
    movesRemaining--;
    const int elapsed = board->elapsedMs();
    const int added = arcadePoints(level, difficulty(), shrunkLevelTimeMs(), elapsed, settings.scaleFactor());
    const int before = scoreValue;
    if (added > 0)
        scoreValue += added;
    levelEnd.start(bankUsedFraction(bankMs, elapsed, levelTimeMs()), added, gGameClock.now());
    shownScore = before;

    if (movesRemaining < 1) {
        level++;
        gAbSettings.count(StatFinLev);
        if (gAbSettings.counter(StatLevelA) < level)
            gAbSettings.setCounter(StatLevelA, level);
        hintsRemaining++;
        movesRemaining = puzzleSize();
        levelEnd.levelUp = true;
        showBonusTip();
    } else if (arcadeHalfLevelHint(puzzleSize(), movesRemaining, difficulty())) {
        hintsRemaining++;
        showBonusTip();
    }
}

void ArcadeGame::showBonusTip()
{
    if (gAbSettings.eh <= 0 || !gGameHost)
        return;
    TipParams params;
    params.showMs = gAbSettings.eh * 200 + 1500;
    params.fadeOutMs = 600;
    gGameHost->showTip(kBonusTip, params);
}

int ArcadeGame::isAnimating()
{
    if (!levelEnd.active)
        return 0;
    const int now = gGameClock.now();
    const ArcadeLevelEnd::Frame frame = levelEnd.at(now);
    levelEnd.barFraction = frame.barFraction;
    if (!frame.playing) {
        shownScore = -1;
        levelEnd.active = false;
        levelEnd.levelUp = false;
        gScoreBoard.key = kLevelEndLayoutKey;
        // The show is not counted against the next puzzle.
        if (!board.isNull()) {
            board->startTime = now;
            board->frozen = 0;
        }
        return 0;
    }
    if (graphics)
        drawArcadeLevelEnd(*graphics, levelEnd, frame);
    shownScore = levelEnd.shownScore(scoreValue, frame);
    return 1;
}

void ArcadeGame::setScore(int value)
{
    scoreValue = value;
    shownScore = -1;
}

void ArcadeGame::drawHud()
{
    soundLowTimeAlarm(*this, bankMs, levelTimeMs());
    float used = bankUsedForHud(*this, bankMs, levelTimeMs());
    if (levelEnd.active)
        used = levelEnd.barFraction;
    if (gGameHost && gGameHost->onPlayScreen() && !board.isNull() && !board->givenUp && used > kHurryTipFrom &&
        level < kHurryTipBelowLevel && gGameHost->shouldShowGameTip(kHurryTip, 3, false))
        gGameHost->showTip(kHurryTip, TipParams());

    NumberDisplay shown;
    shown.init(shownScore == -1 ? scoreValue : shownScore, kHudSixDigits, false, kArcadeScoreX, 36, 1.0f);
    shown.draw();
    drawLevelAndClock(*this, used, getText(kScoreLabelText), numberBoxCentre(kHudSixDigits, kArcadeScoreX, false));
}
