#ifndef KELZO_GAME_TUTORIALSTEPS_H
#define KELZO_GAME_TUTORIALSTEPS_H

// The rules of the how-to-play tutorial, apart from any window: the order of
// its steps, when a tap may move it on, the demonstrations it plays, the undo
// it waits for, its last tip's wording and the pointers it draws. The
// application (KelzoGameTutorial.cpp) asks these and does what they answer.
//
//   int next = nextTutorialStep(tutorialStep, tutorialDone);   // -1: finished
//   if (tutorialTapAdvances(step, pressStep, y, alertOpen) && tutorialGateOpen(elapsed) && tips.allDismissed()) ...

const int kTutorialFirstStep = 42;       // the screen's opening step, before the board
const int kTutorialLastStep = 54;
const int kTutorialDemoPeriodMs = 3000;  // the demonstrations repeat this often
const int kTutorialTapGateMs = 500;      // a tap sooner after a step began is ignored
const int kTutorialTapBottom = 440;      // taps on the bottom bar never move it on

// The tutorial's board: four furballs on cells (x, y) with their colours.
struct TutorialFurball {
    int x;
    int y;
    int colour;
};
const int kTutorialFurballCount = 4;
extern const TutorialFurball kTutorialFurballs[kTutorialFurballCount];

// The step after `step`: 42, 43, 44, 45, 46, 47, 54, 48, 49, 50, 51, 53 and
// then -1 (finished). Step 52 is the tip of a wrong move and never a step of
// its own; 53 is left out for a player who finished the tutorial before.
int nextTutorialStep(int step, bool tutorialDone);

// Steps in which the player moves on the board: touches reach the game and
// the bar's undo may work; a tap never moves these steps on.
bool tutorialPlayerStep(int step);

// A release at height y may move the tutorial on (the gate and the open
// bubbles still decide). `pressStep` is the step its press began in: the
// release of a throw made in a player's step is no tap, even when the throw
// has moved the tutorial on (held, it would send step 51's bubble away).
bool tutorialTapAdvances(int step, int pressStep, int y, bool alertOpen);
// Enough time has passed since the step began for a tap to count.
bool tutorialGateOpen(int msIntoStep);

// The frame's repetition: true when another demonstration period has begun.
bool tutorialTickDue(int msIntoStep, int ticksDone);

// The bar's undo works in the player's steps only while an undo is expected.
bool tutorialUndoAllowed(int step, bool undoPending);
// After an undo: the step is shown again once the board is back to the
// furballs the step started with (four less the step's place after 46).
bool tutorialUndoRepeatsStep(int step, int furballsLeft);

// The demonstration of steps 45 to 47: the furball at (x, y) thrown by
// (dx, dy); a wrong move is marked with a cross at cell position
// (markColumn, markRow).
struct TutorialDemo {
    int x;
    int y;
    int dx;
    int dy;
    bool marked;
    float markColumn;
    float markRow;
};
// False for a step without a demonstration.
bool tutorialDemoOf(int step, TutorialDemo* demo);
// A step that plays its demonstration when it begins (and every period after).
inline bool tutorialDemoStep(int step) { return step >= 45 && step <= 47; }

// Step 53's wording: text 345 for a player sent to the mode menu ("_sg_" 1
// or 2), else text 346 with the mode name of text modeNameText("_dm_").
int tutorialClosingTextId(int sgVariation);
int tutorialModeNameTextId(int defaultModeDraw);

// Where the tutorial leaves to when it is finished.
enum TutorialExit { TutorialToMainMenu, TutorialToModeMenu, TutorialToSelectedMode };
TutorialExit tutorialExit(bool cameFromMainMenu, int sgVariation);

// The statistics counter of a step reached: step - 42 (43 counts "Inst0"); the end (-1) counts "FinishedInst".
int tutorialStepStatistic(int step);

// Step 51's bubble, placed off the last furball's screen point (top-left of its cell).
const int kTutorialLastFurballTipDx = 22;
const int kTutorialLastFurballTipDy = 46;

// The arrows the frame draws: at most two, each at (x, y) turned by angle degrees.
struct TutorialPointer {
    float x;
    float y;
    int angle;
};
// The pointers of a step `msIntoStep` into it, bobbing with the game clock's
// `nowMs`; boardScale is the board's display scale. Returns how many.
int tutorialPointers(int step, int msIntoStep, bool undoPending, float boardScale, int nowMs,
                     TutorialPointer pointers[2]);

#endif
