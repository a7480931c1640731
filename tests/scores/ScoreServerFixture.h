#pragma once

// Tests against tests/support/loopback_score_server.py: the score server's
// host points at it, the device id and the settings are fixed, and the two
// workers are the test's own (short time-outs), not the program's.

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "Core/UrlEncode.h"
#include "platform/Pdl.h"
#include "platform/ServerAddresses.h"
#include "scores/HiScoresFetcher.h"
#include "scores/HiScoresMutex.h"
#include "scores/HiScoresUploader.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/support/ScoreServerLink.h"
#include "tests/support/TempFolder.h"

class CountingListener : public HiScoresListenerI {
public:
    void requestRedraw() override { ++calls; }
    std::atomic<int> calls{0};
};

class FakeHistory : public HistorySampleSourceI {
public:
    String historySample() override
    {
        ++calls;
        onMainThread = std::this_thread::get_id() == mainThread;
        return "3,17,30017,41000,0,2,5";
    }
    std::thread::id mainThread = std::this_thread::get_id();
    int calls = 0;
    bool onMainThread = false;
};

// Waits up to `ms` for `done`, looking every 5 ms.
inline bool waitUntil(const std::function<bool()>& done, int ms = 5000)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// The fields of a form or query text, decoded.
inline std::map<std::string, std::string> formFields(const std::string& text)
{
    std::map<std::string, std::string> fields;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('&', start);
        if (end == std::string::npos)
            end = text.size();
        std::string pair = text.substr(start, end - start);
        size_t equals = pair.find('=');
        std::string key = pair.substr(0, equals);
        std::string value = equals == std::string::npos ? "" : pair.substr(equals + 1);
        std::string decoded;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '%' && i + 2 < value.size()) {
                decoded += static_cast<char>(strtol(value.substr(i + 1, 2).c_str(), nullptr, 16));
                i += 2;
            } else {
                decoded += value[i];
            }
        }
        if (!key.empty())
            fields[key] = decoded;
        start = end + 1;
    }
    return fields;
}

class ScoreServerTest : public TempFolderTest, protected ScoreServerLink {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        pdlSetUniqueId("0123456789abcdef");
        settings.switchA = true;
        settings.gameMode = 2;
        gSettings = &settings;
        gSaveSuppressed = false;
        gAbSettings.uhs = 0;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
    }

    void TearDown() override
    {
        shutDownScores();
        gSettings = nullptr;
        pdlSetUniqueId(nullptr);
        TempFolderTest::TearDown();
    }

    void startFetch(const char* name, int score, int slot, int timeFilter, int maxRows)
    {
        MutexLock lock(&gHiScoresMutex);
        fetcher.start(name, &listener, score, slot, timeFilter, maxRows);
    }

    std::string rowName(int index)
    {
        MutexLock lock(&gHiScoresMutex);
        const String& name = fetcher.results().rows[index].name;
        return std::string(name.c_str(), name.length());
    }

    int rowScore(int index)
    {
        MutexLock lock(&gHiScoresMutex);
        return fetcher.results().rows[index].score;
    }

    Settings settings;
    CountingListener listener;
};
