#include "Core/HttpRequest.h"

#include "tests/support/LoopbackServer.h"
#include "tests/support/RefusingPort.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include "tests/support/StdString.h"

namespace {

struct Outcome {
    std::string body;
    bool ok = true;
    bool hadFailure = true;
};

Outcome request(const std::string& url, const std::string& post, int timeout, int attempts)
{
    Outcome o;
    String body("stale");
    httpRequest(&body, String(url.c_str()), String(post.c_str()), &o.ok, &o.hadFailure, timeout, attempts);
    o.body = str(body);
    return o;
}

}  // namespace

TEST(HttpTarget, SplitsHostPortAndPath)
{
    struct Case {
        const char* url;
        bool valid;
        const char* host;
        int port;
        const char* path;
    } cases[] = {
        {"http://example.org", true, "example.org", 80, "/"},
        {"http://127.0.0.1:8470/", true, "127.0.0.1", 8470, "/"},
        {"http://h/a/b/", true, "h", 80, "/a/b/"},
        {"http://h/a//b?x=1&y=/z", true, "h", 80, "/a//b?x=1&y=/z"},
        {"http://[::1]:99/p", true, "::1", 99, "/p"},
        {"http://h:0/", false, "", 80, ""},
        {"http://h:70000/", false, "", 80, ""},
        {"https://h/", false, "", 80, ""},  // no TLS here
        {"http:", false, "", 80, ""},
        {"h/a", false, "", 80, ""},
    };
    for (const Case& c : cases) {
        HttpTarget t = httpTargetOf(String(c.url));
        EXPECT_EQ(t.valid, c.valid) << c.url;
        if (!c.valid)
            continue;
        EXPECT_EQ(t.host, c.host) << c.url;
        EXPECT_EQ(t.port, c.port) << c.url;
        EXPECT_EQ(t.path, c.path) << c.url;
    }
}

TEST(HttpRequest, GetAndPostReachTheServerAsSent)
{
    LoopbackServer server(R"([{"status": 200, "body": "first"}, {"status": 200, "body": "second\u0000hidden"}])");
    ASSERT_TRUE(server.started());
    std::string base = "http://" + server.host();

    Outcome get = request(base, "", 5, 1);
    EXPECT_TRUE(get.ok);
    EXPECT_FALSE(get.hadFailure);
    EXPECT_EQ(get.body, "first");

    Outcome post = request(base + "/kelzo/submit_score/?a=1", "name=Anna&score=7", 5, 1);
    EXPECT_TRUE(post.ok);
    EXPECT_EQ(post.body, "second") << "the body ends at its first NUL byte";

    std::vector<LoggedRequest> seen = server.requests(2);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].method, "GET");
    EXPECT_EQ(seen[0].path, "/");
    EXPECT_EQ(seen[0].body, "");
    EXPECT_EQ(seen[1].method, "POST");
    EXPECT_EQ(seen[1].path, "/kelzo/submit_score/?a=1");
    EXPECT_EQ(seen[1].body, "name=Anna&score=7");
}

TEST(HttpRequest, OnlyStatus200Succeeds)
{
    LoopbackServer server(R"([{"status": 404, "body": "nope"}, {"status": 302, "body": ""}, {"status": 500}])");
    ASSERT_TRUE(server.started());
    std::string url = "http://" + server.host() + "/x";
    for (int i = 0; i < 3; ++i) {
        Outcome o = request(url, "", 5, 1);
        EXPECT_FALSE(o.ok) << i;
        EXPECT_TRUE(o.hadFailure) << i;
        EXPECT_EQ(o.body, "") << "a failed attempt's body is dropped";
    }
}

TEST(HttpRequest, SecondAttemptAfterAFailure)
{
    LoopbackServer server(R"([{"close": true}, {"status": 200, "body": "ok"}])");
    ASSERT_TRUE(server.started());
    Outcome o = request("http://" + server.host() + "/", "", 5, 2);
    EXPECT_TRUE(o.ok);
    EXPECT_TRUE(o.hadFailure);
    EXPECT_EQ(o.body, "ok");
    EXPECT_EQ(server.requests(2).size(), 2u);
}

TEST(HttpRequest, SlowServerIsCutOffAtTheTimeOut)
{
    LoopbackServer server(R"([{"status": 200, "body": "late", "delay": 4}])");
    ASSERT_TRUE(server.started());
    Outcome o = request("http://" + server.host() + "/slow", "", 1, 1);
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.hadFailure);
    EXPECT_EQ(o.body, "");
}

TEST(HttpRequest, ChunkedReply)
{
    LoopbackServer server(R"([{"status": 200, "body": "a chunked reply body", "chunked": true}])");
    ASSERT_TRUE(server.started());
    Outcome o = request("http://" + server.host() + "/", "", 5, 1);
    EXPECT_TRUE(o.ok);
    EXPECT_EQ(o.body, "a chunked reply body");
}

TEST(HttpRequest, NoAttemptsSendsNothing)
{
    LoopbackServer server(R"([{"status": 200, "body": "x"}])");
    ASSERT_TRUE(server.started());
    Outcome o = request("http://" + server.host() + "/", "", 5, 0);
    EXPECT_FALSE(o.ok);
    EXPECT_FALSE(o.hadFailure);
    EXPECT_EQ(o.body, "");
    EXPECT_EQ(server.requests(1, 300).size(), 0u);
}

TEST(HttpRequest, NobodyListening)
{
    RefusingPort nobody;
    ASSERT_TRUE(nobody.ready());
    Outcome o = request("http://" + nobody.host() + "/", "", 2, 2);
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.hadFailure);

    Outcome bad = request("not a url", "", 2, 1);
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(bad.hadFailure);
}

TEST(HttpRequest, ACancelEndsAHangingRequestAtOnce)
{
    LoopbackServer server(R"([{"status": 200, "body": "too late", "delay": 20}])");
    ASSERT_TRUE(server.started());
    std::atomic<bool> cancel{false};
    Outcome o;
    auto started = std::chrono::steady_clock::now();
    std::thread caller([&] {
        String body("stale");
        httpRequest(&body, String(("http://" + server.host() + "/hang").c_str()), String(), &o.ok, &o.hadFailure,
                    25, 2, &cancel);
        o.body = str(body);
    });
    ASSERT_EQ(server.requests(1).size(), 1u) << "the request was sent before the cancel";
    cancel = true;
    caller.join();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_LT(seconds, 5.0) << "it did not wait for the 20 s reply nor try again";
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.hadFailure);
    EXPECT_EQ(o.body, "");
    EXPECT_EQ(server.requests(2, 300).size(), 1u);
}

TEST(HttpRequest, ACancelledRequestIsNotSent)
{
    LoopbackServer server(R"([{"status": 200, "body": "x"}])");
    ASSERT_TRUE(server.started());
    std::atomic<bool> cancel{true};
    String body;
    bool ok = true, failed = false;
    httpRequest(&body, String(("http://" + server.host() + "/").c_str()), String(), &ok, &failed, 5, 2, &cancel);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(failed);
    EXPECT_EQ(server.requests(1, 300).size(), 0u);
}

TEST(HttpRequest, AnUncancelledFlagChangesNothing)
{
    LoopbackServer server(R"([{"close": true}, {"status": 200, "body": "second"}])");
    ASSERT_TRUE(server.started());
    std::atomic<bool> cancel{false};
    String body;
    bool ok = false, failed = false;
    httpRequest(&body, String(("http://" + server.host() + "/").c_str()), String("a=1"), &ok, &failed, 5, 2,
                &cancel);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(failed);
    EXPECT_EQ(str(body), "second");
}
