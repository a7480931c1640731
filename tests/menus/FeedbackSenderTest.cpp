#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "menus/FeedbackForm.h"
#include "menus/FeedbackSender.h"
#include "platform/ServerAddresses.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/RefusingPort.h"

namespace {

const char* kPath = "/support/service_submit/";

class FeedbackSenderTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        sender.shutDown();
        gSupportServerHost = kLoopbackServerHost;
    }

    // Starts a server, after the previous one has gone (a server started
    // while another runs would inherit its input and keep it alive), and
    // points the support host at it.
    LoopbackServer* serve(const std::string& script, const std::vector<std::string>& arguments)
    {
        server.reset();
        server.reset(new LoopbackServer(script, arguments));
        if (!server->started())
            return nullptr;
        host = server->host();
        gSupportServerHost = host.c_str();
        return server.get();
    }
    LoopbackServer* serve(const std::string& plan) { return serve("loopback_http_server.py", {plan}); }

    // The result, waiting up to five seconds for it.
    FeedbackSender::Result waitForResult()
    {
        for (int i = 0; i < 1000; ++i) {
            FeedbackSender::Result result = sender.takeResult();
            if (result != FeedbackSender::NoResult)
                return result;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return FeedbackSender::NoResult;
    }

    FeedbackSender sender;
    std::unique_ptr<LoopbackServer> server;
    std::string host;
};

std::string plan(int status, const std::string& body)
{
    return "[{\"status\": " + std::to_string(status) + ", \"body\": \"" + body + "\"}]";
}

TEST_F(FeedbackSenderTest, TheFormIsPostedOnceAndOnlyOkCounts)
{
    struct Case {
        int status;
        const char* reply;
        FeedbackSender::Result expected;
    };
    const Case cases[] = {
        {200, "Ok thanks", FeedbackSender::Sent},
        {200, "Ok", FeedbackSender::Sent},
        {200, "OK", FeedbackSender::Failed},
        {200, " Ok", FeedbackSender::Failed},
        {200, "", FeedbackSender::Failed},
        {500, "Ok", FeedbackSender::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.status) + " '" + c.reply + "'");
        LoopbackServer* server = serve(plan(c.status, c.reply));
        ASSERT_TRUE(server);
        String question = feedbackQuestion("Too hard!", feedbackScoreSlot(2, 1), 4, 1);
        ASSERT_TRUE(sender.start("a@b.c", question, false));
        EXPECT_EQ(waitForResult(), c.expected);
        EXPECT_FALSE(sender.isBusy());

        std::vector<LoggedRequest> requests = server->requests(2, 300);
        ASSERT_EQ(requests.size(), 1u) << "one attempt, whatever the answer";
        EXPECT_EQ(requests[0].method, "POST");
        EXPECT_EQ(requests[0].path, kPath);
        EXPECT_EQ(requests[0].body, "email=a%40b%2ec&question=Too%20hard!%0a%0a%5bKelzo1%2e6%2e2%20%2c%20game%2dmode%3d7"
                                    "%2c%20level%3d4%2c%20diff%3d1%5d&topic=kelzo&subscribe=no");
    }
}

TEST_F(FeedbackSenderTest, TheTestScoreServerTakesFeedbackToo)
{
    ASSERT_TRUE(serve("loopback_score_server.py", {}));
    ASSERT_TRUE(sender.start("a@b.c", "hello", true));
    EXPECT_EQ(waitForResult(), FeedbackSender::Sent);
}

TEST_F(FeedbackSenderTest, NobodyListeningIsAFailure)
{
    RefusingPort nobody;
    ASSERT_TRUE(nobody.ready());
    host = nobody.host();
    gSupportServerHost = host.c_str();
    ASSERT_TRUE(sender.start("a@b.c", "hello", true));
    EXPECT_EQ(waitForResult(), FeedbackSender::Failed);
}

TEST_F(FeedbackSenderTest, AHangingServerNeverHoldsUpTheCaller)
{
    LoopbackServer* server = serve(R"([{"status": 200, "body": "Ok", "delay": 4}])");
    ASSERT_TRUE(server);
    sender.setTimeout(1);
    ASSERT_TRUE(sender.start("a@b.c", "hello", true));
    // Had start() waited for the exchange, its result would be here already.
    EXPECT_TRUE(sender.isBusy());
    EXPECT_EQ(sender.takeResult(), FeedbackSender::NoResult);
    EXPECT_FALSE(sender.start("a@b.c", "again", true)) << "one send at a time";

    EXPECT_EQ(server->requests(1).size(), 1u);
    EXPECT_EQ(waitForResult(), FeedbackSender::Failed) << "timed out";
    EXPECT_EQ(sender.takeResult(), FeedbackSender::NoResult) << "a result is taken once";
    EXPECT_EQ(server->requests(2, 1500).size(), 1u) << "no second attempt";
}

TEST_F(FeedbackSenderTest, ShutDownCancelsTheSendInFlight)
{
    LoopbackServer* server = serve(R"([{"status": 200, "body": "Ok", "delay": 30}])");
    ASSERT_TRUE(server);
    ASSERT_TRUE(sender.start("a@b.c", "hello", true));
    ASSERT_EQ(server->requests(1).size(), 1u);
    sender.shutDown();  // returns within moments, not after the 25 s time-out
    EXPECT_FALSE(sender.isRunning());
    EXPECT_EQ(sender.takeResult(), FeedbackSender::Failed);
    EXPECT_FALSE(sender.start("a@b.c", "later", true)) << "nothing starts after shut-down";
    EXPECT_EQ(server->requests(2, 300).size(), 1u);
}

} // namespace
