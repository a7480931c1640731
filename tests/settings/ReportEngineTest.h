#pragma once

// Statistics report tests: a fresh experiment engine and settings record in the test's folder, and the report
// sent to the test's own server, the usual address put back afterwards.

#include <memory>
#include <string>

#include "TempDirTest.h"
#include "platform/ServerAddresses.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

class ReportEngineTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        savedHost = gStatisticsServerHost;
        engine.reset(new AbSettings("ff"));
        settings.reset(new Settings("settings.dat", "ff"));
        engine->callback = settings.get();
    }

    void TearDown() override
    {
        engine.reset();
        settings.reset();
        gStatisticsServerHost = savedHost;
        TempDirTest::TearDown();
    }

    // Any test server with a host() the report can be sent to.
    template <class Server>
    void useServer(const Server& server)
    {
        host = server.host();
        gStatisticsServerHost = host.c_str();
    }

    const char* savedHost = nullptr;
    std::string host;
    std::unique_ptr<AbSettings> engine;
    std::unique_ptr<Settings> settings;
};
