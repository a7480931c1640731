#include "modes/FreePlayNewLevelPopup.h"

#include "Core/Language.h"
#include "board/Board.h"
#include "graphics/Bitmap.h"
#include "modes/TipForLevel.h"
#include "settings/AbSettings.h"
#include "ui/EngravedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kMessageFontSize = 16;
const int kTitleText = 318;
const int kLevelMessageText = 320;
const int kLevelTitleText = 321;
const int kFinalTitleText = 315;
const int kFinalMessageText = 316;
const int kFinalButtonText = 317;
const int kNextLevelButtonText = 48;
const int kHighScoresButtonText = 49;

const int kLevelTextWidth = 260;
const int kLevelTextFontSize = 15;
const int kRowSpace = 10;
const int kTipFontSize = 15;
const int kClosingSpace = 14;
const int kClosingIndent = 3;

AlertOptions popupOptions()
{
    AlertOptions options;
    options.messageFontSize = kMessageFontSize;
    return options;
}

}  // namespace

int FreePlayNewLevelPopup::open(int level, bool delayed, AlertViewCallbackI* callback, CustomAlertView** opened)
{
    CustomAlertView* alert = nullptr;
    int id = kPopupAlertId;
    if (level >= kLastLevel) {
        alert = new CustomAlertView(callback, titleFor(level).c_str(), getText(kFinalMessageText).c_str(),
                                    getText(kFinalButtonText).c_str(), nullptr, nullptr, popupOptions());
        alert->startDelayMs = kDelayMs;
        id = kFinalAlertId;
    } else {
        alert = new FreePlayNewLevelPopup(level, delayed, callback);
    }
    if (opened)
        *opened = alert;
    return id;
}

String FreePlayNewLevelPopup::titleFor(int level)
{
    return getText(level >= kLastLevel ? kFinalTitleText : kTitleText);
}

bool FreePlayNewLevelPopup::offersHighScores(int level)
{
    return gAbSettings.sll <= level;
}

FreePlayNewLevelPopup::FreePlayNewLevelPopup(int completed, bool delayed, AlertViewCallbackI* callback)
    : CustomAlertView(popupOptions()),
      level(completed),
      levelMessage(formatText(kLevelMessageText, completed + 1)),
      levelTip(newLevelText(completed + 1)),
      levelTitle(formatText(kLevelTitleText, completed + 1))
{
    startDelayMs = delayed ? kDelayMs : kShownAtOnce;
    setup(callback, getText(kTitleText).c_str(), nullptr, nullptr, nullptr, nullptr);
}

void FreePlayNewLevelPopup::addBody(int* nextRow)
{
    TextStyle centred = defaultTextStyle();
    centred.align = 1;
    Bitmap* message = renderWrappedTextBitmap(levelMessage.c_str(), kLevelTextWidth, -1, kLevelTextFontSize, centred);
    SpriteRef picture = atlas.addBitmap(message, true, 1);
    ViewChild* child = addElement(-1, *nextRow, false);
    if (child) {
        child->element.reset(new IndexElement(picture, true));
        child->centred = 1;
    }
    const bool highScores = offersHighScores(level);
    if (highScores) {
        addVerticalSpace(++*nextRow, kRowSpace);
        ButtonOptions options;
        addButton(kHighScoresTag, ++*nextRow, getText(kHighScoresButtonText).c_str(), true, options);
    }
    addVerticalSpace(++*nextRow, kRowSpace);
    addTipPanel(this, ++*nextRow, levelTip, kTipFontSize);
    if (highScores && !levelTitle.isEmpty()) {
        const int row = ++*nextRow;
        addVerticalSpace(row, kClosingSpace);
        addHorizontalSpace(row, kClosingIndent);
    }
    ++*nextRow;
}

void FreePlayNewLevelPopup::addButtons(int* nextRow)
{
    ButtonOptions options;
    options.style = ButtonStyleLarge;
    addButton(kNextLevelTag, (*nextRow)++, getText(kNextLevelButtonText).c_str(), true, options);
}
