#include "modes/BetweenLevelsPopup.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "Core/Log.h"
#include "Core/Language.h"
#include "ui/EngravedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuStack.h"
#include "ui/TappableLog.h"
#include "ui/MenuTextStyle.h"
#include "modes/TipForLevel.h"

namespace {

const int kMessageFontSize = 16;
const int kTextWidth = 260;
const int kTextMarginY = 2;
const int kLineHeight = 18;
const int kLineFontSize = 16;
const int kLinesMaxLeft = kTextWidth - 60;   // room for a short value at the right
const int kMedalSpace = 12;
const int kMedalGap = 6;
const char* const kMedalPictures[3] = {"PopupMedal0_18x26.png", "PopupMedal1_18x26.png", "PopupMedal2_18x26.png"};
const int kTipFontSize = 14;
const char* const kPopupFont = "AmericanTypewriter-Bold";

const int kMedalTextFirst = 480;
const int kGoldLine = 488;
const int kNewBestLine = 489;
const int kMedalLine = 490;
const int kSilverLine = 491;
const int kBronzeLine = 492;

const int kYourTimeLabel = 249;
const int kYourBestLabel = 243;
const int kPreviousBestLabel = 250;

}  // namespace

String medalName(int grade)
{
    return grade >= 0 && grade <= 2 ? getText(kMedalTextFirst + grade) : String();
}

Array<String> medalLines(int grade, bool newBest)
{
    Array<String> lines;
    if (grade == 2)
        lines.append(getText(kGoldLine));
    if (grade == 0 || grade == 1) {
        lines.append(formatText(newBest ? kNewBestLine : kMedalLine, medalName(grade).c_str()));
        lines.append(getText(grade == 1 ? kSilverLine : kBronzeLine));
    }
    return lines;
}

void appendLabelledLine(Array<String>* lines, int labelTextId, const String& value)
{
    lines->append(getText(labelTextId));
    lines->append(value);
}

void appendRunLines(Array<String>* lines, const String& runTime, const String& best, const String& earlierBest)
{
    appendLabelledLine(lines, kYourTimeLabel, runTime);
    if (earlierBest.isEmpty())
        appendLabelledLine(lines, kYourBestLabel, best);
    else
        appendLabelledLine(lines, kPreviousBestLabel, earlierBest);
}

void BetweenLevelsPopup::forgetCallback(AlertViewCallbackI* callback)
{
    for (int i = 0; i < gMenuStack.size(); i++) {
        CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.at(i));
        if (alert && alert->callback == callback)
            alert->callback = nullptr;
    }
}

int linesLeftEdge(const Array<String>& lines)
{
    TextStyle oneLine = defaultTextStyle();
    oneLine.fontName = kPopupFont;
    oneLine.wrapMode = 2;
    int widest = 0;
    for (const String& line : lines) {
        TextSize size{0, 0};
        measureWrappedText(&size, line.c_str(), kLineFontSize, oneLine, -1, -1);
        widest = std::max(widest, size.width);
    }
    return std::clamp((kTextWidth - widest) / 2, 0, kLinesMaxLeft);
}

BetweenLevelsPopup* BetweenLevelsPopup::show(const String& title, const Array<String>* lines,
                                             const String& secondText, const String& thirdText,
                                             const String& tipText, AlertViewCallbackI* callback,
                                             const char* button1, const char* button2, int delayMs,
                                             bool passed, int grade, bool newBest, const String& closingText)
{
    AlertOptions options;
    options.messageFontSize = kMessageFontSize;
    BetweenLevelsPopup* popup = new BetweenLevelsPopup(options);
    popup->lines = lines;
    popup->secondText = secondText;
    popup->thirdText = thirdText;
    popup->tipText = tipText;
    popup->passed = passed;
    popup->grade = grade;
    popup->newBest = newBest;
    popup->closingText = closingText;
    popup->startDelayMs = delayMs;
    popup->setup(callback, title.c_str(), nullptr, button1, button2, nullptr);
    popup->lines = nullptr;
    // Whoever drives the game from outside finds the buttons here, as with the application's alerts.
    logPrintf("LOG", "alert -1: %s", title.c_str());
    logPrintf("LOG", "alert -1 taps: %s", tappableChildrenText(popup->inner).c_str());
    // The level's time stands still while the player reads.
    if (!gGameClock.paused)
        gGameClock.pause();
    return popup;
}

void BetweenLevelsPopup::addBody(int* nextRow)
{
    addGradeLines(nextRow);
    if (!thirdText.isEmpty())
        addTextRow(nextRow, thirdText, kMessageFontSize);
    addLines(nextRow);
    // The closing text has no part in the dialog's look.
    if (grade != kNoMedal)
        addVerticalSpace((*nextRow)++, kMedalSpace);
    if (!secondText.isEmpty())
        addTextRow(nextRow, secondText, kMessageFontSize);
    if (!tipText.isEmpty()) {
        addTipPanel(this, (*nextRow)++, tipText, kTipFontSize);
    }
}

void BetweenLevelsPopup::addGradeLines(int* row)
{
    const Array<String> gradeLines = medalLines(grade, newBest);
    for (int i = 0; i < gradeLines.size(); i++) {
        if (i == 0)
            addMedalLine((*row)++, gradeLines[i]);
        else
            addTextRow(row, gradeLines[i], kMessageFontSize);
    }
}

void BetweenLevelsPopup::addMedalLine(int row, const String& line)
{
    // The medal's picture, then the line (wrapped beside it when long), centred together.
    const SpriteRef medal = atlas.addImage(kMedalPictures[grade], 1.0f);
    if (medal.firstRegion < 0) {
        addCutText(row, line.c_str(), kTextWidth, -1, kMessageFontSize, kTextMarginY);
        return;
    }
    TextStyle style = defaultTextStyle();
    style.fontName = kPopupFont;
    style.align = 1;
    const int room = kTextWidth - medal.width - kMedalGap;
    TextSize size{0, 0};
    measureWrappedText(&size, line.c_str(), kMessageFontSize, style, room, -1);
    SpriteRef text;
    makeTextTexture(&text, &atlas, line.c_str(), size.width + 1, -1, kMessageFontSize, style);
    addHorizontalSpace(row, (room - size.width) / 2);
    ViewChild* picture = addElement(-1, row, false);
    if (picture)
        picture->element.reset(new IndexElement(medal, false));
    addHorizontalSpace(row, kMedalGap);
    ViewChild* words = addElement(-1, row, false);
    if (words)
        words->element.reset(new IndexElement(text, true));
}

void BetweenLevelsPopup::addTextRow(int* row, const String& text, int fontSize)
{
    addCutText((*row)++, text.c_str(), kTextWidth, -1, fontSize, kTextMarginY);
}

void BetweenLevelsPopup::addLines(int* row)
{
    if (!lines)
        return;
    const int left = linesLeftEdge(*lines);
    TextStyle style = defaultTextStyle();
    style.fontName = kPopupFont;
    for (const String& line : *lines) {
        const int r = (*row)++;
        SpriteRef picture;
        makeTextTexture(&picture, &atlas, line.c_str(), kTextWidth - left, kLineHeight, kLineFontSize, style);
        addHorizontalSpace(r, left);
        ViewChild* child = addElement(-1, r, false);
        if (child)
            child->element.reset(new IndexElement(picture, true));
    }
}
