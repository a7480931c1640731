// The application object's how-to-play tutorial: the screen that opens it,
// its board, its steps and their tips, the demonstrations, the undo it waits
// for, and the way out (finished or left). The rules themselves are in
// TutorialSteps.h; the touches and the frame call in here.

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/GameGraphics.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/TutorialSteps.h"
#include "graphics/DrawParams.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/MenuStack.h"

namespace {

const int kPlayerStepTipDelayMs = 450;
const int kDemoMoveDelayMs = 500;
const int kStartTitleFromMainMenu = 284;
const int kStartTitle = 285;
const int kStartMessage = 286;
const int kLeaveTitle = 303;
const int kLeaveMessage = 304;

int sgVariation() { return gSettings ? gSettings->sgVariation : 0; }

// Step 53's text in the player's language.
String closingTipText()
{
    const int sg = sgVariation();
    const int id = tutorialClosingTextId(sg);
    if (id != 346)
        return getText(id);
    const int dm = gSettings ? gSettings->defaultModeDraw : 0;
    return formatText(id, getText(tutorialModeNameTextId(dm)).c_str());
}

}  // namespace

// Screen 6: the game in play is saved and put aside for an instruction game with an empty board; alert 6
// introduces the tutorial and its answer lays out the board.
void KelzoGame::buildHowToPlay()
{
    saveState(false);
    if (currentGame == ownedGame.get())
        currentGame = nullptr;
    CurrentGameI* game = replaceCurrentGame(&graphics, ownedGame, true);
    setCurrentGame(game);
    if (game) {
        Board* board = new Board();
        board->level = -1;
        replaceBoard(*game, board);
    }
    tutorialStep = kTutorialFirstStep;
    tutorialStepStart = -1;
    tutorialTicks = 0;
    resumeClockIfPaused();
    const int title = currentScreen == ScreenMainMenu ? kStartTitleFromMainMenu : kStartTitle;
    showAlert(AlertHowToPlayStart, getText(title).c_str(), getText(kStartMessage).c_str(), getText(0).c_str(),
              nullptr, 0, 16);
    tutorialUndoPending = 0;
    gAbSettings.count(StatBeganInst);
}

void KelzoGame::startTutorial()
{
    if (!currentGame || currentGame->board.isNull())
        return;
    Board& board = *currentGame->board;
    for (const TutorialFurball& furball : kTutorialFurballs) {
        if (board.hasFurballAt(furball.x, furball.y))
            continue;
        BoardCell cell;
        Board::resetCell(cell);
        board.placeFurballAt(furball.x, furball.y, cell);
        board.cellAt(furball.x, furball.y).colour = static_cast<uint16_t>(furball.colour);
    }
    startFurballEntrance(true);
    advanceTutorial();
}

int KelzoGame::msIntoTutorialStep() const
{
    return tutorialStepStart < 0 ? 0 : gameTimeDiff(gGameClock.now(), tutorialStepStart);
}

void KelzoGame::advanceTutorial()
{
    if (tutorialStep < 0)
        return;
    const int step = nextTutorialStep(tutorialStep, tutorialDone);
    tutorialStep = step;
    tutorialStepStart = step < 0 ? -1 : gGameClock.now();
    tutorialTicks = 0;
    removeTipBubbles();
    logPrintf("LOG", "tutorial step %d", step);
    gAbSettings.count(tutorialStepStatistic(step));
    if (step < 0)
        return;

    TipParams params;
    params.showMs = 0;
    params.wobble = gSettings ? gSettings->ivFactorLate() : 0.0f;
    if (tutorialPlayerStep(step))
        params.delayMs = kPlayerStepTipDelayMs;
    if (step == 51) {
        // Only over the one furball left; with more, the player threw differently and nothing is said.
        const Board* board = currentGameBoard();
        if (!board || board->furballCount() != 1)
            return;
        const CellPos last = board->positions[0];
        const ScreenPoint at = cellToScreen(graphics, last.x, last.y);
        params.x = static_cast<int>(at.x) + kTutorialLastFurballTipDx;
        params.y = static_cast<int>(at.y) + kTutorialLastFurballTipDy;
        showTip(step, params);
    } else if (step == 53) {
        const String text = closingTipText();
        params.body = text.c_str();
        showTip(step, params);
    } else {
        showTip(step, params);
    }
}

void KelzoGame::playTutorialDemo(int step)
{
    TutorialDemo demo;
    if (!tutorialDemoOf(step, &demo) || !currentGame || currentGame->board.isNull())
        return;
    const int cell[2] = {demo.x, demo.y};
    float cross[2] = {-1.0f, 0.0f};
    if (demo.marked) {
        const ScreenPoint at = cellToScreenF(graphics, demo.markColumn, demo.markRow);
        cross[0] = at.x;
        cross[1] = at.y;
    }
    // The finger's vertical look pushes down (1) or up (-1); its sideways look right (0) or left (1).
    if (demo.dx != 0)
        tutorialDemo.start(cell, 1, demo.dx > 0 ? 0 : 1, cross);
    else
        tutorialDemo.start(cell, 0, demo.dy, cross);
    currentGame->makeMove(CellPos{demo.x, demo.y}, demo.dx, demo.dy, false, kDemoMoveDelayMs, 1.0f);
}

void KelzoGame::tutorialTouchEnded(int, int y)
{
    if (currentScreen != ScreenHowToPlay || tutorialStepStart < 0)
        return;
    if (!tutorialTapAdvances(tutorialStep, tutorialPressStep, y, gMenuStack.top() != nullptr))
        return;
    // A bubble still showing is only asked to go: the next tap moves on.
    if (!tutorialGateOpen(msIntoTutorialStep()) || !tips.allDismissed())
        return;
    advanceTutorial();
    if (tutorialDemoStep(tutorialStep))
        playTutorialDemo(tutorialStep);
    else if (tutorialStep < 0)
        leaveTutorial(true);
}

void KelzoGame::stepTutorial()
{
    if (currentScreen != ScreenHowToPlay || tutorialStep < 0 || tutorialStepStart < 0)
        return;
    if (!tutorialTickDue(msIntoTutorialStep(), tutorialTicks))
        return;
    tutorialTicks++;
    // Step 45's move is taken back before it is shown again; the wrong moves of 46 and 47 leave nothing.
    if (tutorialStep == 45)
        undoPressed();
    playTutorialDemo(tutorialStep);
}

bool KelzoGame::drawTutorial()
{
    if (currentScreen != ScreenHowToPlay)
        return false;
    bool moving = tutorialDemo.draw();
    TutorialPointer pointers[2];
    const int count = tutorialPointers(tutorialStep, msIntoTutorialStep(), tutorialUndoPending != 0, graphics.scale,
                                       gGameClock.now(), pointers);
    for (int i = 0; i < count; i++) {
        DrawParams params;
        params.angle = pointers[i].angle;
        graphics.common[kEntryInstructionArrow].draw(pointers[i].x, pointers[i].y, params);
    }
    return moving || count > 0;
}

bool KelzoGame::tutorialUndoAllowed() const
{
    return currentScreen == ScreenHowToPlay && ::tutorialUndoAllowed(tutorialStep, tutorialUndoPending != 0);
}

void KelzoGame::tutorialUndone()
{
    const Board* board = currentGameBoard();
    if (!tutorialUndoAllowed() || !board || !tutorialUndoRepeatsStep(tutorialStep, board->furballCount()))
        return;
    tutorialUndoPending = 0;
    tutorialStep--;
    advanceTutorial();
}

void KelzoGame::leaveTutorial(bool finished)
{
    const bool fromMainMenu = previousScreen == ScreenMainMenu;
    setCurrentGame(nullptr);   // the tutorial's game is owned apart: it goes
    pauseClockIfRunning();
    loadState();
    tutorialDone = true;
    tutorialStep = -1;
    tutorialStepStart = -1;
    tutorialUndoPending = 0;
    if (!finished) {
        showMenu(ScreenMainMenu);
        gAbSettings.count(StatSkippedInst);
        return;
    }
    switch (tutorialExit(fromMainMenu, sgVariation())) {
    case TutorialToMainMenu:
        showMenu(ScreenMainMenu);
        return;
    case TutorialToModeMenu:
        showMenu(ScreenModeMenu);
        return;
    case TutorialToSelectedMode:
        startSelectedMode();
        return;
    }
}

void KelzoGame::askToLeaveTutorial()
{
    showAlert(AlertLeaveTutorial, getText(kLeaveTitle).c_str(), getText(kLeaveMessage).c_str(), getText(1).c_str(),
              getText(0).c_str(), 0, 16);
}
