#include "tests/menus/ScreenTestSupport.h"

#include <vector>

#include "menus/Panel.h"
#include "menus/ThemeSelectMenu.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "tests/ui/MenuPictures.h"

namespace {

class ThemeSelectMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        for (int theme = 0; theme < 6; theme++)
            writePicture(themePreviewName(theme), 136, 195, RGBA{100, 200, 30, 255});
        useLanguage(kEnglish);
        savedTheme_ = gAbSettings.counter(StatChosenTheme);
    }
    void TearDown() override
    {
        gAbSettings.setCounter(StatChosenTheme, savedTheme_);
        ScreenTest::TearDown();
    }

    static void useLanguage(int language)
    {
        useTextsById(language, {{0, "OK"}, {5, "Back"}, {72, "Furballs"}, {73, "Soccer Balls"}, {74, "Fruit"},
                                {75, "Pandas"}, {76, "Turtles"}, {77, "Marbles"}, {207, "Furballs"},
                                {208, "Soccer Balls"}, {209, "Fruit"}, {210, "Pandas"}, {211, "Turtles"},
                                {212, "Marbles"}, {213, "Themes"}, {347, "New Theme!"},
                                {348, "You are now playing with %s."}});
    }

    static std::vector<int> tileThemes(const ThemeSelectMenu& menu)
    {
        std::vector<int> themes;
        for (const Panel* panel : menu.panels)
            themes.push_back(panel->theme);
        return themes;
    }

    static const ViewChild* childWithTag(const ThemeSelectMenu& menu, int tag)
    {
        for (int i = 0; i < menu.inner.children.size(); i++)
            if (menu.inner.children[i].tag == tag)
                return &menu.inner.children[i];
        return nullptr;
    }

    // The middle of a tile, as last drawn.
    static void middleOf(Panel* panel, int* x, int* y)
    {
        *x = panel->x + panel->width() / 2;
        *y = panel->y + panel->height() / 2;
    }

    static int tap(ThemeSelectMenu& menu, int fromX, int fromY, int toX, int toY)
    {
        menu.handleTouch(TouchDown, fromX, fromY);
        menu.handleTouch(TouchMove, toX, toY);
        return menu.handleTouch(TouchUp, toX, toY);
    }

    int savedTheme_ = 0;
};

TEST_F(ThemeSelectMenuTest, TilesLeaveOutTheChosenThemeAndNeverOfferPandas)
{
    using V = std::vector<int>;
    struct Case {
        int chosen;
        V themes;
    } cases[] = {{2, V{1, 0, 5, 4}}, {0, V{1, 2, 5, 4}}, {3, V{1, 2, 5, 4}}, {5, V{1, 2, 0, 4}}};
    for (const Case& c : cases) {
        gAbSettings.setCounter(StatChosenTheme, c.chosen);
        ThemeSelectMenu menu(&host);
        EXPECT_EQ(c.themes, tileThemes(menu)) << "chosen " << c.chosen;
        for (int theme : c.themes) {
            const ViewChild* child = childWithTag(menu, 100 + theme);
            ASSERT_NE(nullptr, child) << theme;
            EXPECT_TRUE(child->tappable);
        }
    }
}

TEST_F(ThemeSelectMenuTest, TileTapLoadsItsThemeAtOnceAndSaysSo)
{
    gAbSettings.setCounter(StatChosenTheme, 2);
    ThemeSelectMenu menu(&host);
    menu.render();
    saveFrame("themes_chosen_2");
    int x, y;
    middleOf(menu.panels[1], &x, &y);
    EXPECT_EQ(100, tap(menu, x, y, x, y));
    EXPECT_EQ(std::vector<int>{0}, host.themesLoaded);
    ASSERT_EQ(1u, host.alerts.size());
    EXPECT_EQ(23, host.alerts[0].id);
    EXPECT_EQ("New Theme!", host.alerts[0].title);
    EXPECT_EQ("You are now playing with Furballs.", host.alerts[0].message);
    EXPECT_EQ("OK", host.alerts[0].button1);
    EXPECT_EQ("(none)", host.alerts[0].button2);

    middleOf(menu.panels[2], &x, &y);
    EXPECT_EQ(105, tap(menu, x, y, x, y));
    EXPECT_EQ((std::vector<int>{0, 5}), host.themesLoaded);
    EXPECT_EQ("You are now playing with Marbles.", host.alerts.back().message);
}

TEST_F(ThemeSelectMenuTest, TapMovingToAnotherTileLoadsNothingAndBackReturns0)
{
    gAbSettings.setCounter(StatChosenTheme, 0);
    ThemeSelectMenu menu(&host);
    menu.render();
    int x0, y0, x1, y1;
    middleOf(menu.panels[0], &x0, &y0);
    middleOf(menu.panels[3], &x1, &y1);
    EXPECT_EQ(-1, tap(menu, x0, y0, x1, y1));
    EXPECT_TRUE(host.themesLoaded.empty());
    EXPECT_TRUE(host.alerts.empty());
    const ViewChild* back = childWithTag(menu, 0);
    ASSERT_NE(nullptr, back);
    ViewElementI* b = back->element.get();
    EXPECT_EQ(0, tap(menu, b->x + 10, b->y + 10, b->x + 10, b->y + 10));
    EXPECT_TRUE(host.themesLoaded.empty());
}

TEST_F(ThemeSelectMenuTest, BackButtonSharesTheTitleRowInEnglishAndFrenchOnly)
{
    struct Case {
        int language;
        bool beside;
    } cases[] = {{kEnglish, true}, {kFrench, true}, {kGerman, false}, {kSpanish, false}, {kItalian, false}};
    for (const Case& c : cases) {
        useLanguage(c.language);
        ThemeSelectMenu menu(&host);
        const ViewChild* back = childWithTag(menu, 0);
        ASSERT_NE(nullptr, back);
        // The title is the first child after the back button.
        const ViewChild* title = back + 1;
        if (c.beside)
            EXPECT_EQ(back->y, title->y) << "language " << c.language;
        else
            EXPECT_EQ(back->y + back->element->height(), title->y) << "language " << c.language;
    }
}

}  // namespace
