// The score fetch and upload against servers that refuse, hang, trickle, lie or flood: each ends
// within its time-out, keeps the rows it had, and the entry it tried to send stays pending, with
// "hiScores.dat" as it was.

#include "ScoreServerFixture.h"
#include "scores/HiScoreTable.h"
#include "tests/support/HostileServer.h"

namespace {

class ScoreHostileTest : public ScoreServerTest {
protected:
    void SetUp() override
    {
        ScoreServerTest::SetUp();
        table.load("hiScores.dat");
        table.addScore(7, 4500, "Bob", 987654);
        fetcher.setTimeout(1);
        uploader.setTimeout(1);
    }

    void useServer(const HostileServer& hostile)
    {
        host = hostile.host();
        gScoreServerHost = host.c_str();
    }

    HiScoreTable table;
    FakeHistory history;
};

TEST_F(ScoreHostileTest, AFetchEndsAndKeepsTheRowsItHad)
{
    ASSERT_TRUE(startServer({}));
    startFetch("", -1, 7, 2, 51);
    ASSERT_TRUE(waitUntil([&] { return resultsReady(); }));
    ASSERT_EQ(rowCount(), 51);

    for (const HostileScenario& s : kHostileScenarios) {
        SCOPED_TRACE(s.name);
        HostileServer hostile(s.name);
        ASSERT_TRUE(hostile.started());
        useServer(hostile);
        startFetch("", -1, 7, 2, 51);
        // Two tries of one second each, with room for a slow machine.
        ASSERT_TRUE(waitUntil([&] { return resultsReady(); }, 6000));
        EXPECT_EQ(rowName(50), "Player 51");
        if (s.answersWithABody) {
            // A reply is the next page: its rows follow, up to the cap.
            EXPECT_EQ(rowCount(), 1024) << "a flood of rows is cut";
            EXPECT_EQ(rowName(51), "Row 0");
        } else {
            EXPECT_EQ(rowCount(), 51);
        }
        // Back to the good list, so each scenario starts from rows worth keeping.
        host = server->host();
        gScoreServerHost = host.c_str();
        fetcher.clearResults();
        startFetch("", -1, 7, 2, 51);
        ASSERT_TRUE(waitUntil([&] { return resultsReady() && rowCount() == 51; }));
    }
}

TEST_F(ScoreHostileTest, AFailedUploadLeavesTheEntryPendingAndTheFileAsItWas)
{
    const std::string saved = readFile("hiScores.dat");
    for (const HostileScenario& s : kHostileScenarios) {
        SCOPED_TRACE(s.name);
        HostileServer hostile(s.name);
        ASSERT_TRUE(hostile.started());
        useServer(hostile);
        uploader.clearDone();
        ASSERT_TRUE(uploader.start(*table.pendingEntry(7), 7, &listener, &history));
        ASSERT_TRUE(waitUntil([&] { return uploader.isDone(); }, 6000));
        EXPECT_TRUE(uploader.hasFailed()) << "not even a flood of rows is an \"Ok\"";
        EXPECT_FALSE(uploader.applyResult(table));
        ASSERT_NE(table.pendingEntry(7), nullptr);
        EXPECT_EQ(table.pendingEntry(7)->score, 4500);
        EXPECT_EQ(readFile("hiScores.dat"), saved);
    }
}

}  // namespace
