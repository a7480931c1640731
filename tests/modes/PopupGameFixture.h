#ifndef KELZO_TESTS_MODES_POPUPGAMEFIXTURE_H
#define KELZO_TESTS_MODES_POPUPGAMEFIXTURE_H

#include <unistd.h>

#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "modes/BetweenLevelsPopup.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/modes/FakeGameHost.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

// A game with popups between its levels, played in a folder of its own with the menu pictures and texts that
// name their ids ("T<id>", a few with their formats), with a recording host, the game's settings and every
// statistics counter at 0. The experiment values a test sets are put back afterwards.
class PopupGameTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        std::vector<std::string> texts;
        for (int id = 0; id < 500; id++)
            texts.push_back("T" + std::to_string(id));
        texts[239] = "Level %d";
        texts[256] = "Solved %d of %d";
        texts[257] = "Gave up after %d of %d";
        texts[483] = "%s|%s|%d";
        texts[484] = "%s|%s|%d";
        texts[485] = "Level %d done";
        useTexts(0, texts);
        settings.difficulty = 1;
        settings.startLevel = 1;
        settings.levelRepeatsVariation = 0;
        settings.fasterClock = false;
        settings.ltVariation = 0;
        settings.frenzyUnlocked = 1;
        settings.frenzySpeedFactor = 1.0f;
        settings.frenzyLessFactor = 1.0f;
        gSettings = &settings;
        // Pinned: no medals, the plain hint ladders, par growth 3, no Frenzy adjustments.
        for (int AbSettings::*field : kPinned) {
            kept.push_back(gAbSettings.*field);
            gAbSettings.*field = -1;
        }
        gAbSettings.cet = 3;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        releaseClock();
        clock = 100000;
        gGameClock.updateAt(clock);
        gBoardHost = &host;
        gGameHost = &host;
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        for (size_t i = 0; i < kept.size(); i++)
            gAbSettings.*kPinned[i] = kept[i];
        gBoardHost = nullptr;
        gGameHost = nullptr;
        gSettings = nullptr;
        releaseClock();
        MenuTestFolder::TearDown();
    }

    // The test drives the game clock (updateAt); a popup stops it on the real clock, which this undoes.
    static void releaseClock()
    {
        gGameClock.paused = false;
        gGameClock.pausedTotal = 0;
    }

    // The popup on top of the stack.
    static BetweenLevelsPopup* popup() { return dynamic_cast<BetweenLevelsPopup*>(gMenuStack.top()); }

    // The top popup answered as a tap on its button would, then closed; it must answer to `game`.
    static void answer(AlertViewCallbackI* game, int button)
    {
        BetweenLevelsPopup* top = popup();
        ASSERT_NE(top, nullptr);
        ASSERT_EQ(top->callback, game);
        top->callback->alertButtonClicked(button, top);
        gMenuStack.deleteAllMenus();
        // The application's answer goes back to play, with the clock the popup stopped.
        releaseClock();
    }

    bool hasEvent(int kind, int delay) const
    {
        for (const FakeBoardHost::Event& e : host.events)
            if (e.kind == kind && e.delay == delay)
                return true;
        return false;
    }

    bool hasAppendedEvent(int kind, int delay) const
    {
        for (const FakeBoardHost::Event& e : host.appendedEvents)
            if (e.kind == kind && e.delay == delay)
                return true;
        return false;
    }

    void advanceClock(int ms)
    {
        clock += ms;
        gGameClock.updateAt(clock);
    }

    Settings settings;
    FakeGameHost host;
    static constexpr int AbSettings::*kPinned[] = {
        &AbSettings::ncm, &AbSettings::cmh, &AbSettings::cet, &AbSettings::ncp, &AbSettings::fsl, &AbSettings::flf,
        &AbSettings::fla, &AbSettings::fsi, &AbSettings::fsa, &AbSettings::fha, &AbSettings::flc, &AbSettings::fbs,
        &AbSettings::fmb, &AbSettings::fmd, &AbSettings::fmh, &AbSettings::fsp};
    std::vector<int> kept;
    int clock = 0;
};

#endif
