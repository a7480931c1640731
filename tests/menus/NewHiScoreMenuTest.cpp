#include "tests/menus/ScreenTestSupport.h"

#include <cstdio>
#include <memory>
#include <string>

#include "board/GameType.h"
#include "game/KelzoGame.h"
#include "menus/KelzoScreenFactory.h"
#include "menus/NewHiScoreMenu.h"
#include "scores/HiScoreTable.h"
#include "tests/modes/PlainTestGame.h"
#include "tests/ui/MenuPictures.h"

namespace {

class NewHiScoreMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        remove("hiScores.dat");  // the folder stays between runs
        useTextsById(kEnglish, {{39, "minute"}, {40, "minutes"}, {41, "second"}, {42, "seconds"},
                                {190, "Your time:"}, {191, "You scored %s points"}, {192, "\\nThat's %s place!"},
                                {193, "st"}, {194, "nd"}, {195, "rd"}, {196, "th"}, {197, "Type your name."},
                                {198, "New High Score!"}, {200, "Name"}, {203, "No Thanks"}, {204, "Save"}});
    }

    static ViewChild* childWithTag(NewHiScoreMenu& menu, int tag)
    {
        for (int i = 0; i < menu.inner.children.size(); i++)
            if (menu.inner.children[i].tag == tag)
                return &menu.inner.children[i];
        return nullptr;
    }

    static int tapOn(NewHiScoreMenu& menu, int tag)
    {
        ViewElementI* button = childWithTag(menu, tag)->element.get();
        const int x = button->x + button->width() / 2;
        const int y = button->y + button->height() / 2;
        menu.handleTouch(TouchDown, x, y);
        return menu.handleTouch(TouchUp, x, y);
    }

    // Types lower-case letters and blanks at the end of the field's text.
    static void typeAtEnd(MyTextField* field, const std::string& keys)
    {
        for (size_t i = 0; i < field->text.size(); i++)
            field->onKey(MyTextField::KeyRight, 0, true, 0);
        for (char c : keys)
            field->onKey(c, 0, true, c);
    }
};

TEST_F(NewHiScoreMenuTest, NoThanksOnTheLeftReturns1AndSaveOnTheRightReturns0)
{
    NewHiScoreMenu menu("Ann", 1234567, false, 2);
    menu.render();
    saveFrame("new_high_score");
    ViewChild* decline = childWithTag(menu, NewHiScoreMenu::kDeclineTag);
    ViewChild* save = childWithTag(menu, NewHiScoreMenu::kSaveTag);
    ASSERT_TRUE(decline && save);
    EXPECT_EQ(decline->y, save->y) << "one row";
    EXPECT_EQ(decline->x + decline->element->width() + 21, save->x);
    EXPECT_EQ(1, tapOn(menu, NewHiScoreMenu::kDeclineTag));
    EXPECT_EQ(0, tapOn(menu, NewHiScoreMenu::kSaveTag));
}

TEST_F(NewHiScoreMenuTest, NameIsThePresetUntilTypedAndThenExactlyWhatWasTyped)
{
    NewHiScoreMenu menu("Ann", 5000, true, 1);
    ASSERT_NE(nullptr, menu.nameField);
    EXPECT_STREQ("Ann", menu.enteredName().c_str()) << "before the field is built";
    menu.render();
    ASSERT_TRUE(menu.nameField->field) << "an editable field";
    EXPECT_STREQ("Ann", menu.enteredName().c_str());
    typeAtEnd(menu.nameField->field.get(), " bo ");
    EXPECT_STREQ("Ann bo ", menu.enteredName().c_str()) << "not trimmed";
}

TEST_F(NewHiScoreMenuTest, EmptyPresetStartsAnEditableEmptyFieldAndAnEmptyNameIsStoredAsIs)
{
    for (const char* preset : {"", static_cast<const char*>(nullptr)}) {
        NewHiScoreMenu menu(preset, 300, false, 4);
        menu.render();
        ASSERT_NE(nullptr, menu.nameField);
        EXPECT_FALSE(menu.nameField->readOnly) << "a first-time player can type a name";
        ASSERT_TRUE(menu.nameField->field);
        EXPECT_STREQ("", menu.enteredName().c_str());
        typeAtEnd(menu.nameField->field.get(), "al");
        EXPECT_STREQ("al", menu.enteredName().c_str());
    }
    NewHiScoreMenu menu("", 300, false, 4);
    menu.render();
    HiScoreTable table;
    ASSERT_FALSE(table.load("hiScores.dat"));
    EXPECT_EQ(0, storeNewHiScore(table, menu.enteredName(), kGameArcade, 1, 300, 77));
    const HiScoreEntry& stored = table.slotList(1)[0];
    EXPECT_STREQ("", stored.name.c_str());
    EXPECT_EQ(300, stored.score);
    EXPECT_STREQ("", table.lastName().c_str());
    FILE* file = fopen("hiScores.dat", "rb");
    EXPECT_NE(nullptr, file) << "saved at once";
    if (file)
        fclose(file);
}

TEST_F(NewHiScoreMenuTest, ResultGoesToTheModesSlotAndBeatTheClockRanksLowerTimesFirst)
{
    HiScoreTable table;
    table.load("hiScores.dat");
    storeNewHiScore(table, "Free", kGameFreePlay, 2, 500, 1);
    EXPECT_STREQ("Free", table.slotList(7)[0].name.c_str());
    EXPECT_TRUE(table.slotList(2)[0].isEmpty());
    storeNewHiScore(table, "Hard", kGameArcade, 2, 900, 2);
    EXPECT_STREQ("Hard", table.slotList(2)[0].name.c_str());
    storeNewHiScore(table, "Slow", kGameBeatTheClock, 0, 80000, 3);
    EXPECT_EQ(0, storeNewHiScore(table, "Quick", kGameBeatTheClock, 0, 60000, 4)) << "the lower time first";
    EXPECT_STREQ("Slow", table.slotList(0)[1].name.c_str());
    storeNewHiScore(table, "High", kGameArcade, 1, 100, 5);
    EXPECT_EQ(1, storeNewHiScore(table, "Low", kGameArcade, 1, 50, 6)) << "higher scores first elsewhere";
}

// The name stored with a score is in "hiScores.dat": the next run's entry offers it again.
TEST_F(NewHiScoreMenuTest, TheNameStoredWithTheLastScoreComesBackAfterARestart)
{
    Settings settings;
    Settings* const oldSettings = gSettings;
    gSettings = &settings;
    {
        HiScoreTable firstRun;
        firstRun.load("hiScores.dat");
        storeNewHiScore(firstRun, "Zoë", kGameArcade, 1, 900, 7);
    }
    KelzoScreenFactory screens;
    {
        KelzoGame nextRun;
        nextRun.hiScores.load("hiScores.dat");
        nextRun.ownedGame.reset(new PlainTestGame(nullptr, false));
        nextRun.setCurrentGame(nextRun.ownedGame.get());
        std::unique_ptr<MenuBaseI> menu(screens.makeMenu(nextRun, ScreenNewHiScore, false));
        NewHiScoreMenu* entry = dynamic_cast<NewHiScoreMenu*>(menu.get());
        ASSERT_NE(entry, nullptr);
        EXPECT_STREQ(entry->enteredName().c_str(), "Zoë");
        EXPECT_STREQ(entry->nameField->text.c_str(), "Zoë") << "the field starts with it";
    }
    gSettings = oldSettings;
}

}  // namespace
