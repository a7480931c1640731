#include "game/TutorialSteps.h"

#include <cmath>

#include "settings/Statistics.h"

const TutorialFurball kTutorialFurballs[kTutorialFurballCount] = {
    {2, 4, 1},
    {6, 4, 2},
    {5, 5, 3},
    {5, 1, 4},
};

namespace {

const int kPlayerStepPointerDelayMs = 450;
const int kCornerPointerDelayMs = 100;
const int kLastModeNameDraw = 19;

bool sendsToModeMenu(int sgVariation) { return sgVariation == 1 || sgVariation == 2; }

// How far the pointers bob at the game clock's now.
float bob(int nowMs) { return 2.0f * std::sin(0.005f * static_cast<float>(nowMs) + 90.0f) + 2.0f; }

}  // namespace

int nextTutorialStep(int step, bool tutorialDone)
{
    switch (step) {
    case 53: return -1;
    case 51: return tutorialDone ? -1 : 53;
    case 54: return 48;
    case 47: return 54;
    default: return step + 1;
    }
}

bool tutorialPlayerStep(int step) { return step == 49 || step == 50; }

bool tutorialTapAdvances(int step, int pressStep, int y, bool alertOpen)
{
    return y < kTutorialTapBottom && step >= 0 && !tutorialPlayerStep(step) && !tutorialPlayerStep(pressStep) &&
           !alertOpen;
}

bool tutorialGateOpen(int msIntoStep) { return msIntoStep > kTutorialTapGateMs; }

bool tutorialTickDue(int msIntoStep, int ticksDone) { return msIntoStep / kTutorialDemoPeriodMs > ticksDone; }

bool tutorialUndoAllowed(int step, bool undoPending) { return tutorialPlayerStep(step) && undoPending; }

bool tutorialUndoRepeatsStep(int step, int furballsLeft) { return step - 46 == furballsLeft; }

bool tutorialDemoOf(int step, TutorialDemo* demo)
{
    switch (step) {
    case 45:   // a good throw down the column: the lower furball leaves the board
        *demo = TutorialDemo{5, 1, 0, 1, false, 0.0f, 0.0f};
        return true;
    case 46:   // into a neighbour: refused where the two meet
        *demo = TutorialDemo{5, 4, 1, 0, true, 5.5f, 4.0f};
        return true;
    case 47:   // into nothing: refused at the furball itself
        *demo = TutorialDemo{5, 4, 0, -1, true, 5.0f, 4.0f};
        return true;
    default:
        return false;
    }
}

int tutorialClosingTextId(int sgVariation) { return sendsToModeMenu(sgVariation) ? 345 : 346; }

int tutorialModeNameTextId(int defaultModeDraw)
{
    if (defaultModeDraw == 1)
        return 12;
    if (defaultModeDraw >= 2 && defaultModeDraw <= kLastModeNameDraw)
        return 13;
    return 11;
}

TutorialExit tutorialExit(bool cameFromMainMenu, int sgVariation)
{
    if (cameFromMainMenu)
        return TutorialToMainMenu;
    return sendsToModeMenu(sgVariation) ? TutorialToModeMenu : TutorialToSelectedMode;
}

int tutorialStepStatistic(int step)
{
    return step < 0 ? StatFinishedInst : step - kTutorialFirstStep;
}

int tutorialPointers(int step, int msIntoStep, bool undoPending, float boardScale, int nowMs,
                     TutorialPointer pointers[2])
{
    const float w = bob(nowMs);
    if (tutorialPlayerStep(step)) {
        if (undoPending || msIntoStep <= kPlayerStepPointerDelayMs)
            return 0;
        // Beside the furball to throw, pointing the way it goes: left in 49, right in 50.
        const float y = 202.5f * boardScale + 73.0f;
        if (step == 49)
            pointers[0] = TutorialPointer{292.5f * boardScale + 3.0f - (w + 5.5f), y, 180};
        else
            pointers[0] = TutorialPointer{112.5f * boardScale + 3.0f + (w + 5.5f), y, 0};
        return 1;
    }
    if (step == 54 && msIntoStep > kCornerPointerDelayMs) {
        // Down at the undo and hint buttons.
        pointers[0] = TutorialPointer{262.0f + w, 411.0f + w, 45};
        pointers[1] = TutorialPointer{25.0f - w, 411.0f + w, 135};
        return 2;
    }
    return 0;
}
