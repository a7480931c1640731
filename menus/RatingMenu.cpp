#include "menus/RatingMenu.h"

#include "Core/Language.h"
#include "board/Board.h"
#include "menus/TextAndValue.h"
#include "ui/EngravedText.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kFlagSolved = HistoryRecord::kFinished;
const int kFlagsNotCounted = HistoryRecord::kAbandoned | HistoryRecord::kKept;
const int kFreePlay = 2;

const int kTitleSize = 24;
const int kNumberSize = 15;
const int kSelectedLevelSize = 18;
const int kCellIndent = 36;
const int kCellGap = 65;
// The title shares its row with a floating Back button: centred, it keeps this far from the button.
const int kRowWidth = 268;
const int kTitleGap = 10;
const int kOwnBackRowDrop = 8;

}  // namespace

FreePlayCounts countFreePlayResults(const Array<HistoryRecord>& history, int selectedLevel)
{
    FreePlayCounts counts;
    for (int i = history.size() - 1; i >= 0; i--) {
        const HistoryRecord& record = history[i];
        if (record.gameType != kFreePlay || (record.flags & kFlagsNotCounted))
            continue;
        const bool solved = (record.flags & kFlagSolved) != 0;
        const bool atLevel = levelOfPuzzleId(record.puzzleId) == selectedLevel;
        (solved ? counts.solved : counts.unsolved)++;
        if (atLevel)
            (solved ? counts.solvedAtLevel : counts.unsolvedAtLevel)++;
    }
    return counts;
}

bool RatingMenu::backButtonFloats(int language)
{
    return language == kEnglish || language == kFrench;
}

int RatingMenu::titleSizeBeside(const char* title, int backWidth)
{
    TextStyle oneLine = defaultTextStyle();
    oneLine.wrapMode = 2;
    const int room = kRowWidth - 2 * (backWidth + kTitleGap);
    return fittedFontSize(title, room, textLineHeight(oneLine, kTitleSize), kTitleSize, oneLine);
}

RatingMenu::RatingMenu(const RatingFacts& facts) : TiledMenu(512, 512, -1, -1), facts_(facts)
{
    // With Back on a row of its own the page is a row taller: it goes lower, so that its top stays below the
    // heads-up display's number boxes.
    build(backButtonFloats(currentLanguage()) ? 0 : kOwnBackRowDrop, true, 50);
}

void RatingMenu::addCountsRow(int row, int solved, int unsolved)
{
    addHorizontalSpace(row, kCellIndent);
    addElement(-1, row, false)->element.reset(new TextAndValue(&atlas, getText(172).c_str(), solved));
    addHorizontalSpace(row, kCellGap);
    addElement(-1, row, false)->element.reset(new TextAndValue(&atlas, getText(173).c_str(), unsolved));
}

void RatingMenu::addContents()
{
    static const Array<HistoryRecord> kNoHistory;
    const FreePlayCounts counts =
        countFreePlayResults(facts_.history ? *facts_.history : kNoHistory, facts_.selectedLevel);

    int row = 0;
    addVerticalSpace(row++, 4);
    const bool floats = backButtonFloats(currentLanguage());
    ViewChild* back = addBackButton(kTagBack, row, floats);
    if (!floats)
        row++;
    const String title = getText(167);
    addTextLine(title.c_str(), row++, floats && back ? titleSizeBeside(title.c_str(), back->element->width()) : kTitleSize);
    addVerticalSpace(row++, 14);
    addHeading(getText(168).c_str(), row++);
    addVerticalSpace(row++, 10);
    addNumber(row++, facts_.freePlayLevel, 32, 16, kNumberSize, true, false);
    addVerticalSpace(row++, 8);
    addHeading(getText(169).c_str(), row++);
    addVerticalSpace(row++, 10);
    addNumber(row++, facts_.puzzlesLeft < 0 ? 0 : facts_.puzzlesLeft, 32, 16, kNumberSize, true, false);
    addVerticalSpace(row++, 12);
    addHeading(getText(170).c_str(), row++);
    addVerticalSpace(row++, 10);
    addNumber(row, facts_.selectedLevel, 32, 32, kSelectedLevelSize, true, true);
    addCountsRow(row++, counts.solvedAtLevel, counts.unsolvedAtLevel);
    addVerticalSpace(row++, 12);
    addHeading(getText(171).c_str(), row++);
    addVerticalSpace(row++, 10);
    addCountsRow(row++, counts.solved, counts.unsolved);
    addVerticalSpace(row++, 17);
    ButtonOptions large;
    large.style = ButtonStyleLarge;
    addButton(kTagHistory, row++, getText(174).c_str(), true, large);
    addVerticalSpace(row++, 9);
}
