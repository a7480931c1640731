#include <cmath>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "Core/GameClock.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "menus/ConsoleCommands.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "settings/AbTester.h"
#include "settings/Settings.h"
#include "tests/menus/FakeConsoleHost.h"
#include "tests/support/TempFolder.h"

namespace {

bool fileExists(const char* name)
{
    struct stat info;
    return stat(name, &info) == 0;
}

class ConsoleCommandsTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSaveSuppressed = false;
        gPlatformState.quitRequested = false;
        gChallengeBests.clear();
        gFrenzyBests.clear();
        gGameClockScale = 1.0f;
    }
    void TearDown() override
    {
        gSaveSuppressed = false;
        gPlatformState.quitRequested = false;
        gChallengeBests.clear();
        gFrenzyBests.clear();
        gGameClockScale = 1.0f;
        TempFolderTest::TearDown();
    }

    void run(const char* text) { runConsoleCommand(String(text), settings, engine, host); }

    Settings settings;
    AbTester engine{4, String("device")};
    FakeConsoleHost host;
};

TEST_F(ConsoleCommandsTest, WholeTextCommandsNeedTheExactTextInAnyCase)
{
    run("bv.help ");
    run(" bv.help");
    run("bv.help x");
    EXPECT_TRUE(host.alerts.empty());
    run("BV.HELP");
    ASSERT_EQ(host.alerts.size(), 1u);
    EXPECT_EQ(host.alerts[0].title, "All Commands");
    EXPECT_EQ(host.alerts[0].message, kConsoleHelpText);
    EXPECT_EQ(host.alerts[0].options.messageFontSize, 15);
    EXPECT_EQ(host.alerts[0].options.compact, 1);
    EXPECT_EQ(host.alerts[0].options.wide, 0);
    int lines = 0;
    for (const char* p = kConsoleHelpText; *p; p++)
        lines += *p == '\n';
    EXPECT_EQ(lines, 16);

    run("bv.version");
    EXPECT_EQ(host.buildInfoShown, 1);
    run("nonsense");
    run("");
    EXPECT_EQ(host.alerts.size(), 1u);
    EXPECT_EQ(host.buildInfoShown, 1);
}

TEST_F(ConsoleCommandsTest, UnlocksKeepTheirLimitsAndConditions)
{
    struct Case {
        const char* text;
        int gameType;
        int arcadeScore;
        int freePlayLevel;
    } cases[] = {
        {"bv.unlock 45", -1, -1, 30},     {"bv.unlock 7", -1, -1, 7},     {"bv.unlock 0", -1, -1, -1},
        {"bv.unlock -3", -1, -1, -1},     {"bv.unlock  7", -1, -1, -1},   // two blanks: three words
        {"bv.score 500", 0, 500, -1},     {"bv.score 500", 2, -1, -1},    {"bv.score 500", -1, -1, -1},
        {"bv.score 0", 0, -1, -1},
    };
    for (const Case& c : cases) {
        FakeConsoleHost fresh;
        fresh.gameType = c.gameType;
        runConsoleCommand(String(c.text), settings, engine, fresh);
        EXPECT_EQ(fresh.arcadeScore, c.arcadeScore) << c.text;
        EXPECT_EQ(fresh.freePlayLevel, c.freePlayLevel) << c.text;
    }
}

TEST_F(ConsoleCommandsTest, ChallengeUnlockFillsTheArrayOfTheNamedDifficulty)
{
    host.gameType = 3;
    run("bv.unlock hard 5");
    for (int level = 1; level <= 4; level++)
        EXPECT_EQ(gChallengeBests.best(2, level), 10 * level);
    EXPECT_EQ(gChallengeBests.best(2, 5), -1);
    EXPECT_EQ(gChallengeBests.best(0, 1), -1);
    EXPECT_EQ(gChallengeBests.best(1, 1), -1);
    EXPECT_FALSE(fileExists("personalBests.dat")) << "nothing is saved";

    run("bv.unlock foo 3");
    EXPECT_EQ(gChallengeBests.best(0, 1), 10);
    EXPECT_EQ(gChallengeBests.best(0, 2), 20);
    EXPECT_EQ(gChallengeBests.best(0, 3), -1);

    run("bv.unlock medium 99");
    EXPECT_EQ(gChallengeBests.best(1, 29), 290) << "capped at 30 levels";
    EXPECT_EQ(gChallengeBests.best(1, 30), -1);

    host.gameType = 2;
    run("bv.unlock medium 5");   // not in a Challenge game: nothing
    gChallengeBests.clear();
    run("bv.unlock medium 5");
    EXPECT_EQ(gChallengeBests.best(1, 1), -1);
}

TEST_F(ConsoleCommandsTest, BestsUnlocksSaveEvenWhenNothingChanges)
{
    run("bv.challenge.unlock 1");
    EXPECT_TRUE(fileExists("personalBests.dat"));
    EXPECT_EQ(gChallengeBests.best(0, 1), -1);
    run("bv.challenge.unlock 3");
    for (int difficulty = 0; difficulty < 3; difficulty++) {
        EXPECT_EQ(gChallengeBests.best(difficulty, 2), 3600);
        EXPECT_EQ(gChallengeBests.best(difficulty, 3), -1);
    }
    run("bv.frenzy.unlock 0");
    EXPECT_TRUE(fileExists("fPersonalBests.dat"));
    run("bv.frenzy.unlock 4");
    EXPECT_EQ(gFrenzyBests.best(3), 3600000);
    EXPECT_EQ(gFrenzyBests.best(4), -1);
}

TEST_F(ConsoleCommandsTest, FactorsTakeOnlyAFiniteNumberAboveZero)
{
    struct Case {
        const char* text;
        float expected;   // NAN: refused, the field keeps 7
        const char* title;
    } cases[] = {
        {"bv.frenzy.speedup", -1.0f, "Frenzy speedup enabled!"},
        {"bv.frenzy.speedup 1.5", 1.5f, "Frenzy speedup enabled!"},
        {"bv.frenzy.speedup 1 2", -1.0f, "Frenzy speedup enabled!"},
        {"bv.frenzy.speedup nan", NAN, "Not a factor"},
        {"bv.frenzy.speedup inf", NAN, "Not a factor"},
        {"bv.frenzy.speedup 0", NAN, "Not a factor"},
        {"bv.frenzy.speedup -2", NAN, "Not a factor"},
        {"bv.frenzy.speedup 2x", NAN, "Not a factor"},
        {"bv.frenzy.speedup ", NAN, "Not a factor"},   // an empty number word
    };
    for (const Case& c : cases) {
        FakeConsoleHost fresh;
        settings.frenzySpeedFactor = 7.0f;
        runConsoleCommand(String(c.text), settings, engine, fresh);
        if (std::isnan(c.expected))
            EXPECT_EQ(settings.frenzySpeedFactor, 7.0f) << c.text;
        else
            EXPECT_EQ(settings.frenzySpeedFactor, c.expected) << c.text;
        ASSERT_EQ(fresh.alerts.size(), 1u) << c.text;
        EXPECT_EQ(fresh.alerts[0].title, c.title) << c.text;
        EXPECT_EQ(fresh.alerts[0].options.messageFontSize, 16);
    }
    settings.frenzyLessFactor = 7.0f;
    run("bv.frenzy.less 0.5");
    EXPECT_EQ(settings.frenzyLessFactor, 0.5f);
    run("bv.frenzy.less abc");
    EXPECT_EQ(settings.frenzyLessFactor, 0.5f);
    run("bv.frenzy.less");
    EXPECT_EQ(settings.frenzyLessFactor, -1.0f);
}

TEST_F(ConsoleCommandsTest, TimerScaleIsCheckedBeforeTheClockChanges)
{
    for (const char* bad : {"bv.timer 0", "bv.timer inf", "bv.timer -2", "bv.timer abc", "bv.timer nan"}) {
        FakeConsoleHost fresh;
        runConsoleCommand(String(bad), settings, engine, fresh);
        EXPECT_EQ(gGameClockScale, 1.0f) << bad;
        ASSERT_EQ(fresh.alerts.size(), 1u) << bad;
        EXPECT_EQ(fresh.alerts[0].title, "Not a speed");
    }
    run("bv.timer 2.5");
    EXPECT_EQ(gGameClockScale, 2.5f);
    ASSERT_EQ(host.alerts.size(), 1u);
    EXPECT_EQ(host.alerts[0].title, "Great Success!");
    run("bv.timer");   // wrong word count: nothing
    EXPECT_EQ(host.alerts.size(), 1u);
}

TEST_F(ConsoleCommandsTest, LoadNeedsABoardAndAPuzzleOfTheStore)
{
    host.board = true;
    host.storeSize = 100;
    struct Case {
        const char* text;
        bool loads;
        int id;
    } cases[] = {
        {"bv.load 12", true, 12}, {"bv.load 12 x", true, 12}, {"bv.load 99", true, 99},
        {"bv.load 100", false, 0}, {"bv.load -1", false, 0}, {"bv.load abc", false, 0},
    };
    for (const Case& c : cases) {
        host.loaded.clear();
        host.alerts.clear();
        run(c.text);
        if (c.loads) {
            ASSERT_EQ(host.loaded.size(), 1u) << c.text;
            EXPECT_EQ(host.loaded[0], c.id);
            EXPECT_TRUE(host.alerts.empty());
        } else {
            EXPECT_TRUE(host.loaded.empty()) << c.text;
            ASSERT_EQ(host.alerts.size(), 1u) << c.text;
            EXPECT_EQ(host.alerts[0].options.messageFontSize, 16);
        }
    }
    host.board = false;
    host.alerts.clear();
    run("bv.load 12");
    EXPECT_TRUE(host.loaded.empty() && host.alerts.empty()) << "no board: nothing, silently";
}

TEST_F(ConsoleCommandsTest, SettingsSwitchesAndVariations)
{
    run("bv.cheat.on");
    EXPECT_TRUE(settings.freeHints);
    run("bv.cheat.off");
    EXPECT_FALSE(settings.freeHints);
    run("bv.speedup.on");
    EXPECT_TRUE(settings.fasterClock);
    run("bv.poweropts.on");
    EXPECT_TRUE(settings.powerOptions);
    run("bv.display.all");
    EXPECT_TRUE(settings.showFps && settings.showFpsMore);
    run("bv.display.fps");
    EXPECT_TRUE(settings.showFps && !settings.showFpsMore);
    run("bv.display.none");
    EXPECT_FALSE(settings.showFps || settings.showFpsMore);
    run("bv.half.frames.int");
    EXPECT_EQ(settings.halfFrames, 2);
    EXPECT_TRUE(host.alerts.size() == 1 && host.alerts[0].title == "Interpolation-simulation enabled!");

    host.alerts.clear();
    run("bv.limitnumballs.variation 3");
    EXPECT_EQ(settings.limitBallsVariation, 3);
    EXPECT_EQ(host.buildInfoShown, 0) << "this one shows nothing";
    EXPECT_TRUE(host.alerts.empty());
    run("bv.welldone.variation 2");
    EXPECT_EQ(settings.wellDoneVariation, 2);
    EXPECT_EQ(host.buildInfoShown, 1);
    run("bv.slowdown.variation 4");
    EXPECT_EQ(settings.slowdownA, 4);
    EXPECT_EQ(settings.slowdownB, 4);
    run("bv.newest.variations");
    EXPECT_EQ(settings.mainVariation, 9);
    EXPECT_EQ(settings.ltVariation, 4);
    EXPECT_EQ(settings.wellDoneVariation, 4);

    int value = 1;
    Variation variation;
    variation.target = &value;
    variation.key = "_xy_";
    engine.addVariation(variation);
    run("bv.set _XY_ 6");
    EXPECT_EQ(value, 6);
    EXPECT_EQ(host.variationsSaved, 1);
    run("bv.set _zz_ 6");
    EXPECT_EQ(host.variationsSaved, 2) << "saved even when no key matched";
}

TEST_F(ConsoleCommandsTest, InformationAlertsMailsAndThemes)
{
    run("bv.stats1");
    run("bv.stats2");
    run("bv.events");
    run("bv.suggestions");
    ASSERT_EQ(host.alerts.size(), 4u);
    EXPECT_EQ(host.alerts[0].message, "abc");
    EXPECT_EQ(host.alerts[0].options.messageFontSize, 13);
    EXPECT_EQ(host.alerts[1].message, "defg");
    EXPECT_EQ(host.alerts[2].title, "Stats");
    EXPECT_EQ(host.alerts[2].options.messageFontSize, 10);
    EXPECT_TRUE(host.alerts[2].options.compact && host.alerts[2].options.wide);
    EXPECT_EQ(host.alerts[3].options.messageFontSize, 11);

    run("bv.upload.log");
    run("bv.upload.log 300");
    run("bv.upload.history");
    run("bv.upload.version");
    run("bv.upload.errors");
    EXPECT_EQ(host.mails, (std::vector<std::string>{"log -1", "log 300", "history", "version", "errors"}));

    for (const char* theme : {"bv.turtle", "bv.soccer", "bv.panda", "bv.furballs", "bv.default", "bv.marble",
                              "bv.fruit"})
        run(theme);
    EXPECT_EQ(host.themes, (std::vector<int>{4, 1, 3, 0, 0, 5, 2}));
}

TEST_F(ConsoleCommandsTest, ResetLeavesAFreshInstallationAndEndsTheLoop)
{
    const char* files[] = {"gameState.dat", "gameState.dat0", "gameState.dat3", "gameState.dat12", "settings.dat",
                           "settings2.dat", "settings2b.dat", "settings3.dat", "hiScores.dat", "fv.dat", "fiv.dat",
                           "lang.dat", "personalBests.dat", "fPersonalBests.dat", "contactMenuState.dat", "hist.dat",
                           "settings.dat.tmp", "gameState.dat7.tmp", "hiScores.dat.tmp"};
    for (const char* name : files)
        writeFile(name, "x");
    writeFile("gameState.datx", "keep");   // not a player file
    writeFile("notes.txt", "keep");

    run("bv.reset.all");
    for (const char* name : files)
        EXPECT_FALSE(fileExists(name)) << name;
    EXPECT_TRUE(fileExists("gameState.datx"));
    EXPECT_TRUE(fileExists("notes.txt"));
    EXPECT_TRUE(gSaveSuppressed);
    EXPECT_EQ(host.quitRequested, 1);
    EXPECT_FALSE(mainLoopPass(nullptr)) << "the loop ends at its next pass";

    // Savers on the way out write nothing.
    settings.startLevel = 3;
    run("bv.challenge.unlock 3");
    EXPECT_FALSE(fileExists("personalBests.dat"));
}

TEST_F(ConsoleCommandsTest, VariationFilesHoldOneNumberAndEndTheGame)
{
    struct Case {
        const char* text;
        const char* file;
        int value;
    } cases[] = {{"bv.variation 7", "fv.dat", 7}, {"bv.instructions.variation -2", "fiv.dat", -2}};
    for (const Case& c : cases) {
        gSaveSuppressed = false;
        for (const char* name : {"gameState.dat", "gameState.dat0", "settings.dat", "hiScores.dat", "lang.dat"})
            writeFile(name, "x");
        FakeConsoleHost fresh;
        runConsoleCommand(String(c.text), settings, engine, fresh);
        std::string bytes;
        ASSERT_TRUE(readFileBytes(c.file, &bytes)) << c.text;
        const unsigned v = (unsigned)c.value;
        EXPECT_EQ(bytes, std::string({(char)(v & 0xff), (char)((v >> 8) & 0xff), (char)((v >> 16) & 0xff),
                                      (char)(v >> 24)}));
        for (const char* name : {"gameState.dat", "gameState.dat0", "settings.dat", "hiScores.dat"})
            EXPECT_FALSE(fileExists(name)) << name;
        EXPECT_TRUE(fileExists("lang.dat"));
        EXPECT_TRUE(gSaveSuppressed);
        EXPECT_EQ(fresh.quitRequested, 1);
    }
}

}  // namespace
