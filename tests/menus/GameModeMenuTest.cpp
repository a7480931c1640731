#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "menus/GameModeMenu.h"
#include "menus/ModeOption.h"
#include "menus/widgets/LevelSelect.h"
#include "ui/MainHeading.h"
#include "tests/menus/ModeChoiceFixture.h"

namespace {

class GameModeMenuTest : public ModeChoiceTest {
protected:
    void SetUp() override
    {
        ModeChoiceTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"BtC_Slider_Shadow_248x77.png", "Free_60x65.png", "Challenge.png"}));
        host.hintsShown = GameModeMenu::kOpeningHints;  // no opening hint unless a test asks for it
    }

    GameModeMenu& open(int screenLeft = 0)
    {
        menu.reset();
        menu.reset(new GameModeMenu(&host, screenLeft));
        menu->render();
        return *menu;
    }

    int tapAt(int x, int y)
    {
        menu->handleTouch(TouchDown, x, y);
        menu->render();
        return menu->handleTouch(TouchUp, x, y);
    }
    // Frames come between touches: the element's place is where it was last drawn.
    int tap(ViewElementI* element)
    {
        menu->render();
        int x, y;
        centreOf(element, &x, &y);
        return tapAt(x, y);
    }
    int tapMode(int mode) { return tap(menu->modeTile(mode)); }
    int tapButton(int tag) { return tap(menu->cellChild(menu->findCell(tag))->element.get()); }
    ModeOption* modeTile(int mode) { return static_cast<ModeOption*>(menu->modeTile(mode)); }

    OwnedPtr<GameModeMenu> menu;
};

TEST_F(GameModeMenuTest, ArcadeShowsTheStoredDifficultyAndNoSlider)
{
    settings.gameMode = kGameArcade;
    settings.difficulty = 2;
    GameModeMenu& m = open();
    EXPECT_EQ(kGameArcade, m.modePanel->armedTag);
    EXPECT_EQ(2, m.optionsPanel->armedTag);
    EXPECT_STREQ(getText(112).c_str(), m.optionsHeading->text.c_str());
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(1.0f, m.optionsPanel->children[i].alpha) << "difficulty tile " << i;
    EXPECT_EQ(0.0f, m.optionsPanel->children[3].alpha) << "slider plate";
    EXPECT_EQ(0.0f, m.optionsPanel->children[4].alpha) << "slider";
}

// Start with a level: the first unsolved level itself is accepted, one above is refused with the alert, the
// settings untouched and the slider sent back to the first unsolved level.
TEST_F(GameModeMenuTest, StartAcceptsTheFirstUnsolvedLevelAndRefusesOneAbove)
{
    struct Case {
        int mode;
        int ncm;
    } cases[] = {{kGameFreePlay, 0}, {kGameFrenzy, 0}, {kGameChallenge, 1}, {kGameBeatTheClock, 0}};
    for (const Case& c : cases) {
        gAbSettings.ncm = c.ncm;
        const int first = host.firstUnsolved[c.mode];
        for (int above : {0, 1}) {
            gMenuStack.deleteAllMenus();
            settings.gameMode = c.mode;
            settings.startLevel = 1;
            settings.difficulty = 1;
            GameModeMenu& m = open();
            ASSERT_TRUE(m.selectedModeHasLevels()) << c.mode;
            m.levelSelect->selectLevel(first + above);
            const int code = tapButton(0);
            if (above == 0) {
                EXPECT_EQ(0, code) << c.mode;
                EXPECT_EQ(first, settings.startLevel) << c.mode;
                EXPECT_EQ(0, gMenuStack.size()) << c.mode;
            } else {
                EXPECT_EQ(-1, code) << c.mode;
                EXPECT_EQ(1, settings.startLevel) << c.mode;
                EXPECT_EQ(1, gMenuStack.size()) << c.mode << ": the locked-level alert";
                EXPECT_EQ(first, m.levelSelect->selectedLevel()) << c.mode;
            }
            EXPECT_EQ(c.mode, settings.gameMode) << c.mode;
            EXPECT_EQ(1, settings.difficulty) << c.mode;
        }
    }
}

TEST_F(GameModeMenuTest, StartWritesTheModeAndTheDifficultyChosen)
{
    settings.gameMode = kGameFreePlay;
    settings.difficulty = 0;
    open();
    tapMode(kGameArcade);
    tap(menu->difficultyTiles[1].get());
    EXPECT_EQ(kGameFreePlay, settings.gameMode) << "nothing is written before Start";
    EXPECT_EQ(0, settings.difficulty);
    EXPECT_EQ(0, tapButton(0));
    EXPECT_EQ(kGameArcade, settings.gameMode);
    EXPECT_EQ(1, settings.difficulty);
}

TEST_F(GameModeMenuTest, ArcadeWithoutADifficultySelectedKeepsTheStoredOne)
{
    settings.gameMode = kGameArcade;
    settings.difficulty = -1;
    settings.startLevel = 7;
    open();
    EXPECT_EQ(0, tapButton(0));
    EXPECT_EQ(kGameArcade, settings.gameMode);
    EXPECT_EQ(-1, settings.difficulty);
    EXPECT_EQ(7, settings.startLevel);
}

TEST_F(GameModeMenuTest, BackReturnsOneAndLeavesTheSettings)
{
    settings.gameMode = kGameFreePlay;
    open();
    tapMode(kGameFrenzy);
    EXPECT_EQ(1, tapButton(1));
    EXPECT_EQ(kGameFreePlay, settings.gameMode);
}

TEST_F(GameModeMenuTest, FromHowToPlayWithTheVariationOnlyStartIsOffered)
{
    settings.sgVariation = 2;
    open(GameModeMenu::kScreenHowToPlay);
    EXPECT_EQ(nullptr, menu->findCell(1));
    ASSERT_NE(nullptr, menu->findCell(0));
    open(3);
    EXPECT_NE(nullptr, menu->findCell(1)) << "from another screen Back is there";
}

TEST_F(GameModeMenuTest, SwitchingBetweenModesWithLevelsKeepsThePanelAndChangesTheRange)
{
    settings.gameMode = kGameFreePlay;
    GameModeMenu& m = open();
    MyView* panel = m.optionsPanel;
    EXPECT_EQ(30, m.levelSelect->scroller.maxPage);
    m.modePanel->armedTag = -1;
    EXPECT_EQ(-1, tapMode(kGameFrenzy));
    EXPECT_EQ(1, host.clicks);
    EXPECT_EQ(kGameFrenzy, m.selectedMode);
    EXPECT_EQ(37, m.levelSelect->scroller.maxPage);
    EXPECT_EQ(host.levels[kGameFrenzy], m.levelSelect->selectedLevel());
    EXPECT_EQ(panel, m.optionsPanel);
    EXPECT_EQ(1.0f, m.optionsPanel->children[4].alpha);
    EXPECT_STREQ(getText(113).c_str(), m.optionsHeading->text.c_str());
    tapMode(kGameFreePlay);
    EXPECT_EQ(30, m.levelSelect->scroller.maxPage);
    EXPECT_EQ(2, host.clicks);
    tapMode(kGameFreePlay);
    EXPECT_EQ(2, host.clicks) << "tapping the selected mode again changes nothing";
}

TEST_F(GameModeMenuTest, PressingATileHighlightsItAtOnceTheSwitchComesOnRelease)
{
    settings.gameMode = kGameArcade;
    GameModeMenu& m = open();
    int x, y;
    centreOf(m.modeTile(kGameFreePlay), &x, &y);
    m.handleTouch(TouchDown, x, y);
    EXPECT_EQ(kGameFreePlay, m.modePanel->armedTag);
    EXPECT_EQ(kGameArcade, m.selectedMode);
    EXPECT_EQ(0, host.clicks);
    m.handleTouch(TouchUp, x, y);
    EXPECT_EQ(kGameFreePlay, m.selectedMode);
    EXPECT_EQ(1, host.clicks);
    EXPECT_STREQ(getText(113).c_str(), m.optionsHeading->text.c_str());
    EXPECT_EQ(0.0f, m.optionsPanel->children[0].alpha);
    EXPECT_EQ(1.0f, m.optionsPanel->children[4].alpha);
}

TEST_F(GameModeMenuTest, BackToArcadeSelectsTheStoredDifficultyAgain)
{
    settings.gameMode = kGameArcade;
    settings.difficulty = 0;
    GameModeMenu& m = open();
    tap(m.difficultyTiles[2].get());
    EXPECT_EQ(2, m.optionsPanel->armedTag);
    tapMode(kGameFreePlay);
    tapMode(kGameArcade);
    EXPECT_EQ(0, m.optionsPanel->armedTag);
    EXPECT_EQ(1.0f, m.optionsPanel->children[0].alpha);
}

TEST_F(GameModeMenuTest, OpeningHintOnTheFirstFourBuildsOnly)
{
    host.hintsShown = 0;
    settings.gameMode = kGameChallenge;
    for (int build = 1; build <= 5; build++) {
        open();
        EXPECT_EQ(build <= 4, !gModeBubble.isNull()) << "build " << build;
        EXPECT_EQ(std::min(build, 4), host.hintsShown) << "build " << build;
    }
}

TEST_F(GameModeMenuTest, NoDescriptionBubbleWithTipsOff)
{
    host.hintsShown = 0;
    settings.switchB = false;
    open();
    EXPECT_TRUE(gModeBubble.isNull());
    tapMode(kGameArcade);
    menu->render();
    EXPECT_TRUE(gModeBubble.isNull());
}

// Modes 4 to 6 have no tile: the hint is skipped and not counted, and no tile is highlighted.
TEST_F(GameModeMenuTest, ModesWithoutATileOpenWithoutHint)
{
    for (int mode : {kGameBlitz, kGameTwoPlayer, kGameBeatTheClock}) {
        host.hintsShown = 0;
        settings.gameMode = mode;
        GameModeMenu& m = open();
        m.render();
        EXPECT_TRUE(gModeBubble.isNull()) << mode;
        EXPECT_EQ(0, host.hintsShown) << mode;
        EXPECT_EQ(mode, m.modePanel->armedTag) << mode << ": no tile carries that tag";
        EXPECT_EQ(modeHasLevels(mode), m.selectedModeHasLevels()) << mode;
    }
}

TEST_F(GameModeMenuTest, OpeningHintStartsToCloseFiveSecondsAfterTheFirstFrame)
{
    host.hintsShown = 0;
    setClock(50000);
    open();
    ASSERT_FALSE(gModeBubble.isNull());
    EXPECT_EQ(52000, gModeBubbleTimer);
    setClock(55000);
    menu->render();
    EXPECT_EQ(0, gModeBubble->life.closing);
    setClock(55001);
    menu->render();
    EXPECT_EQ(1, gModeBubble->life.closing);
    EXPECT_EQ(-1, gModeBubbleTimer);
}

// The opening hint rests fully shown for seconds and then waits, faded out, to be let go: the menu asks for
// frames only while it fades, so the main loop can rest in between.
TEST_F(GameModeMenuTest, OpeningHintAsksForFramesOnlyWhileItFades)
{
    host.hintsShown = 0;
    setClock(50000);
    open();
    ASSERT_FALSE(gModeBubble.isNull());
    struct Step {
        int32_t t;
        int moving;
        bool bubble;
    };
    const Step steps[] = {
        {50050, 1, true},   // fading in
        {50200, 0, true},   // fully shown
        {54000, 0, true},
        {55001, 1, true},   // the countdown closes it: fading out
        {55700, 1, true},
        {56000, 0, true},   // faded out, not yet let go
        {59000, 0, true},
        {59400, 0, false},  // let go
    };
    for (const Step& s : steps) {
        setClock(s.t);
        EXPECT_EQ(s.moving, menu->render()) << "at " << s.t;
        EXPECT_EQ(s.bubble, !gModeBubble.isNull()) << "at " << s.t;
    }
}

TEST_F(GameModeMenuTest, BubbleStaysWhileTheFingerIsDownAndClosesThreeSecondsAfterRelease)
{
    settings.gameMode = kGameArcade;
    open();
    int x, y;
    centreOf(menu->modeTile(kGameChallenge), &x, &y);
    setClock(60000);
    menu->handleTouch(TouchDown, x, y);
    menu->render();
    ASSERT_FALSE(gModeBubble.isNull());
    setClock(70000);
    menu->render();
    EXPECT_EQ(0, gModeBubble->life.closing) << "held down for 10 s";
    menu->handleTouch(TouchUp, x, y);
    EXPECT_EQ(70000, gModeBubbleTimer);
    setClock(73000);
    menu->render();
    EXPECT_EQ(0, gModeBubble->life.closing);
    setClock(73001);
    menu->render();
    EXPECT_EQ(1, gModeBubble->life.closing);
    // Once faded out, the bubble is let go and the menu stops asking for frames.
    setClock(90000);
    menu->render();
    EXPECT_TRUE(gModeBubble.isNull());
    EXPECT_EQ(0, menu->render());
}

// A drawn element's rectangle on the screen, as the bubble rectangles are.
BubbleRect drawnRect(ViewElementI* element)
{
    BubbleRect r;
    r.left = (float)element->x;
    r.top = (float)element->y;
    r.right = r.left + (float)element->width();
    r.bottom = r.top + (float)element->height();
    return r;
}

// In every language, the description of every tile lies inside the screen less its margin and off both
// headings: a mode's below the options heading, a difficulty's below its tile.
TEST_F(GameModeMenuTest, EveryDescriptionInsideTheScreenAndOffTheHeadings)
{
    ASSERT_NO_FATAL_FAILURE(linkDataFiles({"german.txt", "spanish.txt", "french.txt", "italian.txt"}));
    settings.gameMode = kGameArcade;
    for (int language = 0; language < kLanguageCount; language++) {
        unloadLanguage();
        gLanguage = new Language(language);
        const int modes[] = {kGameArcade, kGameFreePlay, kGameChallenge, kGameFrenzy};
        for (int i = 0; i < 7; i++) {
            open();
            ViewElementI* tile = i < 4 ? menu->modeTile(modes[i]) : menu->optionsPanel->children[i - 4].element.get();
            ViewElementI* modesHeading = menu->cellChild(&menu->cellAt(2, 0))->element.get();
            ASSERT_STREQ(getText(111).c_str(), static_cast<MainHeading*>(modesHeading)->text.c_str());
            int x, y;
            centreOf(tile, &x, &y);
            menu->handleTouch(TouchDown, x, y);
            menu->render();
            ASSERT_FALSE(gModeBubble.isNull());
            const BubbleRect r = gModeBubble->rect();
            const std::string which = std::string(gLanguageNames[language]) + " tile " + std::to_string(i);
            EXPECT_GE(r.left, kBubbleScreenMargin) << which;
            EXPECT_GE(r.top, kBubbleScreenMargin) << which;
            EXPECT_LE(r.right, kBubbleScreenWidth - kBubbleScreenMargin) << which;
            EXPECT_LE(r.bottom, kBubbleScreenHeight - kBubbleScreenMargin) << which;
            EXPECT_FALSE(r.near(drawnRect(modesHeading), 0.0f)) << which;
            EXPECT_FALSE(r.near(drawnRect(menu->optionsHeading), 0.0f)) << which;
            EXPECT_GT(r.top, (float)tile->y) << which << ": below what it describes";
            menu->handleTouch(TouchUp, x, y);
        }
    }
}

TEST_F(GameModeMenuTest, TheNextMenuDeletesABubbleStillOpen)
{
    host.hintsShown = 0;
    open();
    ASSERT_FALSE(gModeBubble.isNull());
    menu.reset();
    EXPECT_FALSE(gModeBubble.isNull()) << "the bubble outlives its menu";
    host.hintsShown = 4;
    menu.reset(new GameModeMenu(&host, 0));
    EXPECT_TRUE(gModeBubble.isNull());
    EXPECT_EQ(-1, gModeBubbleTimer);
}

TEST_F(GameModeMenuTest, FrenzyStarPulses)
{
    struct Case {
        int32_t t;
        float alpha;
    } cases[] = {{0, 0.208333f * (1.4f + (float)std::sin(90.0))}, {350, 0.208333f * (1.4f + (float)std::sin(91.0))}};
    for (const Case& c : cases)
        EXPECT_NEAR(c.alpha, newStarGlowAlpha(c.t), 1e-4f) << c.t;
    float low = 1.0f, high = 0.0f;
    for (int t = 0; t < 2200; t += 10) {
        low = std::min(low, newStarGlowAlpha(t));
        high = std::max(high, newStarGlowAlpha(t));
    }
    EXPECT_NEAR(0.0833f, low, 0.002f);
    EXPECT_NEAR(0.5f, high, 0.002f);
}

TEST_F(GameModeMenuTest, FrenzyTileWearsTheStar)
{
    settings.gameMode = kGameArcade;
    clearFrame(0, 0, 0, 1);
    open();
    ViewElementI* frenzy = menu->modeTile(kGameFrenzy);
    // The star's 26 x 26 picture is drawn at (tx + 43, ty + 79); its middle is not the tile's own picture.
    Bitmap* withStar = frame();
    const RGBA starPixel = withStar->at(frenzy->x + 56, frenzy->y + 92);
    delete withStar;
    clearFrame(0, 0, 0, 1);
    menu->TiledMenu::render();
    const RGBA plain = pixel(frenzy->x + 56, frenzy->y + 92);
    EXPECT_FALSE(pixelNear(starPixel, plain, 10));
}

}  // namespace
