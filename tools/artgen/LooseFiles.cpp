#include "LooseFiles.h"

#include "Backgrounds.h"
#include "Canvas.h"
#include "HudPictures.h"

bool writeLooseFiles(const std::string& dir, std::string& error)
{
    return writePicture(dir, "Level_box.png", 36, 28, [](cairo_t* cr) { drawNumberBox(cr, 36, 28, true); }, error) &&
           writePicture(dir, "SkipLevel.png", 64, 28, drawSkipLevelBox, error) &&
           writePicture(dir, "Time_Circle.png", 36, 36, drawTimeCircleBox, error) &&
           writePicture(dir, "Timer_box.png", 80, 28, [](cairo_t* cr) { drawNumberBox(cr, 80, 28, false); }, error) &&
           writePicture(dir, "2_digit_box.png", 33, 28, [](cairo_t* cr) { drawNumberBox(cr, 33, 28, false); },
                        error) &&
           writePicture(dir, "ScoreboardBackground.png", 320, kScoreBoardHeight, drawScoreBoard, error) &&
           writePicture(dir, "Right_140x9.png", 140, 9, drawFrenzyGroove, error) &&
           writePicture(dir, "Restart_33x27.png", 33, 27, drawRestartIcon, error) &&
           // The medal beside a result popup's grade line, half the heads-up display's large one.
           writePicture(dir, "PopupMedal0_18x26.png", 18, 26, [](cairo_t* cr) { drawMedal(cr, 0, 0.5); }, error) &&
           writePicture(dir, "PopupMedal1_18x26.png", 18, 26, [](cairo_t* cr) { drawMedal(cr, 1, 0.5); }, error) &&
           writePicture(dir, "PopupMedal2_18x26.png", 18, 26, [](cairo_t* cr) { drawMedal(cr, 2, 0.5); }, error);
}
