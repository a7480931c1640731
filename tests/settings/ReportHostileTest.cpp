#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ReportEngineTest.h"
#include "platform/ServerAddresses.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/support/HostileServer.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The statistics report against servers that refuse, hang, trickle, lie or flood.
class ReportHostileTest : public ReportEngineTest {
protected:
    std::vector<int> values() const
    {
        std::vector<int> all;
        for (const Variation& v : engine->variations) {
            all.push_back(v.value());
            all.push_back(v.generation);
        }
        return all;
    }
};

TEST_F(ReportHostileTest, NoBadServerChangesTheVariationsOrTheirFiles)
{
    const std::vector<int> before = values();
    const std::vector<unsigned char> variationFile = readBytes("settings2b.dat");
    const std::vector<unsigned char> counterFile = readBytes("settings3.dat");
    for (const HostileScenario& s : kHostileScenarios) {
        SCOPED_TRACE(s.name);
        HostileServer server(s.name);
        ASSERT_TRUE(server.started());
        useServer(server);
        // As the shutdown sends it: inline, one try, here with a one-second time-out.
        engine->sendReport(ReportPauseOrExit, 1, 0, true, false);
        EXPECT_EQ(engine->fetchReport(0), s.answersWithABody) << "only a whole 200 reply is an answer";
        EXPECT_EQ(values(), before);
        EXPECT_EQ(readBytes("settings2b.dat"), variationFile);
        EXPECT_EQ(readBytes("settings3.dat"), counterFile);
    }
}

TEST_F(ReportHostileTest, APausedGameAndItsShutdownDoNotWaitForAHangingServer)
{
    for (const char* scenario : {"silent", "byte_a_second"}) {
        SCOPED_TRACE(scenario);
        HostileServer server(scenario);
        ASSERT_TRUE(server.started());
        useServer(server);
        auto start = std::chrono::steady_clock::now();
        engine->countLaunch();  // a milestone: reported on the thread, 5 s time-out, two tries
        engine->saveAndReportPause();
        EXPECT_LT(secondsSince(start), 1.0) << "the pause report goes to the report thread";
        EXPECT_GE(server.requests(1).size(), 1u);

        start = std::chrono::steady_clock::now();
        engine->stop();
        engine->stopAndWait();
        EXPECT_LT(secondsSince(start), 2.0) << "the stop ends the thread's wait for the server";
        EXPECT_FALSE(engine->isRunning());
    }
}

}  // namespace
