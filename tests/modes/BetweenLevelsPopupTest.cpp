#include <unistd.h>

#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "modes/BetweenLevelsPopup.h"
#include "modes/FreePlayNewLevelPopup.h"
#include "modes/TipForLevel.h"
#include "settings/AbSettings.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"
#include "ui/MenuTextStyle.h"

namespace {

struct Answers : AlertViewCallbackI {
    void alertButtonClicked(int buttonIndex, CustomAlertView*) override { pressed.push_back(buttonIndex); }
    std::vector<int> pressed;
};

// The popups built as the game builds them, in a folder with the menu pictures, the tip panel's pictures and
// a text file whose texts name their ids.
class PopupTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"Border_273x132.png", "TipIcon_23x22.png"}));
        std::vector<std::string> texts = textsNamedByIds(500);
        texts[38] = "Tip";
        texts[48] = "Next Level";
        texts[49] = "High Scores";
        texts[315] = "Well played";
        texts[316] = "Every level is done.";
        texts[317] = "OK";
        texts[318] = "Level Complete";
        texts[320] = "On to level %d";
        texts[321] = "Level %d";
        texts[462] = "Level 30 puzzles are the hardest of all: take your time.";
        texts[480] = "Bronze";
        texts[481] = "Silver";
        texts[482] = "Gold";
        texts[488] = "Gold! Nothing left to win here.";
        texts[489] = "A new best: %s!";
        texts[490] = "You won %s.";
        texts[491] = "Faster for gold.";
        texts[492] = "Faster for silver.";
        useTexts(0, texts);
        sll = gAbSettings.sll;
        if (gGameClock.paused)
            gGameClock.resume();
        gGameClock.current = 5000;
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        gAbSettings.sll = sll;
        if (gGameClock.paused)
            gGameClock.resume();
        MenuTestFolder::TearDown();
    }

    // Draws the popup's first frames, then one `ms` after its animation started.
    static void drawAt(CustomAlertView* alert, int ms)
    {
        alert->render();
        alert->render();
        gGameClock.current = alert->animStartMs + ms;
        clearFrame(0, 0, 0, 1);
        alert->render();
    }

    static int tapButton(CustomAlertView* alert, int tag)
    {
        const ViewChild* child = alert->cellChild(alert->findCell(tag));
        EXPECT_NE(nullptr, child);
        if (!child)
            return -1;
        const int x = child->element->x + child->element->width() / 2;
        const int y = child->element->y + child->element->height() / 2;
        bool consumed = false;
        gMenuStack.dispatchTouch(TouchDown, x, y, &consumed);
        consumed = false;
        return gMenuStack.dispatchTouch(TouchUp, x, y, &consumed);
    }

    static int tipPanels(CustomAlertView* alert)
    {
        int panels = 0;
        for (const ViewChild& child : alert->inner.children)
            if (dynamic_cast<TipForLevel*>(child.element.get()))
                panels++;
        return panels;
    }

    static std::vector<std::string> texts(const Array<String>& lines)
    {
        std::vector<std::string> out;
        for (const String& line : lines)
            out.push_back(line.c_str());
        return out;
    }

    // Pixels of the frame that are not black, inside a rectangle.
    int lit(int x0, int y0, int x1, int y1)
    {
        Bitmap* f = frame();
        int count = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) {
                const RGBA p = f->at(x, y);
                if (p.r + p.g + p.b > 30)
                    count++;
            }
        delete f;
        return count;
    }

    int sll = -1;
};

TEST_F(PopupTest, MedalNamesAndTheLinesOfEachGrade)
{
    struct Case {
        int grade;
        bool newBest;
        const char* name;
        std::vector<std::string> lines;
    } cases[] = {
        {-1, false, "", {}},
        {0, false, "Bronze", {"You won Bronze.", "Faster for silver."}},
        {0, true, "Bronze", {"A new best: Bronze!", "Faster for silver."}},
        {1, true, "Silver", {"A new best: Silver!", "Faster for gold."}},
        {1, false, "Silver", {"You won Silver.", "Faster for gold."}},
        {2, true, "Gold", {"Gold! Nothing left to win here."}},
        {3, true, "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.name, medalName(c.grade).c_str()) << c.grade;
        EXPECT_EQ(c.lines, texts(medalLines(c.grade, c.newBest))) << c.grade << " " << c.newBest;
    }
}

TEST_F(PopupTest, LinesStandCentredAsABlock)
{
    // The Frenzy result's label and value lines hung in a ragged column right of the middle.
    TextStyle oneLine = defaultTextStyle();
    oneLine.wrapMode = 2;
    auto widthOf = [&](const char* text) {
        TextSize size{0, 0};
        measureWrappedText(&size, text, 16, oneLine, -1, -1);
        return size.width;
    };
    Array<String> lines;
    lines.append(String("Your time:"));
    lines.append(String("1:12"));
    lines.append(String("Previous best:"));
    lines.append(String("1:30"));
    const int left = linesLeftEdge(lines);
    const int widest = widthOf("Previous best:");
    EXPECT_NEAR(left + widest / 2.0, 130.0, 1.0) << "the widest line's middle is the popup's";
    Array<String> shortLines;
    shortLines.append(String("1:12"));
    EXPECT_GT(linesLeftEdge(shortLines), left) << "a narrower block starts further right";
    Array<String> wide;
    wide.append(String("A line far wider than the popup's text width, which can only start at its left edge"));
    EXPECT_EQ(0, linesLeftEdge(wide));
}

TEST_F(PopupTest, TipPanelIs280WideAndAsTallAsItsText)
{
    TipForLevel oneLine("Swipe!", 15);
    TipForLevel threeLines("Every furball but one must leave the board. Throw each one into another. "
                           "Undo when you are stuck, and ask for a hint when you are lost.",
                           15);
    EXPECT_EQ(280, oneLine.width());
    EXPECT_EQ(280, threeLines.width());
    TextSize line{0, 0};
    measureWrappedText(&line, "x", 15, defaultTextStyle(), -1, -1);
    EXPECT_GE(threeLines.height() - oneLine.height(), 2 * line.height);
    EXPECT_EQ(4, oneLine.children.size()) << "frame, icon, heading, text";
    TipForLevel empty("", 15);
    EXPECT_EQ(3, empty.children.size());
    EXPECT_LT(empty.height(), oneLine.height());

    oneLine.setPosition(20, 100, 20.0f, 100.0f);
    oneLine.render(20.0f, 100.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    saveFrame("tip_panel");
    EXPECT_GT(lit(20, 100, 300, 100 + oneLine.height()), 2000) << "the frame shows";
    EXPECT_EQ(0, lit(20, 100 + oneLine.height() + 2, 300, 480)) << "nothing below the panel";
}

TEST_F(PopupTest, ResultPopupShowsItsPartsAnswersWithButtonIndexesAndPausesTheClock)
{
    Answers answers;
    Array<String> lines;
    lines.append(String("Time: 0:42"));
    lines.append(String("Par: 0:50"));
    BetweenLevelsPopup* popup =
        BetweenLevelsPopup::show(String("Level 4"), &lines, String("Next up: level 5"), String("Well done"),
                                 String("Throw the corner furballs first."), &answers, "Again", "Next", 0,
                                 true, 1, true, String("unused"));
    EXPECT_EQ(popup, gMenuStack.top());
    EXPECT_TRUE(gGameClock.paused);
    EXPECT_EQ(nullptr, popup->lines) << "the caller's lines are not kept";
    EXPECT_EQ(1, tipPanels(popup));
    drawAt(popup, 700);
    saveFrame("result_popup");
    EXPECT_GT(lit(60, 200, 260, 280), 1000);
    EXPECT_EQ(1, tapButton(popup, 1));
    EXPECT_EQ(std::vector<int>{1}, answers.pressed);
    EXPECT_EQ(0, gMenuStack.size());

    BetweenLevelsPopup* again = BetweenLevelsPopup::show(String("Level 4"), &lines, String(), String(), String(),
                                                         &answers, "Again", "Next", 0, true, 1, true, String());
    drawAt(again, 700);
    EXPECT_EQ(0, tipPanels(again)) << "no tip text, no panel";
    EXPECT_EQ(0, tapButton(again, 0));
    EXPECT_EQ((std::vector<int>{1, 0}), answers.pressed);
}

TEST_F(PopupTest, EachPartOfTheResultTakesItsRows)
{
    Array<String> lines;
    lines.append(String("Score: 120"));
    auto rowsFor = [&](int grade, const char* second, const char* third) {
        BetweenLevelsPopup* popup = BetweenLevelsPopup::show(String("Result"), &lines, String(second),
                                                             String(third), String(), nullptr, "OK", nullptr, 0,
                                                             true, grade, false, String());
        const int rows = popup->usedRows;
        gMenuStack.deleteAllMenus();
        return rows;
    };
    const int plain = rowsFor(3, "", "");
    EXPECT_EQ(plain + 2, rowsFor(2, "", "")) << "the gold line and the space under the medal";
    EXPECT_EQ(plain + 3, rowsFor(0, "", ""));
    EXPECT_EQ(plain + 2, rowsFor(3, "second", "third"));
}

TEST_F(PopupTest, ResultPopupWaitsForItsDelay)
{
    BetweenLevelsPopup* popup = BetweenLevelsPopup::show(String("Level 2"), nullptr, String(), String(), String(),
                                                         nullptr, "OK", nullptr, 800, false, 3, false, String());
    popup->render();   // the first frames come as soon as it is made
    popup->render();
    clearFrame(0, 0, 0, 1);
    gGameClock.current = 5000 + 700;
    popup->render();
    EXPECT_EQ(0, lit(0, 0, 320, 480));
    gGameClock.current = 5000 + 900;
    popup->render();
    EXPECT_GT(lit(0, 0, 320, 480), 0);
}

TEST_F(PopupTest, FreePlayLevel29OpensThePopupFor30AndLevel30TheFinalAlert)
{
    Answers answers;
    EXPECT_EQ(FreePlayNewLevelPopup::kPopupAlertId, FreePlayNewLevelPopup::open(29, true, &answers));
    FreePlayNewLevelPopup* popup = dynamic_cast<FreePlayNewLevelPopup*>(gMenuStack.top());
    ASSERT_NE(nullptr, popup);
    EXPECT_STREQ("Level 30", popup->levelTitle.c_str());
    EXPECT_STREQ("On to level 30", popup->levelMessage.c_str());
    EXPECT_STREQ("Level 30 puzzles are the hardest of all: take your time.", popup->levelTip.c_str());
    EXPECT_EQ(1, tipPanels(popup));
    gMenuStack.deleteAllMenus();

    for (int level : {30, 31}) {
        EXPECT_EQ(FreePlayNewLevelPopup::kFinalAlertId, FreePlayNewLevelPopup::open(level, false, &answers));
        CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
        ASSERT_NE(nullptr, alert);
        EXPECT_EQ(nullptr, dynamic_cast<FreePlayNewLevelPopup*>(alert));
        EXPECT_EQ(1100, alert->startDelayMs) << "held back even when the popup would not be";
        EXPECT_NE(nullptr, alert->findCell(0));
        EXPECT_EQ(nullptr, alert->findCell(1));
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(PopupTest, HighScoreButtonFromTheLevelSllNamesOn)
{
    struct Case {
        int sll, level;
        bool offered;
    } cases[] = {{5, 4, false}, {5, 5, true}, {5, 12, true}, {-1, 1, true}, {31, 29, false}};
    for (const Case& c : cases) {
        gAbSettings.sll = c.sll;
        FreePlayNewLevelPopup* popup = new FreePlayNewLevelPopup(c.level, false, nullptr);
        EXPECT_EQ(c.offered, popup->findCell(FreePlayNewLevelPopup::kHighScoresTag) != nullptr)
            << c.sll << " " << c.level;
        EXPECT_NE(nullptr, popup->findCell(FreePlayNewLevelPopup::kNextLevelTag));
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(PopupTest, FreePlayPopupAnswersOneOrTen)
{
    gAbSettings.sll = 1;
    Answers answers;
    for (int tag : {FreePlayNewLevelPopup::kNextLevelTag, FreePlayNewLevelPopup::kHighScoresTag}) {
        FreePlayNewLevelPopup* popup = new FreePlayNewLevelPopup(7, false, &answers);
        drawAt(popup, 0);
        EXPECT_EQ(tag, tapButton(popup, tag));
    }
    EXPECT_EQ((std::vector<int>{1, 10}), answers.pressed);
    EXPECT_EQ(0, gMenuStack.size());
}

TEST_F(PopupTest, FreePlayPopupWaits1100MsAndShownAgainComesAtOnce)
{
    gAbSettings.sll = 1;
    FreePlayNewLevelPopup* delayed = new FreePlayNewLevelPopup(7, true, nullptr);
    delayed->render();
    delayed->render();
    clearFrame(0, 0, 0, 1);
    gGameClock.current = 5000 + 1000;
    delayed->render();
    EXPECT_EQ(0, lit(0, 0, 320, 480)) << "not yet";
    gGameClock.current = 5000 + 1200;
    delayed->render();
    EXPECT_GT(lit(0, 0, 320, 480), 0);
    gMenuStack.deleteAllMenus();

    gGameClock.current = 9000;
    FreePlayNewLevelPopup* again = new FreePlayNewLevelPopup(7, false, nullptr);
    clearFrame(0, 0, 0, 1);
    again->render();
    again->render();
    EXPECT_FLOAT_EQ(1.0f, again->inner.scaleX) << "full size from its first frames";
    saveFrame("free_play_popup");
    EXPECT_GT(lit(60, 150, 260, 330), 1000);
}

}  // namespace
