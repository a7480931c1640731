// The callouts of the game intro with the real fonts and texts of every language: where each stands (its
// language's shift), that they come whatever the tips option says, and that every one of every mode lies inside
// the screen and clear of the others.

#include "tests/ui/DataFolderGlTest.h"

#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "game/KelzoGame.h"
#include "settings/Settings.h"
#include "tests/modes/PlainTestGame.h"
#include "ui/MenuBubble.h"
#include "ui/MenuStack.h"

namespace {

class IntroCalloutsTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        before = gSettings;
        settings.switchB = true;
        gSettings = &settings;
        game.reset(new KelzoGame());
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        game.reset();
        gSettings = before;
        DataFolderGlTest::TearDown();
    }

    // The intro of a game of the mode, with a board; its callout bubbles by tip id.
    std::vector<MenuBubble*> openIntro(int mode)
    {
        gMenuStack.deleteAllMenus();
        settings.gameMode = mode;
        game->setCurrentGame(nullptr);
        PlainTestGame* plain = new PlainTestGame(nullptr, false);
        plain->board.reset(new Board());
        game->ownedGame.reset(plain);
        game->setCurrentGame(plain);
        game->showMenu(ScreenGameIntro);
        std::vector<MenuBubble*> open;
        for (MenuBubble* bubble : game->tips.bubbles.bubbles)
            if (bubble)
                open.push_back(bubble);
        return open;
    }

    static MenuBubble* tip(const std::vector<MenuBubble*>& bubbles, int id)
    {
        for (MenuBubble* bubble : bubbles)
            if (bubble->tag == id)
                return bubble;
        return nullptr;
    }

    Settings settings;
    Settings* before = nullptr;
    std::unique_ptr<KelzoGame> game;
};

std::string describe(const BubbleRect& r)
{
    return "(" + std::to_string((int)r.left) + "," + std::to_string((int)r.top) + ")-(" +
           std::to_string((int)r.right) + "," + std::to_string((int)r.bottom) + ")";
}

// The languages with longer words move some callouts and set one a size smaller.
TEST_F(IntroCalloutsTest, EachLanguageMovesItsCallouts)
{
    struct Case {
        int language;
        int mode;
        int tip;
        int anchorY;
        int fontSizeOffset;
    };
    const Case cases[] = {
        {kEnglish, kGameFreePlay, 38, 61, -1},  {kGerman, kGameFreePlay, 39, 59, -1},
        {kFrench, kGameArcade, 1, 445, -1},     {kFrench, kGameArcade, 2, 53, -1},
        {kFrench, kGameArcade, 3, 53, -1},      {kFrench, kGameFreePlay, 38, 61, -1},
        {kFrench, kGameFreePlay, 39, 49, -2},   {kFrench, kGameFreePlay, 41, 445, -1},
        {kSpanish, kGameArcade, 1, 438, -1},    {kSpanish, kGameChallenge, 2, 53, -1},
        {kSpanish, kGameFreePlay, 38, 46, -2},  {kSpanish, kGameFreePlay, 39, 44, -1},
        {kSpanish, kGameFreePlay, 41, 446, -1}, {kItalian, kGameFreePlay, 38, 46, -1},
        {kItalian, kGameFreePlay, 39, 44, -1},  {kItalian, kGameArcade, 2, 65, -1},
    };
    for (const Case& c : cases) {
        useLanguage(c.language);
        const std::vector<MenuBubble*> open = openIntro(c.mode);
        MenuBubble* bubble = tip(open, c.tip);
        ASSERT_NE(bubble, nullptr) << gLanguageNames[c.language] << " tip " << c.tip;
        EXPECT_EQ(bubble->style->anchorY, c.anchorY) << gLanguageNames[c.language] << " tip " << c.tip;
        EXPECT_EQ(bubble->style->fontSizeOffset, c.fontSizeOffset) << gLanguageNames[c.language] << " tip " << c.tip;
    }
}

TEST_F(IntroCalloutsTest, CalloutsComeWhateverTheTipsOptionSays)
{
    settings.switchB = false;
    const std::vector<MenuBubble*> open = openIntro(kGameFreePlay);
    EXPECT_EQ(open.size(), 4u);
    for (int id : {38, 39, 40, 41})
        EXPECT_NE(tip(open, id), nullptr) << id;
    EXPECT_EQ(openIntro(kGameBlitz).size(), 0u) << "Blitz has no callouts";
}

// Every callout of every mode with callouts, in every language: inside the screen less its margin, and no two
// touching.
TEST_F(IntroCalloutsTest, EveryCalloutInsideTheScreenAndClearOfTheOthers)
{
    const int modes[] = {kGameArcade, kGameFreePlay, kGameChallenge, kGameTwoPlayer, kGameBeatTheClock};
    for (int language = 0; language < kLanguageCount; language++) {
        useLanguage(language);
        for (int mode : modes) {
            const std::vector<MenuBubble*> open = openIntro(mode);
            const std::string where = std::string(gLanguageNames[language]) + " mode " + std::to_string(mode);
            ASSERT_EQ(open.size(), 4u) << where;
            for (size_t i = 0; i < open.size(); i++) {
                const BubbleRect r = open[i]->rect();
                const std::string which = where + " tip " + std::to_string(open[i]->tag) + " " + describe(r);
                EXPECT_GE(r.left, kBubbleScreenMargin) << which;
                EXPECT_GE(r.top, kBubbleScreenMargin) << which;
                EXPECT_LE(r.right, kBubbleScreenWidth - kBubbleScreenMargin) << which;
                EXPECT_LE(r.bottom, kBubbleScreenHeight - kBubbleScreenMargin) << which;
                for (size_t j = i + 1; j < open.size(); j++)
                    EXPECT_FALSE(r.near(open[j]->rect(), 1.0f))
                        << which << " and tip " << open[j]->tag << " " << describe(open[j]->rect());
            }
        }
    }
}

}  // namespace
