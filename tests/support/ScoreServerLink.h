#pragma once

// The score workers of a test (short time-outs, not the program's own) and tests/support/loopback_score_server.py
// they talk to. Fixtures of different bases mix it in; their TearDown calls shutDownScores().

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/ServerAddresses.h"
#include "scores/HiScoresFetcher.h"
#include "scores/HiScoresMutex.h"
#include "scores/HiScoresUploader.h"
#include "tests/support/LoopbackServer.h"

class ScoreServerLink {
protected:
    // Starts the server with these arguments and points the game at it.
    bool startServer(const std::vector<std::string>& arguments)
    {
        server.reset(new LoopbackServer("loopback_score_server.py", arguments));
        if (!server->started())
            return false;
        host = server->host();
        gScoreServerHost = host.c_str();
        return true;
    }

    // Stops both workers and points the game back at the usual address.
    void shutDownScores()
    {
        fetcher.shutDown();
        uploader.shutDown();
        gScoreServerHost = kLoopbackServerHost;
    }

    // The requests of this method so far, waiting up to ms for at least `atLeast`.
    std::vector<LoggedRequest> requestsOf(const std::string& method, size_t atLeast, int ms = 5000)
    {
        std::vector<LoggedRequest> matching;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            matching.clear();
            for (const LoggedRequest& r : server->requests(0, 0))
                if (r.method == method)
                    matching.push_back(r);
            if (matching.size() >= atLeast || std::chrono::steady_clock::now() > deadline)
                return matching;
            server->requests(server->requests(0, 0).size() + 1, 50);  // reads what came meanwhile
        }
    }

    bool resultsReady()
    {
        MutexLock lock(&gHiScoresMutex);
        return fetcher.resultsReady();
    }

    int rowCount()
    {
        MutexLock lock(&gHiScoresMutex);
        return fetcher.results().rowCount;
    }

    std::unique_ptr<LoopbackServer> server;
    std::string host;
    HiScoresUploader uploader;
    HiScoresFetcher fetcher{uploader};
};
