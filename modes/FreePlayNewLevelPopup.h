#ifndef KELZO_MODES_FREEPLAYNEWLEVELPOPUP_H
#define KELZO_MODES_FREEPLAYNEWLEVELPOPUP_H

#include "Core/String.h"
#include "ui/CustomAlertView.h"

// The dialog at the end of a Free Play level: the next level's message and tip, with a button to it (tag 1) and,
// once the experiment "sll" allows it at this level, one to the high scores (tag 10). After the last level a
// plain alert (id 14) says that every level is done instead. Both go on the menu stack, which owns them.
//
//   int id = FreePlayNewLevelPopup::open(level, !game->levelPopupShown, this);   // this: the application
//   currentAlertId = id;                                                          // answers come back under it
class FreePlayNewLevelPopup : public CustomAlertView {
public:
    static constexpr int kPopupAlertId = 2;
    static constexpr int kFinalAlertId = 14;
    static constexpr int kLastLevel = 30;
    static constexpr int kNextLevelTag = 1;
    static constexpr int kHighScoresTag = 10;
    // Held back this long after a level is completed; shown again later, it pops in at once.
    static constexpr int kDelayMs = 1100;
    static constexpr int kShownAtOnce = -10000;

    // Opens what the completion of `level` calls for: the popup for the next level, or the final alert after
    // the last one. Returns the alert id it opened, under which the callback hears its answer; sets *opened,
    // when given, to the alert itself.
    static int open(int level, bool delayed, AlertViewCallbackI* callback, CustomAlertView** opened = nullptr);
    // The title of what open() shows for the completion of `level`.
    static String titleFor(int level);

    // The popup for the level after `level`.
    FreePlayNewLevelPopup(int level, bool delayed, AlertViewCallbackI* callback);

    void addBody(int* nextRow) override;
    void addButtons(int* nextRow) override;

    // The high-score button is offered from the level the experiment "sll" names on.
    static bool offersHighScores(int level);

    int level;               // the level just completed
    String levelMessage;     // text 320 with the new level
    String levelTip;         // the new level's tip
    String levelTitle;       // text 321 with the new level
};

#endif
