#include "tests/menus/ScreenTestSupport.h"

#include "board/Board.h"
#include "board/GameType.h"
#include "game/KelzoGame.h"
#include "menus/KelzoScreenFactory.h"
#include "tests/modes/PlainTestGame.h"
#include "menus/TitleScreen.h"

namespace {

class TitleScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        useTextsById(0, {{92, "Welcome Back!"},
                         {93, "You were on level %d in %s"},
                         {94, "(%s)"},
                         {95, "Carry on?"},
                         {96, "You were playing %s"},
                         {97, "New Game"},
                         {98, "Resume"},
                         {99, "Tap anywhere to start"}});
    }

    static RunningGame gameOfType(int type, bool hasBoard)
    {
        RunningGame game;
        game.exists = true;
        game.started = true;
        game.hasBoard = hasBoard;
        game.boardLevel = 7;
        game.gameType = type;
        game.modeName = "Arcade";
        game.difficultyName = "hard";
        return game;
    }
};

TEST_F(TitleScreenTest, ReleaseAfterAPressLeavesAndAReleaseAloneDoesNot)
{
    TitleScreen title(&host, RunningGame());
    EXPECT_EQ(-1, title.handleTouch(TouchUp, 100, 100)) << "no press seen";
    EXPECT_EQ(-1, title.handleTouch(TouchDown, 10, 400));
    EXPECT_EQ(-1, title.handleTouch(TouchMove, 200, 30));
    EXPECT_EQ(1, title.handleTouch(TouchUp, 300, 20)) << "anywhere";
    EXPECT_EQ(-1, title.handleTouch(TouchUp, 300, 20)) << "disarmed by the release";
    EXPECT_EQ(-1, title.handleTouch(TouchDown, 160, 240));
    EXPECT_EQ(1, title.handleTouch(TouchUp, 160, 240)) << "a second tap";
}

TEST_F(TitleScreenTest, WithoutAGameThePromptIsMadeOnceAndDrawnAtTheFoot)
{
    TitleScreen title(&host, RunningGame());
    EXPECT_FALSE(title.promptTexture) << "nothing made before the first frame";
    EXPECT_EQ(0, title.render());
    ASSERT_TRUE(title.promptTexture);
    Texture* prompt = title.promptTexture.get();
    EXPECT_EQ(320, prompt->width);
    EXPECT_EQ(44, prompt->height);
    EXPECT_GT(brightPixels(0, 454, 320, 480), 100) << "the prompt's letters";
    EXPECT_EQ(0, brightPixels(0, 0, 320, 454)) << "nothing above it";
    title.render();
    EXPECT_EQ(prompt, title.promptTexture.get()) << "later frames only draw it";
    EXPECT_TRUE(host.alerts.empty());
}

TEST_F(TitleScreenTest, GameInProgressOpensTheResumeAlertAfterItsDelayAndNoPrompt)
{
    TitleScreen title(&host, gameOfType(kGameFreePlay, true));
    for (int frame = 0; frame < 3; frame++)
        title.render();
    EXPECT_FALSE(title.promptTexture);
    EXPECT_EQ(0, brightPixels(0, 0, 320, 480));
    ASSERT_EQ(1u, host.alerts.size()) << "opened once";
    const ShownAlert& alert = host.alerts[0];
    EXPECT_EQ(9, alert.id);
    EXPECT_EQ("Welcome Back!", alert.title);
    EXPECT_EQ("New Game", alert.button1);
    EXPECT_EQ("Resume", alert.button2);
    EXPECT_EQ(1100, alert.delayMs);
    EXPECT_EQ(16, alert.fontSize);
}

TEST_F(TitleScreenTest, GameNotStartedOrMissingShowsThePrompt)
{
    RunningGame notStarted = gameOfType(kGameArcade, true);
    notStarted.started = false;
    for (const RunningGame& game : {notStarted, RunningGame()}) {
        TitleScreen title(&host, game);
        title.render();
        EXPECT_TRUE(title.promptTexture);
    }
    EXPECT_TRUE(host.alerts.empty());
}

TEST_F(TitleScreenTest, ResumeMessageNamesTheDifficultyOnlyForArcadeAndChallenge)
{
    struct Case {
        int type;
        bool hasBoard;
        const char* message;
    } cases[] = {
        {kGameArcade, true, "You were on level 7 in Arcade (hard).\n\nCarry on?"},
        {kGameChallenge, true, "You were on level 7 in Arcade (hard).\n\nCarry on?"},
        {kGameChallenge, false, "You were playing Arcade (hard).\n\nCarry on?"},
        {kGameFrenzy, true, "You were on level 7 in Arcade.\n\nCarry on?"},
        {kGameFreePlay, true, "You were on level 7 in Arcade.\n\nCarry on?"},
        {kGameBlitz, false, "You were playing Arcade.\n\nCarry on?"},
        {kGameTwoPlayer, true, "You were on level 7 in Arcade.\n\nCarry on?"},
        {kGameBeatTheClock, true, "You were on level 7 in Arcade.\n\nCarry on?"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.message, resumeMessage(gameOfType(c.type, c.hasBoard)).c_str()) << "type " << c.type;
        TitleScreen title(&host, gameOfType(c.type, c.hasBoard));
        title.render();
        ASSERT_FALSE(host.alerts.empty());
        EXPECT_EQ(c.message, host.alerts.back().message) << "type " << c.type;
    }
}

}  // namespace

// The resume message names the level of the board left, which after a replayed history card is not the game's.
TEST_F(TitleScreenTest, TheShellsGameNamesItsBoardsLevel)
{
    KelzoGame shell;
    EXPECT_FALSE(runningGameOf(shell).exists);
    PlainTestGame* game = new PlainTestGame(nullptr, false);
    shell.ownedGame.reset(game);
    shell.setCurrentGame(game);
    game->level = 12;
    EXPECT_EQ(12, runningGameOf(shell).boardLevel) << "no board: the game's level";
    game->board.reset(new Board());
    game->board->level = 4;
    const RunningGame running = runningGameOf(shell);
    EXPECT_TRUE(running.hasBoard);
    EXPECT_EQ(4, running.boardLevel);
}
