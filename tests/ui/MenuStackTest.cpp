#include "tests/graphics/GlTestContext.h"

#include <vector>

#include "ui/ExplainScreen.h"
#include "ui/MenuBase.h"
#include "ui/MenuStack.h"
#include "ui/ViewElementI.h"
#include "tests/ui/TouchShorthand.h"

namespace {

// A list menu that notes its deletion and its drawings.
class NotingMenu : public MenuBase {
public:
    NotingMenu(int id, std::vector<int>* deleted) : id(id), deleted(deleted) {}
    ~NotingMenu() override { deleted->push_back(id); }
    int render() override
    {
        drawn.push_back(id);
        return animating;
    }

    int id;
    std::vector<int>* deleted;
    int animating = 0;
    static std::vector<int> drawn;
};
std::vector<int> NotingMenu::drawn;

struct OptionSpec {
    int top, height;
};

struct MenuSpec {
    std::vector<OptionSpec> options;
    bool twoColumn = false;
};

struct StackStep {
    int phase, x, y;
    int result;
    int openAfter;        // menus still on the stack
    int topAfter;         // id of the top menu, -1 none
    bool consumedAfter = true;
    bool consumedBefore = false;
};

struct StackCase {
    const char* name;
    std::vector<MenuSpec> menus;  // pushed in order; menu i has id i
    std::vector<StackStep> steps;
    std::vector<int> deleted;     // ids deleted by the touches, in order
};

// Four 52-px options at rows 0, 60, 120 and 180.
const MenuSpec kFourRows = {{{0, 52}, {60, 52}, {120, 52}, {180, 52}}};
// Options 0 and 1 share the row at 100 (option 1's picture reaching further down), option 2 below.
const MenuSpec kSplitRow = {{{100, 40}, {100, 80}, {200, 40}}, true};
// One option picture 40 px high at 100: its row still reaches 152.
const MenuSpec kShortOption = {{{100, 40}}};

const std::vector<StackCase> kStackCases = {
    {"empty stack leaves the touch to the game", {}, {{D, 100, 100, -1, 0, -1, false}, {U, 100, 100, -1, 0, -1, false}},
     {}},
    {"a touch already consumed is not given to the stack", {kFourRows},
     {{D, 100, 130, -1, 1, 0, true, true}, {U, 100, 130, -1, 1, 0}}, {}},
    {"an open menu swallows a miss", {kFourRows}, {{D, 10, 10, -1, 1, 0}, {U, 10, 10, -1, 1, 0}}, {}},
    {"press 2 release 3 gives -1 and disarms; press 2 release 2 closes with 2", {kFourRows},
     {{D, 100, 130, -1, 1, 0}, {M, 100, 190, -1, 1, 0}, {U, 100, 190, -1, 1, 0}, {U, 100, 130, -1, 1, 0},
      {D, 100, 130, -1, 1, 0}, {U, 100, 172, 2, 0, -1}},
     {0}},
    {"split first row: x 159 is option 0, x 160 option 1", {kSplitRow, kSplitRow},
     {{D, 159, 110, -1, 2, 1}, {U, 159, 110, 0, 1, 0}, {D, 160, 110, -1, 1, 0}, {U, 160, 110, 1, 0, -1}},
     {1, 0}},
    {"split row: left of 160 in option 1's row goes on to later options; later rows are whole", {kSplitRow},
     {{D, 100, 170, -1, 1, 0}, {U, 100, 170, -1, 1, 0}, {D, 200, 170, -1, 1, 0}, {U, 100, 170, -1, 1, 0},
      {D, 60, 220, -1, 1, 0}, {U, 260, 220, 2, 0, -1}},
     {0}},
    {"x 50 and x 270 never hit; 51 and 269 do", {kFourRows, kFourRows},
     {{D, 50, 70, -1, 2, 1}, {U, 50, 70, -1, 2, 1}, {D, 270, 70, -1, 2, 1}, {U, 270, 70, -1, 2, 1},
      {D, 51, 70, -1, 2, 1}, {U, 51, 70, 1, 1, 0}, {D, 269, 70, -1, 1, 0}, {U, 269, 70, 1, 0, -1}},
     {1, 0}},
    {"a 40-px option is hit down to top + 52", {kShortOption},
     {{D, 100, 153, -1, 1, 0}, {U, 100, 153, -1, 1, 0}, {D, 100, 152, -1, 1, 0}, {U, 100, 152, 0, 0, -1}}, {0}},
    {"two pushed in a row: the later takes the touches, then the earlier", {kShortOption, kShortOption},
     {{D, 100, 120, -1, 2, 1}, {U, 100, 120, 0, 1, 0}, {D, 100, 120, -1, 1, 0}, {U, 100, 120, 0, 0, -1}},
     {1, 0}},
};

class MenuStackTest : public GlTest {
protected:
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        GlTest::TearDown();
    }

    NotingMenu* makeMenu(int id, const MenuSpec& spec)
    {
        NotingMenu* menu = new NotingMenu(id, &deleted);
        menu->twoColumnFirstRow = spec.twoColumn ? 1 : 0;
        for (const OptionSpec& option : spec.options)
            menu->addOption(solidTexture(200, option.height, RGBA{255, 255, 255, 255}), option.top);
        return menu;
    }

    std::vector<int> deleted;
};

TEST_F(MenuStackTest, TouchTable)
{
    for (const StackCase& c : kStackCases) {
        deleted.clear();
        for (size_t i = 0; i < c.menus.size(); i++)
            gMenuStack.push(makeMenu((int)i, c.menus[i]));
        for (size_t s = 0; s < c.steps.size(); s++) {
            const StackStep& step = c.steps[s];
            bool consumed = step.consumedBefore;
            EXPECT_EQ(step.result, gMenuStack.dispatchTouch(step.phase, step.x, step.y, &consumed))
                << c.name << ", step " << s;
            EXPECT_EQ(step.consumedAfter, consumed) << c.name << ", step " << s;
            EXPECT_EQ(step.openAfter, gMenuStack.size()) << c.name << ", step " << s;
            NotingMenu* top = static_cast<NotingMenu*>(gMenuStack.top());
            EXPECT_EQ(step.topAfter, top ? top->id : -1) << c.name << ", step " << s;
        }
        EXPECT_EQ(c.deleted, deleted) << c.name;
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(MenuStackTest, DrawsBottomToTopAndReportsAnyAnimation)
{
    NotingMenu::drawn.clear();
    NotingMenu* bottom = makeMenu(0, kFourRows);
    NotingMenu* top = makeMenu(1, kFourRows);
    gMenuStack.push(bottom);
    gMenuStack.push(top);
    EXPECT_EQ(0, gMenuStack.render());
    EXPECT_EQ((std::vector<int>{0, 1}), NotingMenu::drawn);
    bottom->animating = 1;
    EXPECT_EQ(1, gMenuStack.render());
}

TEST_F(MenuStackTest, ShutDownDeletesOpenMenusTopFirst)
{
    for (int id = 0; id < 3; id++)
        gMenuStack.push(makeMenu(id, kFourRows));
    gMenuStack.deleteAllMenus();
    EXPECT_EQ((std::vector<int>{2, 1, 0}), deleted);
    EXPECT_EQ(0, gMenuStack.size());
    EXPECT_EQ(nullptr, gMenuStack.top());
}

TEST_F(MenuStackTest, MenuThatOpensAnotherIsStillTheOneClosed)
{
    // A menu answering a touch may push a dialog over itself first; the stack closes the menu that answered.
    struct Opener : NotingMenu {
        using NotingMenu::NotingMenu;
        int handleTouch(int phase, int x, int y) override
        {
            (void)x, (void)y;
            if (phase != TouchUp)
                return -1;
            gMenuStack.push(new NotingMenu(9, deleted));
            return 4;
        }
    };
    gMenuStack.push(makeMenu(0, kFourRows));
    gMenuStack.push(new Opener(1, &deleted));
    bool consumed = false;
    EXPECT_EQ(4, gMenuStack.dispatchTouch(TouchUp, 0, 0, &consumed));
    EXPECT_EQ((std::vector<int>{1}), deleted);
    ASSERT_EQ(2, gMenuStack.size());
    EXPECT_EQ(0, static_cast<NotingMenu*>(gMenuStack.at(0))->id);
    EXPECT_EQ(9, static_cast<NotingMenu*>(gMenuStack.top())->id);
}

TEST(ExplainScreenTest, APressThenAnyMoveOrReleaseCloses)
{
    struct Case {
        std::vector<int> phases;
        std::vector<int> results;
    } cases[] = {
        {{TouchDown, TouchUp}, {-1, 1}},
        {{TouchDown, TouchMove}, {-1, 1}},
        {{TouchUp}, {-1}},
        {{TouchMove, TouchDown, TouchDown, TouchUp, TouchUp}, {-1, -1, -1, 1, -1}},
    };
    for (const Case& c : cases) {
        ExplainScreen screen;
        for (size_t i = 0; i < c.phases.size(); i++)
            EXPECT_EQ(c.results[i], screen.handleTouch(c.phases[i], 10, 10)) << "touch " << i;
        EXPECT_EQ(0, screen.render());
    }
}

}  // namespace
