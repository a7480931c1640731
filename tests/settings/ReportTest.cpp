#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "Core/Platform.h"
#include "Core/Thread.h"
#include "ReportEngineTest.h"
#include "platform/ServerAddresses.h"
#include "settings/AbSettings.h"
#include "settings/DigitCodes.h"
#include "settings/ReportFacts.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/RefusingPort.h"

namespace {

const char kEmptyReply[] = R"([{"status": 200, "body": ""}])";

class ReportTest : public ReportEngineTest {
protected:
    // Waits until the report thread has nothing left to do.
    void waitForThread()
    {
        for (int i = 0; i < 1000 && engine->isRunning(); i++)
            Thread::sleepMs(5);
        ASSERT_FALSE(engine->isRunning());
    }

    static std::string queryValue(const std::string& path, const std::string& key)
    {
        size_t at = path.find("&" + key + "=");
        if (at == std::string::npos)
            at = path.find("?" + key + "=");
        if (at == std::string::npos)
            return "(none)";
        size_t start = at + key.size() + 2;
        return path.substr(start, path.find('&', start) - start);
    }
};

TEST_F(ReportTest, Milestones)
{
    for (int n : {-3, -1, 0, 1, 2, 4, 8, 16, 1024, 1 << 30})
        EXPECT_TRUE(AbTesterDeluxe::isMilestone(n)) << n;
    for (int n : {3, 5, 6, 7, 12, 1000, 2147483647})
        EXPECT_FALSE(AbTesterDeluxe::isMilestone(n)) << n;
}

TEST_F(ReportTest, QueryCarriesEveryFieldInOrder)
{
    LoopbackServer server(kEmptyReply);
    ASSERT_TRUE(server.started());
    useServer(server);
    engine->runs = 3;
    engine->realRuns = 2;
    engine->sessionId = 100;
    engine->count(StatMoved, 5);
    engine->setCounter(StatChosenTheme, 2);
    settings->playTimeTotal = 70;
    settings->playTimeByMode[2] = 9;

    engine->saveAndReportExit();
    std::vector<LoggedRequest> requests = server.requests(1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    // The variation and counter codes were worked out by hand from the values.
    std::string expected =
        "/kelzo/buy/?data=ll_0_dm_20_sfC_3_mh_1_av_0_iv_101_sg_2_bl_3_uv_47_lt_5_ls_0_fs_-1_wd_4_xs_0_levS_39_lr_8_lnb_1"
        "&id=ff"
        "&d3=26ba6244x1v84668426ae22l182682dbd8662862624l1ca428a842cc8a4a44446a24b2224422b28462"
        "&tpt=70&pt1=0&pt2=0&pt3=9&pt4=0&runs=4&rrc=3&ov=162&cv=162&sv=" +
        std::string(keepAlphanumeric(getOsVersion()).c_str()) +
        "&nrf=1&app_id=1104&ss=n1"
        "&st=S3111111111111111111161111111111111111111111111111111111111111111111111111113111111111111111111111111111111111111";
    EXPECT_EQ(requests[0].path, expected);
    EXPECT_STREQ(engine->reportUrl.c_str(), (String("http://") + host.c_str() + expected.c_str()).c_str());
}

TEST_F(ReportTest, CountersOfTheReportIncludeItsPlayTimes)
{
    // The settings fill the global engine's counters, which the game reports.
    for (int i = 0; i < StatisticCount; i++)
        gAbSettings.setCounter(i, 0);
    settings->playTimeTotal = 70;
    settings->playTimeByMode[2] = 9;
    gAbSettings.callback = settings.get();
    String url = gAbSettings.buildReportUrl(ReportPauseOrExit, true);
    gAbSettings.callback = nullptr;
    EXPECT_EQ(queryValue(url.c_str(), "st"),
              "S311111111111111111111111111111111111111111111111111111111111O211a100011111111111111111111111111111111111111111111");
}

TEST_F(ReportTest, DeviceIdInTheQueryHoldsOnlyHexDigits)
{
    AbTesterDeluxe tester(162, 0, "12ab-CD ef\"&x=1");
    EXPECT_EQ(queryValue(tester.buildReportUrl(1103, true).c_str(), "id"), "12abef1");
    EXPECT_EQ(queryValue(tester.buildReportUrl(1103, false).c_str(), "id"), "(none)");
}

TEST_F(ReportTest, LaunchesAndResumesAreReportedAtMilestones)
{
    LoopbackServer server(kEmptyReply);
    ASSERT_TRUE(server.started());
    useServer(server);
    // Launches 1, 2, 3 and 5 are reported; the fourth is not.
    size_t sent = 0;
    for (int launch = 1; launch <= 5; launch++) {
        engine->countLaunch();
        if (launch != 4)
            sent++;
        EXPECT_EQ(server.requests(sent).size(), sent) << launch;
        waitForThread();
    }
    EXPECT_EQ(engine->runs, 5);
    EXPECT_EQ(engine->realRuns, 5);
    std::vector<LoggedRequest> requests = server.requests(sent);
    ASSERT_EQ(requests.size(), 4u);
    const char* expectedRuns[] = {"1", "2", "3", "5"};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(queryValue(requests[i].path, "runs"), expectedRuns[i]);
        EXPECT_EQ(queryValue(requests[i].path, "app_id"), "1100");
    }

    // Resumes raise the runs only; 5, 6, 7 are no milestones, 8 is.
    for (int resume = 0; resume < 4; resume++) {
        engine->countResume();
        waitForThread();
    }
    EXPECT_EQ(engine->runs, 9);
    EXPECT_EQ(engine->realRuns, 5);
    requests = server.requests(5);
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(queryValue(requests[4].path, "runs"), "9");
    EXPECT_EQ(queryValue(requests[4].path, "rrc"), "6");

    // The counts are kept in the file.
    engine.reset();
    AbSettings again("deadbeef");
    EXPECT_EQ(again.runs, 9);
    EXPECT_EQ(again.realRuns, 5);
}

TEST_F(ReportTest, ServerReplyIsAppliedAndSaved)
{
    LoopbackServer server(R"([{"status": 200, "body": "hw:A1E1\nlvt:A2R10,10\n"}])");
    ASSERT_TRUE(server.started());
    useServer(server);
    remove("settings2b.dat");
    engine->countLaunch();
    ASSERT_EQ(server.requests(1).size(), 1u);
    waitForThread();
    EXPECT_EQ(engine->hw, 1);
    EXPECT_EQ(engine->lvt, 10);
    engine.reset();
    AbSettings again("ff");
    EXPECT_EQ(again.hw, 1);
    EXPECT_EQ(again.findVariation("lvt")->generation, 2);
}

TEST_F(ReportTest, ReplyAfterStopIsDropped)
{
    LoopbackServer server(R"([{"status": 200, "body": "hw:A1E1", "delay": 0.5}])");
    ASSERT_TRUE(server.started());
    useServer(server);
    engine->sendReport(ReportRunMilestone, 5, 0, true, true);
    ASSERT_EQ(server.requests(1).size(), 1u);
    engine->stop();
    EXPECT_EQ(engine->callback, nullptr);
    waitForThread();
    EXPECT_EQ(engine->hw, 2);
    EXPECT_EQ(engine->findVariation("hw")->generation, 0);
}

TEST_F(ReportTest, ReportAskedForWhileOneIsSentFollowsIt)
{
    LoopbackServer server(R"([{"status": 200, "body": "", "delay": 0.3}])");
    ASSERT_TRUE(server.started());
    useServer(server);
    engine->sendReport(ReportRunMilestone, 5, 0, true, true);
    ASSERT_EQ(server.requests(1).size(), 1u);
    engine->sendReport(ReportOnDemand, 5, 0, true, true);
    std::vector<LoggedRequest> requests = server.requests(2);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(queryValue(requests[0].path, "app_id"), "1100");
    EXPECT_EQ(queryValue(requests[1].path, "app_id"), "1103");
    waitForThread();
}

// A report thread that lingers after letting go of its work, as one that is
// descheduled between its last look at the queue and its return; the next
// start is refused, and the thread is let go and has ended before the sender
// looks again.
class LingeringReporter : public AbSettings {
public:
    explicit LingeringReporter(const String& id) : AbSettings(id) {}
    ~LingeringReporter() override
    {
        release = true;
        stopAndWait();
    }

    std::atomic<bool> lingering{false};
    std::atomic<int> refusedStarts{0};

protected:
    void run() override
    {
        AbSettings::run();
        if (!lingerOnce.exchange(false))
            return;
        lingering = true;
        for (int i = 0; i < 5000 && !release; i++)
            Thread::sleepMs(1);
    }

    bool startReportThread() override
    {
        bool started = AbSettings::startReportThread();
        if (!started && lingering) {
            refusedStarts++;
            release = true;
            for (int i = 0; i < 5000 && isRunning(); i++)
                Thread::sleepMs(1);
        }
        return started;
    }

private:
    std::atomic<bool> lingerOnce{true};
    std::atomic<bool> release{false};
};

TEST_F(ReportTest, ReportAskedForAsTheLastThreadEndsIsSent)
{
    LoopbackServer server(kEmptyReply);
    ASSERT_TRUE(server.started());
    useServer(server);
    engine.reset();
    LingeringReporter* reporter = new LingeringReporter("ff");
    engine.reset(reporter);
    engine->callback = settings.get();

    engine->sendReport(ReportRunMilestone, 5, 0, true, true);
    ASSERT_EQ(server.requests(1).size(), 1u);
    for (int i = 0; i < 5000 && !reporter->lingering; i++)
        Thread::sleepMs(1);
    ASSERT_TRUE(reporter->lingering);

    engine->sendReport(ReportOnDemand, 5, 0, true, true);
    EXPECT_EQ(reporter->refusedStarts, 1);
    std::vector<LoggedRequest> requests = server.requests(2);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(queryValue(requests[1].path, "app_id"), "1103");
    waitForThread();
}

TEST_F(ReportTest, FailedReportsChangeNothing)
{
    LoopbackServer slow(R"([{"status": 200, "body": "hw:A1E1", "delay": 1.5}, {"status": 500, "body": "hw:A1E1"}])");
    ASSERT_TRUE(slow.started());
    useServer(slow);
    // Too slow for a one-second time-out.
    engine->sendReport(ReportOnDemand, 1, 0, true, false);
    EXPECT_FALSE(engine->fetchReport(-1));
    // A server error is no answer either.
    EXPECT_FALSE(engine->fetchReport(0));
    EXPECT_EQ(engine->hw, 2);
    EXPECT_EQ(engine->findVariation("hw")->generation, 0);
}

TEST_F(ReportTest, PauseReportWithoutServerReturnsAtOnce)
{
    RefusingPort nobody;
    ASSERT_TRUE(nobody.ready());
    host = nobody.host();
    gStatisticsServerHost = host.c_str();
    auto start = std::chrono::steady_clock::now();
    engine->saveAndReportExit();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The time-out is 3 s; a refused connection must not wait for it (it takes microseconds; the
    // bound leaves room for a loaded machine).
    EXPECT_LT(seconds, 2.0);
}

struct ReplyCase {
    const char* reply;
    int realRuns;
    const char* key;
    int value;
    int generation;
    bool saved;
};

TEST_F(ReportTest, ReplyGrammar)
{
    // "ff" starts with as 0, hw 2, f1 5, bhe 27, lvt 137, sll 3; all in generation 0.
    const ReplyCase cases[] = {
        {"hw:A1E1", 0, "hw", 1, 1, true},
        {"hw:A1E2,3", 0, "hw", 2, 1, true},           // already allowed
        {"hw:A1E7", 0, "hw", 2, 1, true},             // outside 0..3: refused
        {"hw:A1E-1", 0, "hw", -1, 1, true},           // -1: out of the experiment
        {"hw:A1R-1,-1", 0, "hw", -1, 1, true},
        {"hw:A1P-1,100", 0, "hw", -1, 1, true},
        {"hw:A1E-2", 0, "hw", 2, 1, true},            // below the range and not -1: refused
        {"hw:A1Eabc", 0, "hw", 2, 1, true},           // not a number
        {"as:A2D0", 0, "as", 1, 2, true},             // only 1 is left
        {"f1:A1D0,1,2,3,4,5,6", 0, "f1", 5, 1, true}, // nothing is left
        {"f1:A1D1", 0, "f1", 5, 1, true},             // not disallowed
        {"lvt:A1R10,10", 0, "lvt", 10, 1, true},
        {"lvt:A1R0,255", 0, "lvt", 137, 1, true},     // inside already
        {"lvt:A1R200,100", 0, "lvt", 137, 1, true},   // empty range
        {"sll:A1R9,9", 0, "sll", 3, 1, true},         // outside 2..5
        {"lvt:A1R1", 0, "lvt", 137, 1, true},         // one number
        {"bhe:A1P9,100", 0, "bhe", 9, 1, true},
        {"bhe:A1P9,0", 0, "bhe", 27, 1, true},
        {"bhe:A1P9,101", 0, "bhe", 27, 1, true},
        {"bhe:A1P2", 0, "bhe", 27, 1, true},          // one number: generation only
        {"hw:A1X1", 0, "hw", 2, 1, true},             // unknown kind
        {"hw:N1R0,0", 1, "hw", 0, 1, true},           // new player
        {"hw:N1R0,0", 2, "hw", 2, 1, true},           // not a new player: generation only
        {"hw:O1E1", 0, "hw", 2, 1, true},
        {"hw:O1E1", 5, "hw", 1, 1, true},
        {"hw:A9E3\r\nas:A1E1\r\n", 0, "as", 1, 1, true},
        {"hw:A0E1", 0, "hw", 2, 0, false},            // generation not above
        {"hw", 0, "hw", 2, 0, false},
        {"hw:A1E1:2", 0, "hw", 2, 0, false},
        {"zz:A1E1", 0, "hw", 2, 0, false},
        {"hw:A1E", 0, "hw", 2, 0, false},
        {"", 0, "hw", 2, 0, false},
    };
    for (const ReplyCase& c : cases) {
        SCOPED_TRACE(c.reply);
        engine.reset();
        remove("settings2b.dat");
        remove("settings3.dat");
        engine.reset(new AbSettings("ff"));
        engine->realRuns = c.realRuns;
        remove("settings2b.dat");
        engine->applyServerReply(c.reply);
        EXPECT_EQ(engine->variationValue(c.key), c.value);
        EXPECT_EQ(engine->findVariation(c.key)->generation, c.generation);
        EXPECT_EQ(exists("settings2b.dat"), c.saved);
    }

    // The same line again does nothing.
    engine->applyServerReply("hw:A3E0");
    EXPECT_EQ(engine->hw, 0);
    remove("settings2b.dat");
    engine->setVariation("hw", 3);
    engine->applyServerReply("hw:A3E0");
    EXPECT_EQ(engine->hw, 3);
    EXPECT_FALSE(exists("settings2b.dat"));
}

TEST_F(ReportTest, APlayerTakenOutOfAnExperimentCanBeBroughtBack)
{
    engine->applyServerReply("hw:A1E-1");
    ASSERT_EQ(engine->hw, -1);
    engine.reset();   // saved by the reply and again on the way out
    engine.reset(new AbSettings("ff"));
    EXPECT_EQ(engine->hw, -1);
    EXPECT_EQ(engine->findVariation("hw")->generation, 1);
    // A range that leaves -1 out draws a value of the row again.
    engine->applyServerReply("hw:A2R0,3");
    EXPECT_GE(engine->hw, 0);
    EXPECT_LE(engine->hw, 3);
    engine->applyServerReply("hw:A3E-1\nhw:A4D-1");
    EXPECT_GE(engine->hw, 0);
    EXPECT_LE(engine->hw, 3);
}

class FakeGame : public ReportFactsI {
public:
    int playHistoryCount() override { return 4; }
    void playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags) override
    {
        const int records[4][3] = {{1500, 0, 0}, {2500, 3, 2}, {4000, 0, 4}, {700, 9, 0}};
        *elapsedMs = records[index][0];
        *kind = records[index][1];
        *flags = records[index][2];
    }
    bool currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove) override
    {
        *elapsedMs = 65432;
        *undos = 3;
        *hasPossibleMove = false;
        return true;
    }
};

TEST_F(ReportTest, ReportDataCountsThePlayHistory)
{
    FakeGame game;
    gReportFacts = &game;
    settings->playTimeTotal = 10;
    settings->playTimeByMode[0] = 1;
    Array<int> playTimes;
    String data;
    gAbSettings.setCounter(StatCurTime, 0);
    settings->getReportData(playTimes, data);
    gReportFacts = nullptr;
    ASSERT_EQ(playTimes.size(), 5);
    // 1.5 + 2.5 + 0.7 seconds (the replay left out) on top of the stored 10.
    EXPECT_EQ(playTimes[0], 14);
    EXPECT_EQ(playTimes[1], 2);
    EXPECT_EQ(playTimes[2], 0);
    EXPECT_EQ(playTimes[4], 2);
    EXPECT_EQ(gAbSettings.counter(StatTpt), 14);
    EXPECT_EQ(gAbSettings.counter(StatTptC), 2);
    EXPECT_EQ(gAbSettings.counter(StatCurTime), 65);
    EXPECT_EQ(gAbSettings.counter(StatCurUndos), 3);
    EXPECT_EQ(gAbSettings.counter(StatCurStuck), 1);
}

TEST_F(ReportTest, StatusText)
{
    engine->runs = 4;
    engine->realRuns = 3;
    engine->sessionId = 77;
    settings->playTimeTotal = 5;
    EXPECT_STREQ(engine->statusText().c_str(),
                 "Runs:4, realRuns:3, ov: 162, cv: 162, sid: 77\nPT: 5, 0, 0, 0, 0\n"
                 "ED: ll_0_dm_20_sfC_3_mh_1_av_0_iv_101_sg_2_bl_3_uv_47_lt_5_ls_0_fs_-1_wd_4_xs_0_levS_39_lr_8_lnb_1");
}

} // namespace
