#include "modes/FreePlayGame.h"

#include <climits>

#include "Core/Language.h"
#include "board/Board.h"
#include "board/GameGraphics.h"
#include "board/NumberDisplay.h"
#include "board/ScoreBoard.h"
#include "modes/FreePlayNewLevelPopup.h"
#include "modes/FreePlayRules.h"
#include "modes/GameHost.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "ui/Button.h"
#include "ui/CustomAlertView.h"

namespace {

const int kModeNameText = 17;

// The hint confirmation.
const int kAlertConfirmHint = 3;
const int kConfirmTitleText = 331;
const int kConfirmMessageText = 332;
const int kAllowanceLeftText = 333;
const int kAllowanceOneText = 334;
const int kAllowanceUsedText = 335;
const int kYesText = 6;
const int kNoText = 7;
const char* const kCheatTitle = "Are you sure you want to cheat?";
const char* const kCheatMessage =
    "Hints are good to use to help solve the puzzle when stuck, and help you learn the solution for the future, "
    "however the puzzle will count as failed!";

// The alert of a puzzle solved again.
const int kReplayTitleText = 336;
const int kFirstTimeText = 337;
const int kBestTimeText = 338;
const int kBestStillText = 339;
const int kThisTimeText = 340;
const int kOkText = 0;
const int kAlertFontSize = 16;
const int kPraiseDelayMs = 300;

// The heads-up display.
const int kPlayScreen = 2;
const int kHighScoresScreen = 9;
const int kHudWidth = 320;
const int kHudHeight = 480;
const int kHudChildren = 64;
const int kLevelUpTip = 23;
const int kLevelUpTipLimit = 5;
const int kPuzzlesLeftText = 264;
const int kLevelText = 265;
const int kModeText = 267;
const int kReplayingText = 271;
const int kReplayingText2 = 272;
const int kChooseLevelText = 273;
const int kNumberKind = 100;
const float kReplayNumberScale = 0.6f;
// The heads-up display's places: the two numbers, the unlimited-hints picture, the end of the replay note.
const float kFreePlayLeftX = 58.0f;
const float kFreePlayLevelX = 156.0f;
const float kFreePlayPictureX = 250.0f;
const int kFreePlayPictureWidth = 40;
const int kFreePlayNoteRight = 136;

int secondsOf(int ms) { return ms / 1000; }

String durationLine(int textId, int ms)
{
    return getText(textId) + " " + formatDurationText(secondsOf(ms));
}

// Whether this frame composes the score board's pieces afresh (they are cached in later frames).
bool scoreBoardRebuilding()
{
    return gScoreBoard.pieceIndex >= gScoreBoard.sheet.regionCount();
}

// A label engraved into the score board.
void drawLabel(int textId, int width, int x, int y, int height, int fontSize)
{
    drawHudLabel(getText(textId), width, x, y, height, fontSize);
}

void drawNumber(int value, float x, float y, bool highlighted, float scale)
{
    NumberDisplay number;
    number.scale = scale;
    number.init(value, kNumberKind, highlighted, x, y, 1.0f);
    number.draw();
}

} // namespace

FreePlayGame::FreePlayGame(GameGraphics* graphics) : CurrentGameI(graphics)
{
    level = settings.startLevel < 1 ? 1 : settings.startLevel;
    movesRemaining = -1;
    hintsRemaining = requiredSolves(applicationLevel());
    hudView.viewWidth = kHudWidth;
    hudView.viewHeight = kHudHeight;
    hudView.children.reserve(kHudChildren);
}

FreePlayGame::~FreePlayGame()
{
    dropLevelSelectButton();
}

String FreePlayGame::modeName() { return getText(kModeNameText); }

int FreePlayGame::applicationLevel() { return gGameHost ? gGameHost->applicationLevel() : level; }

int FreePlayGame::requiredSolves(int forLevel)
{
    return freePlayRequiredSolves(forLevel, gAbSettings.fph, settings.freeSkipsVariation);
}

int FreePlayGame::hintsLeft()
{
    return level == applicationLevel() && gAbSettings.fph > 4 ? hintsRemaining : -1;
}

void FreePlayGame::onLevelUp()
{
    const int reached = applicationLevel();
    hintsRemaining = requiredSolves(reached);
    gAbSettings.count(StatFinLev);
    if (gAbSettings.counter(StatLevelFp) < reached)
        gAbSettings.setCounter(StatLevelFp, reached);
}

int FreePlayGame::puzzleSize() { return freePlayLevelSize(level, settings.levelRepeatsVariation); }

int FreePlayGame::movesLeft() { return gGameHost ? gGameHost->puzzlesLeftInLevel() : puzzleSize(); }

// Free Play keeps nothing of its own past the common body: its progress is
// the play history.
bool FreePlayGame::saveState(StreamOut&)
{
    return true;
}

bool FreePlayGame::loadState(StreamIn&)
{
    return true;
}

// The moves hints showed on this board: none for a clean solve. Hints that
// cost nothing (the settings' free-hints switch) leave no trace.
int FreePlayGame::recordCredit()
{
    if (board.isNull())
        return 0;
    // A given-up puzzle never passes for a clean solve.
    if (board->givenUp)
        return board->hintedThrough > 1 ? board->hintedThrough : 1;
    return settings.freeHints ? 0 : board->hintedThrough;
}

void FreePlayGame::giveUp()
{
    // The board keeps its true time: the history shows how long the player tried.
    if (!board.isNull())
        board->givenUp = 1;
}

void FreePlayGame::puzzleSolved(bool*, bool*)
{
    if (board.isNull())
        return;
    if (gGameHost)
        gGameHost->showPraise(board->hintedThrough > 1, false, nullptr, kPraiseDelayMs);
    if (board->replayFlag)
        showReplayTimes();
}

void FreePlayGame::showReplayTimes()
{
    const Array<HistoryRecord>* history = gGameHost ? gGameHost->playHistory() : nullptr;
    if (!history || history->isEmpty())
        return;
    String message = replayMessage(*history, board->puzzleId, board->elapsedMs());
    if (message.isEmpty())
        return;
    AlertOptions options;
    options.messageFontSize = kAlertFontSize;
    new CustomAlertView(nullptr, getText(kReplayTitleText).c_str(), message.c_str(), getText(kOkText).c_str(),
                        nullptr, nullptr, options);
}

String FreePlayGame::replayMessage(const Array<HistoryRecord>& history, int puzzleId, int thisMs)
{
    int first = -1;
    int best = INT_MAX;
    for (const HistoryRecord& record : history) {
        if (record.puzzleId != puzzleId || !(record.flags & HistoryRecord::kFinished) ||
            record.gameType != kGameFreePlay)
            continue;
        if (first == -1) {
            first = record.playMs;
            best = first;
        } else if (record.credit == 0 && record.playMs < best) {
            best = record.playMs;
        }
    }
    if (first == -1)
        return String();
    String message = durationLine(kFirstTimeText, first) + "\n";
    if (best < first)
        message += durationLine(best < thisMs ? kBestTimeText : kBestStillText, best) + "\n\n";
    message += durationLine(kThisTimeText, thisMs) + "\n";
    return message;
}

bool FreePlayGame::asksBeforeHint()
{
    return !board.isNull() && board->hintedThrough == 0 && (gAbSettings.fph < 5 || level < applicationLevel());
}

String FreePlayGame::confirmTitle(int hw, bool english)
{
    return english && hw == 0 ? String(kCheatTitle) : getText(kConfirmTitleText);
}

String FreePlayGame::confirmMessage(int hw, bool english)
{
    if (!english)
        return getText(kConfirmMessageText);
    switch (hw) {
    case 2:
        return "Hints are great to use when stuck, and to learn the solution for the future, however the puzzle "
               "will count as failed!";
    case 3:
        return "Tap 'yes' to see one move of the correct solution!";
    case 4:
    case -1:
        return "Tap 'yes' to see one move of the solution, and then tap the hint icon again to see further moves "
               "if necessary!";
    case 5:
        return "Hints are good to use to help solve the puzzle when stuck, and help you learn the solution for the "
               "future, however the puzzle will count as unsolved!";
    default:
        return kCheatMessage;
    }
}

String FreePlayGame::progressLine(int required, int solved, int puzzlesLeft, int levelSize)
{
    const int left = required - solved;
    if (left >= 2)
        return formatText(kAllowanceLeftText, left);
    if (left == 1)
        return getText(kAllowanceOneText);
    if (puzzlesLeft < levelSize && required > 0)
        return getText(kAllowanceUsedText);
    return String();
}

bool FreePlayGame::confirmHint()
{
    const bool english = currentLanguage() == 0;
    String message = confirmMessage(gAbSettings.hw, english);
    if (gGameHost && settings.freeSkipsVariation > 0 && gGameHost->firstUnsolvedLevelOfSelectedMode() == level) {
        String line = progressLine(requiredSolves(level), gGameHost->solvedPuzzlesInLevel(),
                                   gGameHost->puzzlesLeftInLevel(), puzzleSize());
        if (!line.isEmpty())
            message += "\n\n" + line;
    }
    if (gGameHost)
        gGameHost->showAlert(kAlertConfirmHint, confirmTitle(gAbSettings.hw, english), message, getText(kYesText),
                             getText(kNoText));
    return gGameHost != nullptr;
}

void FreePlayGame::handleTouch(int phase, int x, int y)
{
    if (!isInputBlocked() && !board.isNull())
        board->handleTouch(phase, x, y);
    if (!levelSelectButton)
        return;
    bool consumed = false;
    if (hudView.handleTouch(phase, x, y, &consumed) == kSelectLevelTag && gGameHost)
        gGameHost->openLevelSelect(gGameHost->firstUnsolvedLevelOfSelectedMode());
}

bool FreePlayGame::replaysEarlierLevel() { return level != applicationLevel(); }

void FreePlayGame::dropLevelSelectButton()
{
    levelSelectButton = nullptr;
    hudView.removeAllChildren();
}

void FreePlayGame::drawLevelSelectButton()
{
    if (!levelSelectButton) {
        ButtonOptions options;
        levelSelectButton = new Button(&gScoreBoard.sheet, getText(kChooseLevelText).c_str(), options);
        ViewChild& child = hudView.addChild();
        child.element.reset(levelSelectButton);
        child.tag = kSelectLevelTag;
        child.tappable = 1;
        child.x = 9;
        child.y = gScoreBoard.verticalOffset + 35;
        hudView.setPosition(0, 0, 0.0f, 0.0f);
    }
    hudView.renderChildren();
    if (gScoreBoard.pieceIndex >= 0)
        gScoreBoard.pieceIndex++;
}

void FreePlayGame::drawHud()
{
    GameHost* host = gGameHost;
    const int reached = applicationLevel();
    if (host && levelPopupShown && !host->isAlertShowing(FreePlayNewLevelPopup::kPopupAlertId) &&
        !host->isAlertShowing(FreePlayNewLevelPopup::kFinalAlertId) && host->shownScreen() == kPlayScreen &&
        !board.isNull())
        host->openFreePlayNewLevelPopup(host->screenShownBefore() != kHighScoresScreen);

    const int left = host ? host->puzzlesLeftInLevel() : puzzleSize();
    if (host && shownLeft != -1 && left > shownLeft && shownLevel != -1 && shownLevel == level &&
        level == reached && host->tipAllowed(kLevelUpTip, kLevelUpTipLimit))
        host->showTip(kLevelUpTip, TipParams());
    const bool replaying = replaysEarlierLevel();
    const int shown = replaying || reached > kFreePlayLastLevel ? 0 : (left > 0 ? left : 0);
    shownLevel = level;
    shownLeft = shown;

    if (scoreBoardRebuilding())
        dropLevelSelectButton();
    // With the two-line replay note the row's left part is the note's; the labels share the rest.
    const bool note = replaying && gAbSettings.bfp == 1;
    if (note) {
        drawLabel(kReplayingText, 128, 8, 3, 32, 12);
        drawLabel(kReplayingText2, 128, 8, 16, 32, 12);
        drawLevelSelectButton();
    }
    HudLabel labels[3];
    int count = 0;
    if (!note) {
        labels[count].text = getText(kPuzzlesLeftText);
        labels[count++].centre = numberBoxCentre(kNumberKind, kFreePlayLeftX, false);
    }
    labels[count].text = getText(kLevelText);
    labels[count++].centre = numberBoxCentre(kNumberKind, kFreePlayLevelX, true);
    labels[count].text = getText(kModeText);
    labels[count++].centre = kFreePlayPictureX + kFreePlayPictureWidth / 2.0f;
    drawHudLabels(labels, count, note ? kFreePlayNoteRight : 0);
    if (!note) {
        drawNumber(shown, kFreePlayLeftX, 36.0f, false, replaying ? kReplayNumberScale : 1.0f);
        dropLevelSelectButton();
    }
    drawNumber(level, kFreePlayLevelX, 36.0f, true, 1.0f);
    drawFreePlayPicture(kFreePlayPictureX, 31.0f);
}
