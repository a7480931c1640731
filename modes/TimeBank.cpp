#include "modes/TimeBank.h"

#include "Core/Language.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/NumberDisplay.h"
#include "modes/ArcadeRules.h"
#include "modes/CurrentGameI.h"
#include "modes/GameHost.h"
#include "sound/SoundPlayer.h"

namespace {

const int kBankDialAtRest = 0;   // the gauge frame with no time used
const float kBankLevelX = 148.0f;
const int kBankClockX = 228;
const int kBankClockSize = 36;

bool onHowToPlay()
{
    return gBoardHost && gBoardHost->onInstructionScreen();
}

} // namespace

bool checkTimeUp(CurrentGameI& game, int bankMs)
{
    if (!gGameHost || !gGameHost->onPlayScreen() || game.board.isNull() || game.board->givenUp ||
        gGameHost->isAnyAlertShowing())
        return false;
    if (!bankRunOut(bankMs, game.board->elapsedMs(), game.board->furballCount()))
        return false;
    if (gSoundPlayer)
        gSoundPlayer->playLostLifeEffect();
    game.startBoardLevel(false, false);
    gGameHost->showAlert(kTimeUpAlert, getText(327), getText(328), getText(329), getText(330));
    gGameHost->removeTipBubbles();
    return true;
}

void soundLowTimeAlarm(CurrentGameI& game, int bankMs, float referenceMs)
{
    if (!gGameHost || !gGameHost->onPlayScreen() || game.board.isNull() || game.board->alarmRaised)
        return;
    if (!lowTimeAlarmDue(bankMs, game.board->elapsedMs(), referenceMs))
        return;
    gGameHost->scheduleEvent(kAlarmEvent, 0);
    gGameHost->scheduleEvent(kAlarmEvent, kAlarmRepeatMs);
    game.board->alarmRaised = 1;
}

float bankUsedForHud(CurrentGameI& game, int bankMs, float referenceMs)
{
    if (onHowToPlay())
        return 0.0f;
    int elapsed = game.board.isNull() ? 0 : game.board->elapsedMs();
    return bankUsedFraction(bankMs, elapsed, referenceMs);
}

void drawLevelAndClock(CurrentGameI& game, float usedFraction, const String& firstLabel, float firstCentre)
{
    HudLabel labels[3];
    labels[0].text = firstLabel;
    labels[0].centre = firstCentre;
    labels[1].text = getText(265);
    labels[1].centre = numberBoxCentre(100, kBankLevelX, true);
    labels[2].text = getText(263);
    labels[2].centre = kBankClockX + kBankClockSize / 2.0f;
    drawHudLabels(labels, 3);
    NumberDisplay level;
    level.init(game.level, 100, true, kBankLevelX, 36, 1.0f);
    level.draw();
    // Before play and once the time is up the dial rests, whole and still, rather than an empty disc.
    const bool resting = game.board.isNull() || game.board->givenUp || usedFraction >= 1.0f;
    const bool animated = !resting && gGameHost && gGameHost->onPlayScreen();
    drawTimeCircle(resting ? kBankDialAtRest : clockGaugeFrame(usedFraction), kBankClockX, 26, 1.0f, animated, true);
}

bool endOnGivenUpBoard(CurrentGameI& game, bool* advance, bool* deleteBoard)
{
    if (game.board.isNull() || !game.board->givenUp)
        return false;
    *advance = false;
    *deleteBoard = false;
    if (gGameHost)
        gGameHost->showPraise(false, false, nullptr, 0);
    game.endGame();
    return true;
}
