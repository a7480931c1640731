// The game intro's opening dialog: which one each mode opens (title and button from the texts, read back from
// the log, which names every text by its id here), that it is answered by the application and plays on, and
// that the modes without one are left by a tap on the overlay.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Core/Language.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "tests/game/GameTouchFixture.h"
#include "ui/CustomAlertView.h"

namespace {

// A game with a score of its own choosing.
class ScoredGame : public NotingGame {
public:
    ScoredGame(int type, int points) : NotingGame(type), points(points) {}
    int score() override { return points; }
    int points;
};

class GameIntroTest : public GameTouchTest {
protected:
    void SetUp() override
    {
        GameTouchTest::SetUp();
        // Every text is "T" and its id, so the log tells which text went where.
        FILE* file = fopen((std::string(gLanguageNames[kEnglish]) + ".txt").c_str(), "wb");
        ASSERT_NE(nullptr, file);
        for (int id = 0; id < 600; id++)
            fprintf(file, "T%d\n", id);
        fclose(file);
        unloadLanguage();
        gLanguage = new Language(kEnglish);
    }
    void TearDown() override
    {
        unloadLanguage();
        GameTouchTest::TearDown();
    }

    // The intro of a game of the type (with a board unless `withBoard` is false); returns its log.
    std::string openIntro(int type, bool withBoard, int points = 0)
    {
        settings.gameMode = type;
        game.setCurrentGame(nullptr);
        if (withBoard) {
            ScoredGame* scored = new ScoredGame(type, points);
            scored->board.reset(new Board());
            scored->board->placeFurballAt(1, 1, freshCell());
            scored->board->placeFurballAt(3, 1, freshCell());
            game.ownedGame.reset(scored);
            game.setCurrentGame(scored);
        }
        game.currentAlertId = -1;
        testing::internal::CaptureStdout();
        game.showMenu(ScreenGameIntro);
        return testing::internal::GetCapturedStdout();
    }

    static bool logged(const std::string& log, const std::string& line)
    {
        return log.find(" " + line + "\n") != std::string::npos;
    }
};

}  // namespace

TEST_F(GameIntroTest, EachModeOpensItsOwnDialogOrNone)
{
    const struct Case {
        const char* name;
        int type;
        bool withBoard;
        int points;
        const char* title;   // nullptr: no dialog
        const char* button;
    } cases[] = {
        {"Arcade at 0 points", kGameArcade, true, 0, "T384", "T9"},
        {"Arcade under way", kGameArcade, true, 1200, "T384", "T8"},
        {"Arcade without a board", kGameArcade, false, 0, "T384", "T9"},
        {"Free Play", kGameFreePlay, true, 0, "T386", "T10"},
        {"Beat the Clock", kGameBeatTheClock, true, 0, "T498", "T8"},
        {"Frenzy", kGameFrenzy, true, 0, "T390", "T9"},
        {"Blitz", kGameBlitz, true, 0, "T388", "T9"},
        {"Challenge", kGameChallenge, true, 0, nullptr, "T8"},
        {"Two Player", kGameTwoPlayer, true, 0, nullptr, "T8"},
    };
    for (const Case& c : cases) {
        const std::string log = openIntro(c.type, c.withBoard, c.points);
        EXPECT_EQ(ScreenGameIntro, game.currentScreen) << c.name;
        EXPECT_EQ(AlertGameIntro, game.currentAlertId) << c.name;
        EXPECT_TRUE(logged(log, std::string("game intro: ") + c.button)) << c.name << "\n" << log;
        if (c.title) {
            ASSERT_EQ(1, gMenuStack.size()) << c.name;
            CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
            ASSERT_NE(nullptr, alert) << c.name;
            EXPECT_EQ(static_cast<AlertViewCallbackI*>(&game), alert->callback) << c.name;
            EXPECT_EQ(nullptr, alert->findCell(1)) << c.name << ": one button";
            EXPECT_TRUE(logged(log, std::string("alert 7: ") + c.title)) << c.name << "\n" << log;
            EXPECT_NE(std::string::npos, log.find(" alert 7 taps: 0:")) << c.name << ": where its button is";
        } else {
            EXPECT_EQ(0, gMenuStack.size()) << c.name;
            EXPECT_EQ(std::string::npos, log.find(" alert 7")) << c.name;
        }
        gMenuStack.deleteAllMenus();
    }
}

// The dialog is the opening tip's, shown whatever the tips option says and not counted as a showing, so the
// tip's show rules are untouched by it.
TEST_F(GameIntroTest, TheOpeningTipIsNotCountedAndIgnoresTheTipsOption)
{
    for (bool tipsOn : {true, false}) {
        settings.switchB = tipsOn;
        openIntro(kGameArcade, true);
        EXPECT_EQ(1, gMenuStack.size()) << tipsOn;
        EXPECT_EQ(0, game.tips.shownCount(24)) << tipsOn;
        EXPECT_EQ(0, game.tips.perGameCount(24)) << tipsOn;
        gMenuStack.deleteAllMenus();
    }
}

// A tap meant for the overlay is taken by the dialog; its answer plays on, as the overlay's tap does for the
// modes without a dialog.
TEST_F(GameIntroTest, TheDialogsAnswerOrTheOverlaysTapPlaysOn)
{
    openIntro(kGameFreePlay, true);
    touch({{0, 160, 240, 10100}, {2, 160, 240, 10150}});
    EXPECT_EQ(ScreenGameIntro, game.currentScreen) << "the dialog took the tap";
    CustomAlertView* alert = dynamic_cast<CustomAlertView*>(gMenuStack.top());
    ASSERT_NE(nullptr, alert);
    alert->callback->alertButtonClicked(0, alert);
    EXPECT_EQ(ScreenPlaying, game.currentScreen);
    EXPECT_EQ(-1, game.currentAlertId);
    EXPECT_FALSE(gGameClock.paused);
    gMenuStack.deleteAllMenus();

    openIntro(kGameChallenge, true);
    touch({{0, 160, 240, 10300}, {2, 160, 240, 10350}});
    EXPECT_EQ(ScreenPlaying, game.currentScreen);
}
