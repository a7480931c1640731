#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "Core/HttpRequest.h"
#include "Core/Thread.h"
#include "tests/support/HostileServer.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct HostileOutcome {
    String body;
    bool ok = true;
    bool failed = false;
    double seconds = 0;
};

HostileOutcome requestFrom(const HostileServer& server, const String& postBody, int timeoutSeconds, int attempts,
                    const std::atomic<bool>* cancel = nullptr)
{
    HostileOutcome o;
    auto start = std::chrono::steady_clock::now();
    String url = String("http://") + server.host().c_str() + "/kelzo/buy/?data=1";
    httpRequest(&o.body, url, postBody, &o.ok, &o.failed, timeoutSeconds, attempts, cancel);
    o.seconds = secondsSince(start);
    return o;
}

// What the server's "rows" scenario sends.
std::string rowsReply()
{
    std::string rows = "header 5\n";
    for (int n = 0; n < 100000; ++n)
        rows += "Row " + std::to_string(n) + "," + std::to_string(100000 - n) + "\n";
    return rows;
}

TEST(HttpRequestHostileTest, EveryBadServerIsAFailureWithinTheTimeOut)
{
    for (const HostileScenario& s : kHostileScenarios) {
        SCOPED_TRACE(s.name);
        HostileServer server(s.name);
        ASSERT_TRUE(server.started());
        for (const char* post : {"", "score=1"}) {
            HostileOutcome o = requestFrom(server, post, 1, 2);
            EXPECT_EQ(o.ok, s.answersWithABody);
            EXPECT_EQ(o.failed, !s.answersWithABody);
            if (s.answersWithABody)
                EXPECT_TRUE(std::string(o.body.c_str()) == rowsReply()) << "the whole reply, however long";
            else
                EXPECT_TRUE(o.body.isEmpty());
            // Two tries of a one-second time-out, with room for a slow machine.
            EXPECT_LT(o.seconds, 4.5);
        }
    }
}

TEST(HttpRequestHostileTest, ACancelEndsTheWaitLongBeforeTheTimeOut)
{
    for (const char* scenario : {"silent", "byte_a_second", "huge"}) {
        SCOPED_TRACE(scenario);
        HostileServer server(scenario);
        ASSERT_TRUE(server.started());
        std::atomic<bool> cancel{false};
        std::thread canceller([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            cancel = true;
        });
        HostileOutcome o = requestFrom(server, "", 25, 3, &cancel);
        canceller.join();
        EXPECT_FALSE(o.ok);
        EXPECT_TRUE(o.failed);
        EXPECT_TRUE(o.body.isEmpty());
        EXPECT_LT(o.seconds, 5.0) << "the time-out is 25 s, three tries";
    }
}

TEST(HttpRequestHostileTest, ARequestOnTheMainLoopsThreadIsLoggedAsAnError)
{
    HostileServer server("refused");
    ASSERT_TRUE(server.started());
    setMainLoopThread(true);
    testing::internal::CaptureStdout();
    requestFrom(server, "", 1, 1);
    std::string onLoop = testing::internal::GetCapturedStdout();

    std::string elsewhere;
    std::thread worker([&] {
        testing::internal::CaptureStdout();
        requestFrom(server, "", 1, 1);
        elsewhere = testing::internal::GetCapturedStdout();
    });
    worker.join();
    setMainLoopThread(false);
    testing::internal::CaptureStdout();
    requestFrom(server, "", 1, 1);
    std::string afterTheLoop = testing::internal::GetCapturedStdout();

    EXPECT_NE(onLoop.find("ERR"), std::string::npos) << onLoop;
    EXPECT_NE(onLoop.find("main loop"), std::string::npos) << onLoop;
    EXPECT_EQ(elsewhere.find("ERR"), std::string::npos) << elsewhere;
    EXPECT_EQ(afterTheLoop.find("ERR"), std::string::npos) << afterTheLoop;
}

}  // namespace
