#include "modes/ChallengeGame.h"

#include <algorithm>

#include "Core/Language.h"
#include "board/Board.h"
#include "board/NumberDisplay.h"
#include "modes/ArcadeRules.h"
#include "modes/BetweenLevelsPopup.h"
#include "modes/ChallengeBests.h"
#include "modes/ChallengeRules.h"
#include "modes/GameHost.h"
#include "modes/MedalIndicator.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

namespace {

// Timed event kinds.
const int kEventFailed = 0;
const int kEventYay = 3;
const int kEventHurry = 10;
const int kResultEventDelayMs = 1200;
const int kHurryRepeatMs = 1000;

// How long the result popup waits after the level ends.
const int kResultDelayMs = 800;

// Tips.
const int kTipLevelAgain = 19;
const int kTipTimeUp = 29;
const int kTipHurryEarly = 32;
const int kIntroTips[] = {0, 1, 4, 5};
const float kHurryTipFraction = 0.68f;
const int kHurryTipBelowLevel = 7;
const int kLongIntroTipsFrom = 3;   // "_lt_" from here on shows no intro tips

// The gauge drawn empty.
const int kGaugeEmpty = 99;

bool medalsOn() { return gAbSettings.ncm > 0; }

int clampLevel(int level) { return std::clamp(level, kChallengeFirstLevel, kChallengeLastLevel); }

String duration(int seconds) { return formatDurationText(seconds); }

void scheduleEvent(int kind, int delayMs)
{
    if (gGameHost)
        gGameHost->scheduleEvent(kind, delayMs);
}

// The result sounds come exactly on time, without the lead of scheduled events.
void appendEvent(int kind, int delayMs)
{
    if (gGameHost)
        gGameHost->appendTimedEvent(kind, delayMs);
}

// The heads-up display's places: the numbers' boxes, the clock and the restart button.
const float kChallengeLeftX = 64.0f;
const float kChallengeLevelX = 161.0f;
const int kChallengeClockX = 242;
const int kChallengeClockSize = 36;
const int kChallengeRestartX = 237;
const int kChallengeRestartWidth = 33;

void drawNumber(int value, float x, bool levelStyle)
{
    NumberDisplay number;
    number.init(value, 100, levelStyle, x, 36, 1.0f);
    number.draw();
}

} // namespace

ChallengeGame::ChallengeGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    ensurePersonalBestsLoaded();
    if (medalsOn()) {
        settings.difficulty = 0;
        if (gSettings)
            gSettings->difficulty = 0;
    }
    level = clampLevel(challengeStartLevel(settings.difficulty, settings.startLevel, gAbSettings.ncm));
    setUpLevel();
}

ChallengeGame::~ChallengeGame()
{
    BetweenLevelsPopup::forgetCallback(this);
    savePersonalBests();
}

bool ChallengeGame::hasProgress()
{
    return challengeHasProgress(level, difficulty(), movesRemaining, puzzleSize());
}

String ChallengeGame::modeName() { return getText(15); }

int ChallengeGame::puzzleSize() { return challengePuzzleCount(level, settings.levelRepeatsVariation); }

void ChallengeGame::startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3)
{
    CurrentGameI::startNewLevel(recent1, recent2, recent3);
    hurryWarned_ = false;
}

bool ChallengeGame::saveState(StreamOut& out) { return writeInt32(out, accumulatedMs); }

bool ChallengeGame::loadState(StreamIn& in)
{
    int value = 0;
    if (!readInt(in, &value))
        return false;
    // A game the plain stand-in kept ends with the saved-game tag where the run's time now stands: its
    // run starts afresh rather than counting that mark as time.
    accumulatedMs = value == kTag ? 0 : std::max(value, 0);
    // Saved games carry any level the format allows; the ladder has 30.
    level = clampLevel(level);
    par = challengeParTime(level, difficulty(), settings, gAbSettings);
    return true;
}

void ChallengeGame::setUpLevel()
{
    hintsRemaining = challengeHintsForLevel(level, difficulty(), gAbSettings.ncm, gAbSettings.cmh);
    accumulatedMs = 0;
    movesRemaining = puzzleSize();
    par = challengeParTime(level, difficulty(), settings, gAbSettings);
}

int ChallengeGame::elapsedOfBoard() const { return board.isNull() ? 0 : board->elapsedMs(); }

void ChallengeGame::showLevelIntro(bool resume)
{
    Array<String> lines;
    appendLabelledLine(&lines, 240, String::fromInt(puzzleSize()));
    if (medalsOn())
        appendLabelledLine(&lines, 241, String::fromInt(hintsRemaining));
    else
        appendLabelledLine(&lines, 242, duration(par));
    const int best = gChallengeBests.best(difficulty(), level);
    if (best != -1)
        appendLabelledLine(&lines, 243, duration(best));
    const String tip = settings.ltVariation != 0 ? newLevelText(level) : String();
    const String button = getText(resume ? 246 : 247);
    BetweenLevelsPopup::show(formatText(239, int(level)), &lines, String(), getText(medalsOn() ? 245 : 244), tip,
                             this, button.c_str(), nullptr, 0, resume, BetweenLevelsPopup::kNoMedal,
                             false, String());
    introOpen_ = true;
    if (resume)
        introTipsPending = 1;
}

bool ChallengeGame::resumeWithoutBoard()
{
    // A result still open is answered first; an intro already up is not shown twice.
    if (!introOpen_ && !resultPending)
        showLevelIntro(true);
    return true;
}

void ChallengeGame::restartLevel()
{
    startBoardLevel(false, false);
    endLevel();
    setUpLevel();
    showLevelIntro(false);
}

void ChallengeGame::puzzleSolved(bool* advance, bool* deleteBoard)
{
    const int elapsed = elapsedOfBoard();
    const bool givenUp = !board.isNull() && board->givenUp;
    if (gGameHost) {
        const bool hintedThrough = !board.isNull() && board->hintedThrough > 1;
        const bool fast = elapsed < arcadeTimeLimitMs(level, 0, settings, gAbSettings) / 2.0f;
        gGameHost->showPraise(hintedThrough, fast, nullptr, 300);
    }
    if (movesRemaining < 1) {
        // Nothing is left to play in this run: it starts over, the rest of the game untouched.
        *advance = false;
        *deleteBoard = false;
        restartLevel();
        return;
    }
    const int total = elapsed + accumulatedMs;
    const bool passes = challengeRunPasses(total, par, gAbSettings.ncm, givenUp);
    if (movesRemaining > 1 && passes) {
        accumulatedMs = total;
        movesRemaining--;
        showUnlockNotice();
        return;
    }
    int oldBest = -1;
    bool newBest = false;
    const bool recorded = movesRemaining <= 1 && passes;
    if (recorded) {
        appendEvent(kEventYay, kResultEventDelayMs);
        oldBest = gChallengeBests.best(difficulty(), level);
        newBest = gChallengeBests.record(difficulty(), level, total / 1000);
        if (newBest)
            savePersonalBests();
    } else {
        appendEvent(kEventFailed, kResultEventDelayMs);
    }
    showResult(total, givenUp, recorded, oldBest, newBest);
    *advance = false;
    *deleteBoard = false;
    showUnlockNotice();
}

void ChallengeGame::showResult(int totalMs, bool givenUp, bool recorded, int oldBest, bool newBest)
{
    const int seconds = totalMs / 1000;
    const int grade = !medalsOn() || givenUp ? kMedalNone : challengeMedalForTime(totalMs, par, gAbSettings.ncm, nullptr);
    const bool lastLevel = level >= kChallengeLastLevel;
    Array<String> lines;
    String title, second, third, button1, button2;
    if (recorded) {
        title = getText(248);
        if (!medalsOn())
            appendLabelledLine(&lines, 242, duration(par));
        const bool beatEarlier = newBest && oldBest != -1;
        appendRunLines(&lines, duration(seconds), duration(gChallengeBests.best(difficulty(), level)),
                       beatEarlier ? duration(oldBest) : String());
        second = getText(lastLevel ? 251 : 252);
        if (!medalsOn() && newBest)
            third = getText(253);
        else if (!medalsOn() && seconds == oldBest)
            third = getText(254);
        button1 = getText(261);
        if (!lastLevel)
            button2 = getText(262);
    } else {
        title = getText(255);
        const int count = puzzleSize();
        const bool solved = !board.isNull() && board->furballCount() == 1 && !givenUp;
        second = formatText(solved ? 256 : 257, count - movesRemaining, count) + "\n\n" + getText(258);
        button1 = getText(260);
        button2 = getText(259);
    }
    const String closing = formatText(484, medalName(grade).c_str(), duration(seconds).c_str(), int(level));
    BetweenLevelsPopup::show(title, &lines, second, third, String(), this, button1.c_str(),
                             button2.isEmpty() ? nullptr : button2.c_str(), kResultDelayMs, false, grade,
                             newBest, closing);
    resultPending = 1;
    levelPassed = recorded ? 1 : 0;
}

void ChallengeGame::showUnlockNotice() { showFrenzyUnlockedNotice(level); }

void ChallengeGame::alertButtonClicked(int buttonIndex, CustomAlertView*)
{
    if (resultPending)
        answerResult(buttonIndex);
    else
        answerIntro(buttonIndex);
}

void ChallengeGame::answerResult(int buttonIndex)
{
    resultPending = 0;
    if (levelPassed || buttonIndex != 0) {
        movesRemaining--;
        board.reset();
    }
    if (levelPassed && buttonIndex == 1 && level < kChallengeLastLevel) {
        restartPending = 1;
        level++;
        gAbSettings.count(StatFinLev);
        gAbSettings.setCounter(StatLevelC, std::max(gAbSettings.counter(StatLevelC), int(level)));
    } else if (levelPassed || buttonIndex == 1) {
        restartPending = 1;   // the same level again
    } else if (gGameHost) {
        gGameHost->showMainMenu();
    }
}

void ChallengeGame::answerIntro(int buttonIndex)
{
    introOpen_ = false;
    if (buttonIndex == 0) {
        setUpLevel();
        if (gGameHost) {
            gGameHost->nextPuzzle(false);
            const int limit = settings.extraFlag1 ? 2 : 3;
            if (level < gGameHost->firstUnsolvedLevelOfSelectedMode() && gGameHost->shouldShowGameTip(kTipLevelAgain, limit, false))
                gGameHost->showTip(kTipLevelAgain, TipParams());
        }
    }
    if (gGameHost)
        gGameHost->resumeGameClock();
}

void ChallengeGame::presentIntroTips()
{
    if (medalsOn() || settings.ltVariation >= kLongIntroTipsFrom || !gGameHost)
        return;
    TipParams params;
    params.showMs = 0;
    for (int id : kIntroTips)
        gGameHost->presentTip(id, params);
}

int ChallengeGame::currentMedal(float* progress)
{
    if (board.isNull() || board->startTime == -1) {
        *progress = 1.0f;
        return kMedalGold;
    }
    if (!medalsOn())
        return kMedalNone;
    return challengeMedalForTime(accumulatedMs + elapsedOfBoard(), par, gAbSettings.ncm, progress);
}

void ChallengeGame::applyTimeRules()
{
    const bool onPlay = gGameHost && gGameHost->onPlayScreen();
    const int elapsed = elapsedOfBoard();
    if (!medalsOn() && !board.isNull() && !hurryWarned_ && onPlay &&
        challengeHurryDue(par, accumulatedMs, elapsed)) {
        scheduleEvent(kEventHurry, 0);
        scheduleEvent(kEventHurry, kHurryRepeatMs);
        hurryWarned_ = true;
    }
    if (medalsOn() || board.isNull() || board->givenUp ||
        challengeTimeFraction(accumulatedMs, elapsed, par) < 1.0f)
        return;
    // Time is up: the run fails when this puzzle ends.
    board->givenUp = 1;
    if (gGameHost) {
        gGameHost->removeTipBubbles();
        gGameHost->showTip(kTipTimeUp, TipParams());
        gGameHost->playLostLifeEffect();
    }
}

int ChallengeGame::isAnimating()
{
    const bool onPlay = gGameHost && gGameHost->onPlayScreen();
    return onPlay && !board.isNull() && !board->givenUp && board->furballCount() > 1;
}

void ChallengeGame::drawHud()
{
    applyTimeRules();
    if (restartPending) {
        restartPending = 0;
        // The intro and the heads-up display already tell the new run's puzzles and hints, not what the
        // last run left.
        setUpLevel();
        showLevelIntro(false);
    }
    if (introTipsPending) {
        introTipsPending = 0;
        presentIntroTips();
    }
    const bool howToPlay = gGameHost && gGameHost->onHowToPlayScreen();
    const bool onPlay = gGameHost && gGameHost->onPlayScreen();
    const float fraction = howToPlay ? 0.0f : challengeTimeFraction(accumulatedMs, elapsedOfBoard(), par);
    const bool running = !board.isNull() && !board->givenUp;
    if (!medalsOn() && onPlay && running && fraction > kHurryTipFraction && level < kHurryTipBelowLevel &&
        gGameHost->shouldShowGameTip(kTipHurryEarly, 3, false))
        gGameHost->showTip(kTipHurryEarly, TipParams());

    HudLabel labels[3];
    labels[0].text = getText(264);
    labels[0].centre = numberBoxCentre(100, kChallengeLeftX, false);
    labels[1].text = getText(265);
    labels[1].centre = numberBoxCentre(100, kChallengeLevelX, true);
    if (!medalsOn()) {
        labels[2].text = getText(263);
        labels[2].centre = kChallengeClockX + kChallengeClockSize / 2.0f;
        drawHudLabels(labels, 3);
        drawTimeCircle(running && fraction < 1.0f ? clockGaugeFrame(fraction) : kGaugeEmpty, kChallengeClockX, 26, 1.0f, onPlay,
                       false);
    } else if (gAbSettings.ncp < 1) {
        labels[2].text = getText(269);
        labels[2].centre = kChallengeRestartX + kChallengeRestartWidth / 2.0f;
        drawHudLabels(labels, 3);
        drawPictureIntoScoreBoard("Restart_33x27.png", kChallengeRestartX, 31);
    } else {
        labels[2].text = getText(kMedalLabelText);
        labels[2].centre = kMedalCentre;
        drawHudLabels(labels, 3);
        float progress = 0.5f;
        const int grade = currentMedal(&progress);
        drawMedalIndicator(grade, progress);
    }
    drawNumber(howToPlay ? 0 : std::max(int(movesRemaining), 0), kChallengeLeftX, false);
    drawNumber(level, kChallengeLevelX, true);
}
