#include <gtest/gtest.h>

#include "Core/HttpRequest.h"
#include "ScoreServerFixture.h"
#include "scores/HiScoreTable.h"
#include "scores/ScoreSubmission.h"
#include "tests/support/StdString.h"

namespace {

std::string pathOf(const LoggedRequest& r) { return r.path; }


TEST_F(ScoreServerTest, AFetchAsksAsTheSettingsSayAndStoresTheList)
{
    ASSERT_TRUE(startServer({}));
    startFetch("Bob", 5550, 7, 2, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));

    std::vector<LoggedRequest> gets = requestsOf("GET", 1);
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(pathOf(gets[0]), "/kelzo/top_scores_sql/?game_id=0&game_mode=1007&max_res=51&my_name=Bob"
                               "&my_dev_id=0123456789abcdef&hash=" +
                                   std::to_string(fetchHash([] {
                                       ScoreQuery q;
                                       q.gameMode = 2;
                                       q.myScore = 5550;
                                       q.deviceId = "0123456789abcdef";
                                       return q;
                                   }())) +
                                   "&my_score=5550");
    // Players 1..5 score 6000..5600: the player ranks 6th and is put in there.
    EXPECT_EQ(rowCount(), 52);
    EXPECT_EQ(rowName(4), "Player 5");
    EXPECT_EQ(rowName(5), "Bob");
    EXPECT_EQ(rowScore(5), 5550);
    EXPECT_EQ(rowName(6), "Player 6");
    {
        MutexLock lock(&gHiScoresMutex);
        EXPECT_EQ(fetcher.results().myRank, 6) << "the server checked the hash and ranked the score";
    }
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(gAbSettings.counter(StatSubNameL), 1);

    // The next page starts after the 51 rows of the server, not after the 52 shown.
    startFetch("Bob", 5550, 7, 2, 201);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    std::vector<LoggedRequest> more = requestsOf("GET", 2);
    ASSERT_EQ(more.size(), 2u);
    EXPECT_NE(more[1].path.find("&max_res=150&offset=51&"), std::string::npos) << more[1].path;
    EXPECT_EQ(rowCount(), 61);
    EXPECT_EQ(rowName(51), "Player 51");
    EXPECT_EQ(rowName(52), "Player 52");
}

TEST_F(ScoreServerTest, OtherModesAskWithoutTheDeviceAndRankOnlyAfterTheUpload)
{
    settings.gameMode = 6;
    gAbSettings.uhs = 1;
    ASSERT_TRUE(startServer({}));
    startFetch("Bob", 83500, 1, 0, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    std::vector<LoggedRequest> gets = requestsOf("GET", 1);
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(gets[0].path, "/kelzo/top_scores_sql/?game_id=0&game_mode=1001&max_res=51&reverse=true&tf=d&unq=1");
    EXPECT_EQ(gAbSettings.counter(StatSubNameL), 0);
    {
        MutexLock lock(&gHiScoresMutex);
        EXPECT_EQ(fetcher.results().myRank, -1);
        EXPECT_EQ(fetcher.results().rowCount, 51);
    }
}

TEST_F(ScoreServerTest, AFailedFetchLeavesTheRowsAndEnds)
{
    ASSERT_TRUE(startServer({"--modes", "normal,status,status,hang", "--hang", "3"}));
    fetcher.setTimeout(1);
    startFetch("", -1, 7, 2, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    ASSERT_EQ(rowCount(), 51);

    for (const char* what : {"status 500 twice", "no answer in time, twice"}) {
        startFetch("", -1, 7, 2, 201);
        EXPECT_FALSE(resultsReady()) << what;
        ASSERT_TRUE(waitUntil([&] { return resultsReady(); }, 8000)) << what;
        EXPECT_EQ(rowCount(), 51) << what;
        EXPECT_EQ(rowName(50), "Player 51") << what;
    }
    EXPECT_EQ(requestsOf("GET", 5).size(), 5u) << "fetches make two attempts";
    EXPECT_EQ(listener.calls, 3);
}

TEST_F(ScoreServerTest, AClearDuringASlowReplyAsksOnceMore)
{
    ASSERT_TRUE(startServer({"--modes", "late,normal", "--late", "1.5"}));
    startFetch("", -1, 7, 2, 51);
    ASSERT_EQ(requestsOf("GET", 1).size(), 1u);
    fetcher.clearResults();
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    EXPECT_EQ(rowCount(), 51);
    EXPECT_EQ(rowName(0), "Player 1") << "the late reply was dropped";
    EXPECT_EQ(requestsOf("GET", 3, 1000).size(), 2u);
    EXPECT_EQ(listener.calls, 1);
}

// A start made just as a pass ends (here from the listener, which the pass
// calls last) is served, however many times in a row.
class RestartingListener : public HiScoresListenerI {
public:
    explicit RestartingListener(HiScoresFetcher& f) : fetcher(f) {}
    void requestRedraw() override
    {
        if (++calls < kRounds)
            fetcher.start("", this, -1, 7, 2, 51);
    }
    static constexpr int kRounds = 20;
    HiScoresFetcher& fetcher;
    std::atomic<int> calls{0};
};

TEST_F(ScoreServerTest, AStartAsAPassEndsIsNotLost)
{
    ASSERT_TRUE(startServer({"--rows", "3"}));
    RestartingListener restarting(fetcher);
    {
        MutexLock lock(&gHiScoresMutex);
        fetcher.start("", &restarting, -1, 7, 2, 51);
    }
    ASSERT_TRUE(waitUntil([&] { return restarting.calls == RestartingListener::kRounds; }, 20000))
        << restarting.calls << " of " << RestartingListener::kRounds;
    EXPECT_EQ(requestsOf("GET", RestartingListener::kRounds).size(), static_cast<size_t>(RestartingListener::kRounds));
    fetcher.setListener(nullptr);
}

TEST_F(ScoreServerTest, OverlongListsStopAt1024Rows)
{
    ASSERT_TRUE(startServer({"--modes", "many"}));
    startFetch("", -1, 7, 2, 1001);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    EXPECT_EQ(rowCount(), 1024);
    EXPECT_EQ(rowName(1023), "Many 1023");
}

TEST_F(ScoreServerTest, NamesWithCommasAndGarbledScores)
{
    ASSERT_TRUE(startServer({"--modes", "commas,garbage"}));
    startFetch("", -1, 7, 2, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    EXPECT_EQ(rowName(0), "Smith, Player 1");
    EXPECT_EQ(rowScore(0), 6000);

    fetcher.clearResults();
    startFetch("", -1, 7, 2, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    EXPECT_EQ(rowCount(), 51);
    EXPECT_EQ(rowScore(0), 6000);
    EXPECT_EQ(rowScore(1), -1);
    EXPECT_EQ(rowScore(3), -1);
    EXPECT_EQ(rowScore(4), 5600);
}

class UploadTest : public ScoreServerTest {
protected:
    void SetUp() override
    {
        ScoreServerTest::SetUp();
        table.load("hiScores.dat");
        table.addScore(7, 4500, "Bob", 987654);
    }

    bool startUpload() { return uploader.start(*table.pendingEntry(7), 7, &listener, &history); }

    HiScoreTable table;
    FakeHistory history;
};

TEST_F(UploadTest, AnAcceptedUploadReportsItsRankAndClearsPendingOnTheMainThread)
{
    ASSERT_TRUE(startServer({}));
    ASSERT_TRUE(startUpload());
    EXPECT_FALSE(uploader.start(*table.pendingEntry(7), 7, &listener, &history)) << "one upload at a time";
    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }));
    EXPECT_FALSE(uploader.hasFailed());
    EXPECT_EQ(uploader.rank(), 17) << "behind the 16 players with 4500 points or more";
    EXPECT_EQ(listener.calls, 1);
    EXPECT_NE(table.pendingEntry(7), nullptr) << "the worker does not touch the table";

    EXPECT_TRUE(uploader.applyResult(table));
    EXPECT_EQ(table.pendingEntry(7), nullptr);
    EXPECT_FALSE(uploader.applyResult(table)) << "once";
    HiScoreTable saved;
    saved.load("hiScores.dat");
    EXPECT_EQ(saved.pendingEntry(7), nullptr);

    std::vector<LoggedRequest> posts = requestsOf("POST", 1);
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].path, "/kelzo/submit_score/");
    std::map<std::string, std::string> form = formFields(posts[0].body);
    EXPECT_EQ(form["user_name"], "Bob");
    EXPECT_EQ(form["score"], "4500");
    EXPECT_EQ(form["game_id"], "987654");
    EXPECT_EQ(form["game_mode"], "1007");
    EXPECT_EQ(form["extra_data"], "3,17,30017,41000,0,2,5");
    EXPECT_EQ(form["act"], "U");
    EXPECT_EQ(history.calls, 1);
    EXPECT_TRUE(history.onMainThread);
    EXPECT_EQ(gAbSettings.counter(StatSubGlobalS), 1);

    table.addScore(7, 100, "Al", 1);
    EXPECT_FALSE(startUpload()) << "done until a new screen clears it";
    uploader.clearDone();
    EXPECT_TRUE(startUpload());
    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }));
}

TEST_F(UploadTest, AFailedUploadStaysPending)
{
    ASSERT_TRUE(startServer({"--modes", "status"}));
    ASSERT_TRUE(startUpload());
    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }));
    EXPECT_TRUE(uploader.hasFailed());
    EXPECT_EQ(uploader.rank(), -1);
    EXPECT_FALSE(uploader.applyResult(table));
    ASSERT_NE(table.pendingEntry(7), nullptr);
    EXPECT_TRUE(uploader.entry().pending);
    EXPECT_EQ(requestsOf("POST", 2, 500).size(), 1u) << "a submit is tried once";
}

TEST_F(UploadTest, TheServerAcceptsOnlyTheRightHash)
{
    // So an accepted upload above means the hash was right.
    ASSERT_TRUE(startServer({}));
    ScoreSubmission s;
    s.host = String(host.c_str());
    s.name = "Bob";
    s.score = 4500;
    s.gameId = 987654;
    s.slot = 1;
    s.deviceId = "0123456789abcdef";
    String body = submitBody(s);
    body.replaceFirst("&h=4193", "&h=4194");
    String reply;
    bool ok = false, failed = false;
    httpRequest(&reply, submitUrl(s), body, &ok, &failed, 5, 1);
    EXPECT_TRUE(ok);
    int rank = -1;
    EXPECT_FALSE(readSubmitReply(reply, &rank)) << reply.c_str();
}

TEST_F(UploadTest, AHangingSubmitArrivesOnce)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "3"}));
    uploader.setTimeout(1);
    ASSERT_TRUE(startUpload());
    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }, 5000));
    EXPECT_TRUE(uploader.hasFailed());
    EXPECT_NE(table.pendingEntry(7), nullptr);
    EXPECT_EQ(requestsOf("POST", 2, 2500).size(), 1u);
}

TEST_F(UploadTest, LeavingTheScreenMidUploadTouchesNothingOfIt)
{
    ASSERT_TRUE(startServer({"--modes", "late", "--late", "0.5"}));
    auto* screenListener = new CountingListener;
    auto* ownEntry = new HiScoreEntry("Freddy", 12, 0, true);
    ASSERT_TRUE(uploader.start(*ownEntry, 7, screenListener, &history));
    {
        MutexLock lock(&gHiScoresMutex);
        fetcher.start(ownEntry->name, screenListener, ownEntry->score, 7, 2, 51);
    }
    ASSERT_EQ(requestsOf("POST", 1).size(), 1u);
    // What the screen's destructor does, then the screen is gone.
    uploader.detach();
    fetcher.setListener(nullptr);
    fetcher.clearResults();
    delete ownEntry;
    delete screenListener;

    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }));
    EXPECT_FALSE(uploader.hasFailed());
    EXPECT_EQ(str(uploader.entry().name), "Freddy");
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
}

// The screen that started the upload is gone before the reply; the application's frame picks the result up.
TEST_F(UploadTest, AnAcceptedUploadStaysAcceptedAfterItsScreenLeft)
{
    ASSERT_TRUE(startServer({"--modes", "late", "--late", "0.5"}));
    CountingListener application;
    uploader.setIdleListener(&application);
    ASSERT_TRUE(startUpload());
    uploader.detach();
    ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }));
    EXPECT_EQ(application.calls, 1) << "the application is asked for a frame";
    EXPECT_EQ(listener.calls, 0);

    EXPECT_TRUE(uploader.applyResult(table));
    EXPECT_EQ(table.pendingEntry(7), nullptr);
    HiScoreTable nextRun;
    nextRun.load("hiScores.dat");
    EXPECT_EQ(nextRun.pendingEntry(7), nullptr) << "nothing left to offer";
    uploader.clearDone();
    EXPECT_FALSE(uploader.start(nextRun.list(7)[0], 7, &listener, &history)) << "the entry is no longer pending";
    EXPECT_EQ(requestsOf("POST", 2, 500).size(), 1u);
    uploader.setIdleListener(nullptr);
}

TEST_F(UploadTest, AQuitBeforeTheReplyWaitsForItAndKeepsTheScoreAccepted)
{
    ASSERT_TRUE(startServer({"--modes", "late", "--late", "1"}));
    ASSERT_TRUE(startUpload());
    uploader.detach();
    EXPECT_TRUE(uploader.finishBeforeExit(table, 10000));
    EXPECT_FALSE(uploader.isBusy());
    HiScoreTable nextRun;
    nextRun.load("hiScores.dat");
    EXPECT_EQ(nextRun.pendingEntry(7), nullptr);
    EXPECT_EQ(requestsOf("POST", 2, 500).size(), 1u) << "the server counts one submission";
}

TEST_F(UploadTest, AQuitWaitsNoLongerThanItsLimitAndKeepsAnUnansweredScorePending)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "3"}));
    ASSERT_TRUE(startUpload());
    EXPECT_FALSE(uploader.finishBeforeExit(table, 100));
    HiScoreTable nextRun;
    nextRun.load("hiScores.dat");
    EXPECT_NE(nextRun.pendingEntry(7), nullptr) << "no reply: the server may not have it";
}

TEST_F(ScoreServerTest, NothingIsSentWithOnlineScoresSwitchedOff)
{
    ASSERT_TRUE(startServer({}));
    settings.switchA = false;
    startFetch("Bob", 12, 7, 2, 51);
    EXPECT_TRUE(resultsReady()) << "the fetch ends at once";
    EXPECT_EQ(rowCount(), -1) << "with nothing to show: the screen says so";
    HiScoreEntry entry("Bob", 12, 1, true);
    FakeHistory history;
    EXPECT_FALSE(uploader.start(entry, 7, &listener, &history));
    EXPECT_EQ(history.calls, 0);
    EXPECT_EQ(server->requests(1, 500).size(), 0u);
}

TEST_F(ScoreServerTest, ShutDownDoesNotWaitForAHangingServer)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "20"}));
    HiScoreEntry entry("Bob", 12, 1, true);
    ASSERT_TRUE(uploader.start(entry, 7, &listener, nullptr));
    startFetch("Bob", 12, 7, 2, 51);
    ASSERT_EQ(server->requests(2).size(), 2u);

    auto started = std::chrono::steady_clock::now();
    fetcher.cancel();
    uploader.cancel();
    fetcher.shutDown();
    uploader.shutDown();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 1.0);
    EXPECT_FALSE(fetcher.isRunning());
    EXPECT_FALSE(uploader.isRunning());

    startFetch("Bob", 12, 7, 2, 51);
    EXPECT_EQ(server->requests(3, 300).size(), 2u) << "nothing starts after shut-down";
}

} // namespace
