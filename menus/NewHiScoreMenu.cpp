#include "menus/NewHiScoreMenu.h"

#include "Core/Language.h"
#include "board/GameType.h"
#include "menus/NewHiScoreMessage.h"
#include "scores/HiScoreTable.h"

namespace {

const int kHeadingText = 198;
const int kNameLabelText = 200;
const int kDeclineText = 203;
const int kSaveText = 204;
const int kMessageWidth = 260;
const int kMessageHeight = 88;
const int kButtonGap = 21;
const int kShift = -17;
const int kFrameMinimum = 50;

}  // namespace

NewHiScoreMenu::NewHiScoreMenu(const char* name, int result, bool time, int place)
    : TiledMenu(512, 512, -1, -1), playerName(name), score(result), isTime(time ? 1 : 0), rank(place)
{
    build(kShift, true, kFrameMinimum);
}

void NewHiScoreMenu::addContents()
{
    int row = 0;
    addVerticalSpace(row++, 12);
    addHeading(getText(kHeadingText).c_str(), row++);
    addVerticalSpace(row++, 22);
    const String message = newHiScoreMessage(score, isTime, rank);
    addTextParagraph(row++, message.c_str(), kMessageWidth, kMessageHeight, true, false);
    addVerticalSpace(row++, 7);
    // Always editable, also when no name was typed before: the player is asked for one.
    nameField = addTextEntryField(row++, getText(kNameLabelText).c_str(), playerName.c_str(), false);
    addVerticalSpace(row++, 15);
    addVerticalSpace(row++, 15);
    addButton(kDeclineTag, row, getText(kDeclineText).c_str(), false, ButtonOptions());
    addHorizontalSpace(row, kButtonGap);
    addButton(kSaveTag, row++, getText(kSaveText).c_str(), false, ButtonOptions());
    addVerticalSpace(row++, 11);
}

String NewHiScoreMenu::enteredName() const
{
    if (!nameField)
        return playerName;
    if (nameField->field)
        return nameField->field->getText();
    return nameField->text;
}

int storeNewHiScore(HiScoreTable& table, const String& name, int gameType, int difficulty, int score, int gameId)
{
    const int slot = gameType == kGameFreePlay ? HiScoreTable::kFreePlaySlot : difficulty;
    if (gameType == kGameBeatTheClock)
        return table.addScoreLowerBetter(slot, score, name, gameId);
    return table.addScore(slot, score, name, gameId);
}
