#include <gtest/gtest.h>

#include <atomic>

#include "menus/HiScoresMenuBase.h"
#include "tests/menus/HiScoresScreenFixture.h"
#include "ui/CustomAlertView.h"

namespace {

class LogicScreen : public HiScoresMenuBase {
public:
    using HiScoresMenuBase::HiScoresMenuBase;
    ~LogicScreen() override { detachWorkers(); }
    void selectSourceSegment(int s) override { selected.push_back(s); }
    void requestRedraw() override { ++redraws; }
    std::vector<int> selected;
    std::atomic<int> redraws{0};
};

class HiScoresLogicTest : public HiScoresScreenTest {
protected:
    std::unique_ptr<LogicScreen> open(bool afterNew, int slot = 0, bool times = false)
    {
        const HiScoreEntry* e = afterNew ? table.lastAdded() : table.pendingEntry(slot);
        return std::unique_ptr<LogicScreen>(
            new LogicScreen(&table, afterNew, e, slot, times, &scoresHost, &uploader, &fetcher));
    }

    // One frame at `ms` since the screen was opened.
    static void frameAt(LogicScreen& s, int openedAt, int ms)
    {
        gGameClock.current = openedAt + ms;
        s.update(41, 120);
    }

    // Bob's pending score, the screen opened on it and, two seconds on, its long prompt answered "upload".
    std::unique_ptr<LogicScreen> openAndAcceptUpload()
    {
        table.addScore(0, 4500, "Bob", 99);
        table.clearLastAdded();
        const int opened = gGameClock.current;
        auto screen = open(false);
        frameAt(*screen, opened, 2001);
        if (screen->longPrompt)
            screen->alertButtonClicked(1, screen->longPrompt);
        else
            ADD_FAILURE() << "no long prompt after two seconds";
        return screen;
    }
};

TEST_F(HiScoresLogicTest, ThePromptOpensAfterTwoSecondsOrAtTheFirstTap)
{
    table.addScore(0, 4500, "Bob", 99);
    const int opened = gGameClock.current;
    auto screen = open(true);
    frameAt(*screen, opened, 2000);
    EXPECT_EQ(screen->shortPrompt, nullptr) << "not before 2000 ms have passed";
    frameAt(*screen, opened, 2001);
    ASSERT_NE(screen->shortPrompt, nullptr);
    EXPECT_EQ(gMenuStack.top(), screen->shortPrompt);
    EXPECT_FALSE(screen->promptScheduled());
    gMenuStack.deleteAllMenus();
    screen.reset();

    const int opened2 = gGameClock.current;
    auto tapped = open(true);
    EXPECT_EQ(tapped->handleTouch(TouchDown, 160, 300), 1) << "the tap only brings the prompt forward";
    frameAt(*tapped, opened2, 10);
    EXPECT_NE(tapped->shortPrompt, nullptr);
    EXPECT_EQ(tapped->handleTouch(TouchDown, 160, 300), 0) << "the prompt is offered once";
}

TEST_F(HiScoresLogicTest, WithOnlineScoresOffNoPromptOpensAndNothingIsSent)
{
    ASSERT_TRUE(startServer({}));
    settings.switchA = false;
    settings.gameMode = 2;  // Free Play fetches at once
    table.addScore(7, 30, "Bob", 99);
    const int opened = gGameClock.current;
    auto screen = open(false, 7);
    EXPECT_EQ(screen->shownSegment(), 2);
    EXPECT_EQ(screen->handleTouch(TouchDown, 160, 300), 0) << "no prompt to bring forward";
    frameAt(*screen, opened, 3000);
    EXPECT_EQ(screen->longPrompt, nullptr);
    EXPECT_EQ(gMenuStack.size(), 0);
    EXPECT_TRUE(framesUntil(*screen, [&] { return screen->noConnectionShown(); }));
    EXPECT_EQ(screen->emptyListText(), 501) << "online scores are off, not out of reach";
    EXPECT_FALSE(screen->busyShown());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(server->requests(0, 0).empty());
}

TEST_F(HiScoresLogicTest, TheOnlineListIsBusyUntilTheFetchEndsThenSaysThereIsNoConnection)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "4"}));
    fetcher.setTimeout(1);
    settings.gameMode = 2;
    auto screen = open(false, 7);
    gGameClock.current += 10;
    screen->update(41, 120);
    EXPECT_TRUE(screen->busyShown()) << "the fetch is on its way";
    EXPECT_FALSE(screen->noConnectionShown());
    ASSERT_TRUE(framesUntil(*screen, [&] { return screen->noConnectionShown(); }, 8000));
    EXPECT_EQ(screen->emptyListText(), 165) << "the server is out of reach";
    EXPECT_FALSE(screen->busyShown());
    EXPECT_EQ(rowCount(), -1);
}

TEST_F(HiScoresLogicTest, ATapOnAnArrowExplainsItOnTheRelease)
{
    ASSERT_NO_FATAL_FAILURE(linkDataFiles({"InstructionBubble_50x50_inverted.png"}));
    settings.switchA = false;
    settings.gameMode = 2;
    auto screen = open(false, 7);
    screen->update(41, 152);  // rows from 152: the lower arrow's place is 340, the upper one's 143
    screen->handleTouch(TouchDown, 160, 150);
    screen->handleTouch(TouchUp, 160, 150);
    EXPECT_TRUE(screen->hintAnimation.isNull()) << "no upper arrow at the top of the list";
    screen->handleTouch(TouchDown, 174, 340);
    screen->handleTouch(TouchUp, 174, 340);
    EXPECT_TRUE(screen->hintAnimation.isNull()) << "beside the arrow";
    screen->handleTouch(TouchDown, 160, 340);
    EXPECT_TRUE(screen->hintAnimation.isNull()) << "shown on the release";
    screen->handleTouch(TouchUp, 160, 340);
    ASSERT_FALSE(screen->hintAnimation.isNull());
    Ref<AnimationI> first = screen->hintAnimation;
    screen->handleTouch(TouchDown, 160, 340);
    screen->handleTouch(TouchUp, 160, 340);
    EXPECT_EQ(screen->hintAnimation.get(), first.get()) << "one hint bubble at a time";
}

TEST_F(HiScoresLogicTest, DecliningTheLongPromptClearsThePendingScoresForGood)
{
    table.addScore(0, 4500, "Bob", 99);
    table.addScore(0, 300, "Ann", 98);
    table.clearLastAdded();
    ASSERT_NE(table.pendingEntry(0), nullptr);
    const int opened = gGameClock.current;
    auto screen = open(false);
    frameAt(*screen, opened, 2001);
    ASSERT_NE(screen->longPrompt, nullptr);
    screen->alertButtonClicked(0, screen->longPrompt);
    EXPECT_EQ(table.pendingEntry(0), nullptr);
    HiScoreTable reloaded;
    ASSERT_TRUE(reloaded.load("hiScores.dat"));
    EXPECT_EQ(reloaded.pendingEntry(0), nullptr) << "saved at once";
    EXPECT_EQ(screen->shownSegment(), 0);
}

TEST_F(HiScoresLogicTest, ASegmentTapWhileThePromptWaitsDefersTheListUntilTheAnswer)
{
    ASSERT_TRUE(startServer({}));
    table.addScore(0, 4500, "Bob", 99);
    table.clearLastAdded();
    const int opened = gGameClock.current;
    auto screen = open(false);
    screen->segmentSelected(1, nullptr);
    EXPECT_EQ(screen->shownSegment(), 0) << "deferred";
    frameAt(*screen, opened, 10);
    ASSERT_NE(screen->longPrompt, nullptr) << "the tap brought the prompt forward";
    screen->alertButtonClicked(2, screen->longPrompt);
    EXPECT_EQ(screen->shownSegment(), 2);
    ASSERT_FALSE(screen->selected.empty());
    EXPECT_EQ(screen->selected.back(), 2);
    EXPECT_EQ(settings.hiScoreValue2, 2);
    EXPECT_NE(table.pendingEntry(0), nullptr) << "later: still offered";
    EXPECT_EQ(requestsOf("GET", 1).size(), 1u);
}

TEST_F(HiScoresLogicTest, AFailedUploadAlertsAndAnyFinishedUploadShowsTheOnlineList)
{
    struct Case {
        const char* modes;
        bool fails;
    };
    for (Case c : {Case{"status,normal", true}, Case{"normal", false}}) {
        SCOPED_TRACE(c.modes);
        ASSERT_TRUE(startServer({"--modes", c.modes}));
        table.setDefaults();
        auto screen = openAndAcceptUpload();
        EXPECT_TRUE(screen->uploadStarted);
        ASSERT_TRUE(framesUntil(*screen, [&] { return !screen->uploadStarted; }));
        EXPECT_EQ(screen->uploadFailedAlert != nullptr, c.fails);
        EXPECT_EQ(screen->shownSegment(), 2);
        const auto gets = requestsOf("GET", 1);
        ASSERT_EQ(gets.size(), 1u);
        EXPECT_NE(gets[0].path.find("max_res=51"), std::string::npos);
        EXPECT_EQ(requestsOf("POST", 1).size(), 1u);
        EXPECT_EQ(table.pendingEntry(0) != nullptr, c.fails) << "cleared on the main thread only when accepted";
        gMenuStack.deleteAllMenus();
        screen.reset();
        uploader.clearDone();
    }
}

TEST_F(HiScoresLogicTest, ScrollingAsksFor201And1001RowsOnceEach)
{
    ASSERT_TRUE(startServer({"--rows", "1100", "--max-requests", "50"}));
    settings.gameMode = 2;
    auto screen = open(false, 7);
    ASSERT_TRUE(framesUntil(*screen, [&] { return rowCount() > 0; }));
    EXPECT_EQ(rowCount(), 51);

    // Drags upward through the list, frames in between, until it stands 100 rows down.
    for (int drag = 0; drag < 40 && screen->scroll->shownPosition() < 10.5f; drag++) {
        gGameClock.current += 10;
        screen->handleTouch(TouchDown, 160, 420);
        for (int y = 400; y >= 60; y -= 20) {
            gGameClock.current += 40;
            screen->handleTouch(TouchMove, 160, y);
            screen->update(41, 120);
        }
        screen->handleTouch(TouchUp, 160, 60);
        framesUntil(*screen, [&] { return resultsReady() && !screen->scroll->isMoving(); }, 3000);
    }
    ASSERT_GE(screen->scroll->shownPosition(), 10.0f);
    ASSERT_TRUE(framesUntil(*screen, [&] { return rowCount() > 201; }));
    const auto gets = requestsOf("GET", 3);
    EXPECT_EQ(countContaining(gets, "max_res=51"), 1);
    EXPECT_EQ(countContaining(gets, "max_res=150&offset=51"), 1);
    EXPECT_EQ(countContaining(gets, "max_res=800&offset=201"), 1);
    EXPECT_EQ(gets.size(), 3u);
}

TEST_F(HiScoresLogicTest, RowTexts)
{
    struct Case {
        int mode;
        bool times;
        int score;
        int rank;
        bool highlight, large;
        const char* left;
        const char* right;
        int alpha;
        int fontSize;
    };
    const Case cases[] = {
        {1, false, 1234567, 3, true, false, "3. Bob", "1,234,567", 216, 15},
        {1, false, 4500, -1, true, true, "Bob", "4,500", 255, 16},
        {1, false, 0, 4, false, false, "4.   -", "-  ", 140, 15},
        {1, false, -1, 5, true, false, "5.   -", "-  ", 216, 15},
        {6, true, 83500, 1, true, false, "1. Bob", "1:23", 216, 15},
        {6, true, 600000, 2, true, false, "2. Bob", "10:00", 216, 15},
        {2, false, 12, 7, true, false, "7. Bob", "Level 12", 216, 15},
        {2, false, 30, 7, true, false, "7. Bob", "Level 30", 216, 15},
        {2, false, 31, 7, true, false, "7. Bob", "t160", 216, 15},
    };
    for (const Case& c : cases) {
        settings.gameMode = c.mode;
        auto screen = open(false, 0, c.times);
        const ScoreRowText t = screen->rowText(HiScoreEntry("Bob", c.score, 1, false), c.rank, c.highlight, c.large);
        EXPECT_EQ(std::string(t.left.c_str()), c.left) << c.score;
        EXPECT_EQ(std::string(t.right.c_str()), c.right) << c.score;
        EXPECT_EQ(t.alpha, c.alpha) << c.score;
        EXPECT_EQ(t.fontSize, c.fontSize) << c.score;
    }
}

TEST_F(HiScoresLogicTest, TheNewScoreStandsOutInTheLocalList)
{
    table.addScore(0, 300, "Ann", 1);
    table.addScore(0, 4500, "Bob", 2);
    table.addScore(0, 900, "Cid", 3);  // the entry just added: third
    auto screen = open(true);
    screen->update(41, 120);
    for (int i = 0; i < 3; i++) {
        const ScoreRowText& t = screen->shownRow(i).text;
        ASSERT_NE(screen->shownRow(i).left.get(), nullptr) << i;
        EXPECT_EQ(t.fontSize, i == 1 ? 16 : 15) << i;
        EXPECT_EQ(t.alpha, i == 1 ? 255 : 140) << i;
    }
    EXPECT_EQ(std::string(screen->shownRow(1).text.left.c_str()), "2. Cid");

    auto plain = open(false);
    plain->update(41, 120);
    for (int i = 0; i < 12; i++) {
        EXPECT_EQ(plain->shownRow(i).text.alpha, 216) << i;
        EXPECT_EQ(plain->shownRow(i).text.fontSize, 15) << i;
    }
    EXPECT_EQ(std::string(plain->shownRow(5).text.right.c_str()), "-  ") << "an empty place";
}

TEST_F(HiScoresLogicTest, ThePlayersOnlineRankStandsOut)
{
    ASSERT_TRUE(startServer({"--rows", "30"}));
    settings.gameMode = 2;
    scoresHost.level = 2400;  // among the 30 rows of the server (100 to 3000)
    table.setOnlineName("Zed");
    auto screen = open(false, 7);
    ASSERT_TRUE(framesUntil(*screen, [&] { return rowCount() > 0 && screen->shownRow(0).left; }));
    int mine = -1;
    for (int i = 0; i < 10; i++) {
        if (screen->shownRow(i).text.fontSize == 16)
            mine = i;
        EXPECT_EQ(screen->shownRow(i).text.alpha, screen->shownRow(i).text.fontSize == 16 ? 255 : 140) << i;
    }
    ASSERT_NE(mine, -1);
    EXPECT_EQ(std::string(screen->shownRow(mine).text.left.c_str()), std::to_string(mine + 1) + ". Zed");
}

TEST_F(HiScoresLogicTest, RowsOfAnotherSlotAreNotDimmed)
{
    auto screen = open(false, 0);
    screen->showSlot(1, 2);
    EXPECT_EQ(screen->rowText(HiScoreEntry("Bob", 10, 1, false), 1, false, false).alpha, 216);
    EXPECT_EQ(settings.scoreTimeFilter, 2) << "the period is kept for the next opening";
}

TEST_F(HiScoresLogicTest, ThePeriodComesFromTheSavedOneOrTheExperiment)
{
    struct Case {
        int saved, rhc, dh, expected;
    };
    for (Case c : {Case{1, 1, 2, 1}, Case{1, 0, 2, 2}, Case{-1, 1, 0, 0}, Case{-1, 0, -3, 0}, Case{-1, 0, 7, 2}}) {
        settings.scoreTimeFilter = c.saved;
        gAbSettings.rhc = c.rhc;
        gAbSettings.dh = c.dh;
        EXPECT_EQ(open(false)->shownTimeFilter(), c.expected) << c.saved << " " << c.rhc << " " << c.dh;
    }
    gAbSettings.rhc = 0;
    gAbSettings.dh = 2;
}

TEST_F(HiScoresLogicTest, LeavingDuringAnUploadTouchesNoFreedScreen)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "1"}));
    auto screen = openAndAcceptUpload();
    ASSERT_TRUE(screen->uploadStarted);
    screen.reset();  // the worker ends later and must call nobody
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (uploader.isBusy() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(uploader.isBusy());
    EXPECT_EQ(requestsOf("POST", 1).size(), 1u);
}

// A screen left before the server answered: the next screen does not offer the score on its way, and once the
// answer is taken the score waits no more.
TEST_F(HiScoresLogicTest, AScoreOnItsWayIsNotOfferedAgain)
{
    ASSERT_TRUE(startServer({"--modes", "late", "--late", "1"}));
    auto first = openAndAcceptUpload();
    ASSERT_TRUE(uploader.isBusy());
    first.reset();
    gMenuStack.deleteAllMenus();
    const int opened = gGameClock.current;
    auto second = open(false);
    frameAt(*second, opened, 2001);
    EXPECT_EQ(second->longPrompt, nullptr) << "the score is on its way";
    EXPECT_EQ(second->handleTouch(TouchDown, 160, 300), 0) << "no prompt to bring forward either";
    ASSERT_TRUE(framesUntil(*second, [&] { return !uploader.isBusy(); }));
    second->update(41, 120);
    EXPECT_EQ(table.pendingEntry(0), nullptr);
    EXPECT_EQ(requestsOf("POST", 2, 500).size(), 1u);
}

}  // namespace
