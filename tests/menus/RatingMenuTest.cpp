#include <memory>
#include <string>
#include <vector>

#include "menus/RatingMenu.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"
#include "menus/TextAndValue.h"
#include "tests/ui/MenuPictures.h"
#include "ui/ImageElement.h"

namespace {

HistoryRecord record(int puzzleId, int gameType, int flags)
{
    HistoryRecord r{};
    r.puzzleId = puzzleId;
    r.gameType = gameType;
    r.flags = flags;
    r.playMs = 1000;
    r.scheme = 0;
    return r;
}

// Free Play at levels 5 and 7, solved (2) or not, some replayed (4) or bookmarked (8), and other game types.
Array<HistoryRecord> mixedHistory()
{
    Array<HistoryRecord> history;
    history.append(record(50001, 2, 2));   // A, C
    history.append(record(50002, 2, 3));   // A, C (bit 0 does not matter)
    history.append(record(50003, 2, 0));   // B, D
    history.append(record(70001, 2, 2));   // C
    history.append(record(70002, 2, 0));   // D
    history.append(record(70003, 2, 1));   // D
    history.append(record(50004, 2, 6));   // replayed: never
    history.append(record(50005, 2, 8));   // bookmarked: never
    history.append(record(70004, 2, 12));  // never
    history.append(record(50006, 0, 2));   // Arcade: never
    history.append(record(50007, 3, 0));   // Challenge: never
    history.append(record(50008, 5, 2));   // Two Player: never
    return history;
}

TEST(FreePlayCountsTest, CountsOnlyFreePlayRecordsWithoutFlags4And8)
{
    const Array<HistoryRecord> history = mixedHistory();
    struct Case {
        int level;
        int a, b, c, d;
    } cases[] = {
        {5, 2, 1, 3, 3},
        {7, 1, 2, 3, 3},
        {6, 0, 0, 3, 3},
    };
    for (const Case& c : cases) {
        const FreePlayCounts counts = countFreePlayResults(history, c.level);
        EXPECT_EQ(counts.solvedAtLevel, c.a) << "level " << c.level;
        EXPECT_EQ(counts.unsolvedAtLevel, c.b) << "level " << c.level;
        EXPECT_EQ(counts.solved, c.c) << "level " << c.level;
        EXPECT_EQ(counts.unsolved, c.d) << "level " << c.level;
    }
    const FreePlayCounts none = countFreePlayResults(Array<HistoryRecord>(), 5);
    EXPECT_EQ(none.solvedAtLevel + none.unsolvedAtLevel + none.solved + none.unsolved, 0);
}

class RatingMenuTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        useLanguage(kEnglish);
    }

    void useLanguage(int language)
    {
        useTexts(language, textsNamedByIds(210));
    }

    // What an element draws alone at (10, 10) on a black frame; the caller deletes it.
    Bitmap* drawnAlone(ViewElementI* element)
    {
        clearFrame(0, 0, 0, 1);
        element->render(10, 10, 1.0f, 1.0f, 1.0f, 0.0f, false);
        gRenderBatch.flush();
        return frame();
    }

    static bool samePixels(const Bitmap* a, const Bitmap* b)
    {
        for (int y = 0; y < a->height; y++)
            for (int x = 0; x < a->width; x++)
                if (memcmp(&a->at(x, y), &b->at(x, y), sizeof(RGBA)) != 0)
                    return false;
        return true;
    }

    ViewElementI* numberOfRow(RatingMenu& menu, int row)
    {
        const ViewChild* child = menu.cellChild(&menu.cellAt(row, 0));
        return child ? child->element.get() : nullptr;
    }
};

TEST_F(RatingMenuTest, RowsFollowTheLanguageAndTheCellsSitInTheCountRows)
{
    const Array<HistoryRecord> history = mixedHistory();
    RatingFacts facts;
    facts.freePlayLevel = 7;
    facts.puzzlesLeft = 4;
    facts.selectedLevel = 5;
    facts.history = &history;
    RatingMenu english(facts);
    EXPECT_EQ(english.usedRows, 21);
    ASSERT_EQ(english.rowCount(1), 2) << "the back button floats beside the title";
    EXPECT_EQ(english.cellAt(1, 0).floating, 1);
    ASSERT_EQ(english.rowCount(13), 5) << "level, space, cell, space, cell";
    EXPECT_EQ(english.cellAt(13, 0).floating, 1);
    EXPECT_EQ(english.cellAt(13, 1).width, 36);
    EXPECT_NE(dynamic_cast<TextAndValue*>(english.cellChild(&english.cellAt(13, 2))->element.get()), nullptr);
    EXPECT_EQ(english.cellAt(13, 3).width, 65);
    ASSERT_EQ(english.rowCount(17), 4);
    TextAndValue* cell = dynamic_cast<TextAndValue*>(english.cellChild(&english.cellAt(17, 1))->element.get());
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->width(), 69);
    EXPECT_EQ(cell->height(), 30);

    useLanguage(kGerman);
    RatingMenu german(facts);
    EXPECT_EQ(german.usedRows, 22);
    ASSERT_EQ(german.rowCount(1), 1) << "the back button has its own row";
    EXPECT_EQ(german.cellAt(1, 0).floating, 0);
    EXPECT_EQ(german.rowCount(14), 5) << "the level row moved down by one";
    EXPECT_EQ(german.rowCount(18), 4);

    useLanguage(kFrench);
    RatingMenu french(facts);
    EXPECT_EQ(french.usedRows, 21);
}

TEST_F(RatingMenuTest, TheTitleShrinksToKeepClearOfAFloatingBackButton)
{
    // "Back" touched "Statistics": beside an 80 px button the centred title must stay within 268 - 2 x 90 px.
    TextStyle oneLine = defaultTextStyle();
    oneLine.wrapMode = 2;
    struct Case {
        const char* title;
        bool shrinks;
    } cases[] = {{"Statistics", true}, {"Statistiques", true}, {"Stats", false}};
    for (const Case& c : cases) {
        const int size = RatingMenu::titleSizeBeside(c.title, 80);
        TextSize measured{0, 0};
        measureWrappedText(&measured, c.title, size, oneLine, -1, -1);
        EXPECT_LE(measured.width, 268 - 2 * (80 + 10)) << c.title;
        EXPECT_EQ(c.shrinks, size < 24) << c.title;
    }
    RatingFacts facts;
    RatingMenu menu(facts);
    ASSERT_EQ(menu.rowCount(1), 2);
    EXPECT_NE(dynamic_cast<IndexElement*>(menu.cellChild(&menu.cellAt(1, 1))->element.get()), nullptr)
        << "the title shares the Back button's row";
}

TEST_F(RatingMenuTest, ThePageStartsBelowTheHeadsUpNumbersInEveryLanguage)
{
    // The heads-up number boxes reach down to y 60; where Back takes a row of its own the page is taller.
    RatingFacts facts;
    for (int language = 0; language < kLanguageCount; language++) {
        useLanguage(language);
        RatingMenu menu(facts);
        ASSERT_NE(menu.frameChild, nullptr);
        EXPECT_GE(menu.frameChild->y, 61) << gLanguageNames[language];
        EXPECT_LE(menu.frameChild->y + menu.frameChild->element->height(), 480) << gLanguageNames[language];
    }
}

TEST_F(RatingMenuTest, NegativePuzzlesLeftShowAsZero)
{
    RatingFacts facts;
    facts.puzzlesLeft = -3;
    RatingMenu negative(facts);
    facts.puzzlesLeft = 0;
    RatingMenu zero(facts);
    facts.puzzlesLeft = 5;
    RatingMenu five(facts);
    std::unique_ptr<Bitmap> shownNegative(drawnAlone(numberOfRow(negative, 9)));
    std::unique_ptr<Bitmap> shownZero(drawnAlone(numberOfRow(zero, 9)));
    std::unique_ptr<Bitmap> shownFive(drawnAlone(numberOfRow(five, 9)));
    EXPECT_TRUE(samePixels(shownNegative.get(), shownZero.get()));
    EXPECT_FALSE(samePixels(shownFive.get(), shownZero.get())) << "the comparison sees the number";
}

TEST_F(RatingMenuTest, CellsShowTheirCountsAndANegativeValueKeepsItsSign)
{
    const Array<HistoryRecord> history = mixedHistory();
    RatingFacts facts;
    facts.selectedLevel = 5;
    facts.history = &history;
    RatingMenu menu(facts);
    SpriteSheet sheet(512, 512, -1, -1);
    const int expected[] = {2, 1, 3, 3};   // A, B in row 13; C, D in row 17
    const TiledMenuCell* cells[] = {&menu.cellAt(13, 2), &menu.cellAt(13, 4), &menu.cellAt(17, 1),
                                    &menu.cellAt(17, 3)};
    for (int i = 0; i < 4; i++) {
        TextAndValue* cell = dynamic_cast<TextAndValue*>(menu.cellChild(cells[i])->element.get());
        ASSERT_NE(cell, nullptr);
        TextAndValue reference(&sheet, "x", expected[i]);
        TextAndValue other(&sheet, "x", expected[i] + 1);
        std::unique_ptr<Bitmap> shown(drawnAlone(cell->children[1].element.get()));
        std::unique_ptr<Bitmap> same(drawnAlone(reference.children[1].element.get()));
        std::unique_ptr<Bitmap> different(drawnAlone(other.children[1].element.get()));
        EXPECT_TRUE(samePixels(shown.get(), same.get())) << "cell " << i;
        EXPECT_FALSE(samePixels(shown.get(), different.get())) << "cell " << i;
    }
    TextAndValue minus(&sheet, "x", -4);
    TextAndValue plus(&sheet, "x", 4);
    std::unique_ptr<Bitmap> shownMinus(drawnAlone(minus.children[1].element.get()));
    std::unique_ptr<Bitmap> shownPlus(drawnAlone(plus.children[1].element.get()));
    EXPECT_FALSE(samePixels(shownMinus.get(), shownPlus.get()));
    EXPECT_EQ(minus.children[1].y, 16) << "the value sits under its caption";
}

TEST_F(RatingMenuTest, HistoryButtonAnswersOneAndBackZero)
{
    RatingFacts facts;
    RatingMenu menu(facts);
    for (int i = 0; i < 60; i++)
        menu.render();
    saveFrame("rating_page");
    struct Case {
        int tag;
    } cases[] = {{RatingMenu::kTagHistory}, {RatingMenu::kTagBack}};
    for (const Case& c : cases) {
        ViewChild* child = menu.cellChild(menu.findCell(c.tag));
        ASSERT_NE(child, nullptr);
        ViewElementI* element = child->element.get();
        const int x = element->x + element->width() / 2, y = element->y + element->height() / 2;
        EXPECT_EQ(menu.handleTouch(TouchDown, x, y), -1);
        EXPECT_EQ(menu.handleTouch(TouchUp, x, y), c.tag);
    }
    EXPECT_EQ(menu.handleTouch(TouchDown, 160, 5), -1);
    EXPECT_EQ(menu.handleTouch(TouchUp, 160, 5), -1);
}

}  // namespace
