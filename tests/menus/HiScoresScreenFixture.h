#pragma once

// The high-score screen against tests/support/loopback_score_server.py: the test's own score workers (short
// time-outs) point at the server, the texts are "t<id>" (161 a format), the table lives in the test's folder,
// and the alerts the screen opens land on the menu stack, where the test answers them.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Core/GameClock.h"
#include "menus/HiScoresHostI.h"
#include "platform/Pdl.h"
#include "platform/ServerAddresses.h"
#include "scores/HiScoreTable.h"
#include "scores/HiScoresFetcher.h"
#include "scores/HiScoresMutex.h"
#include "scores/HiScoresUploader.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/support/ScoreServerLink.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

class FakeScoresHost : public HiScoresHostI {
public:
    String historySample() override { return "3*17*30017"; }
    int freePlayLevel() override { return level; }
    int puzzlesLeftInLevel() override { return puzzlesLeft; }
    int level = 12;
    int puzzlesLeft = 3;
};

class HiScoresScreenTest : public MenuTestFolder, protected ScoreServerLink {
protected:
    // The pictures the whole screen draws: frame, shadow, period bar, tiles, source control, name field.
    static void linkScreenPictures()
    {
        linkDataFiles({"Overlay_shrunk.png", "HighScoreShadow_shrunk.png", "PeriodBackground_284x46.png",
                       "PageDot_4x4.png", "Easy_small.png", "Medium_small.png", "Hard_small.png", "Left_69x30.png",
                       "Left_69x30_down.png", "Right_69x30.png", "Right_69x30_down.png",
                       "FieldBackground_281x47.png"});
    }

    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"Arrow_10x5.png"}));
        std::vector<std::string> texts;
        for (int i = 0; i < 300; i++)
            texts.push_back(i == 161 ? "Level %d" : "t" + std::to_string(i));
        useTexts(0, texts);
        pdlSetUniqueId("0123456789abcdef");
        gGameClock.current = 100000;
        settings.switchA = true;
        settings.gameMode = 1;
        settings.difficulty = 0;
        settings.scoreTimeFilter = -1;
        settings.hiScoreValue2 = -1;
        settings.hiScoreDefaultsKind = 0;
        gSettings = &settings;
        gSaveSuppressed = false;
        gAbSettings.uhs = 0;
        gAbSettings.dh = 2;
        gAbSettings.rhc = 0;
        uploader.setTimeout(2);
        fetcher.setTimeout(2);
        remove("hiScores.dat");  // the folder stays between runs
        table.load("hiScores.dat");
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        shutDownScores();
        gSettings = nullptr;
        pdlSetUniqueId(nullptr);
        MenuTestFolder::TearDown();
    }

    static int countContaining(const std::vector<LoggedRequest>& requests, const std::string& part)
    {
        int n = 0;
        for (const LoggedRequest& r : requests)
            n += r.path.find(part) != std::string::npos ? 1 : 0;
        return n;
    }

    // Runs the screen's frames (10 ms of game clock each) until `done`, at most ms of real time.
    template <class Screen>
    bool framesUntil(Screen& screen, const std::function<bool()>& done, int ms = 6000)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            gGameClock.current += 10;
            screen.update(41, 120);
            if (done())
                return true;
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    Settings settings;
    HiScoreTable table;
    FakeScoresHost scoresHost;
};
