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
#include "tests/modes/PlayGlobals.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

// A game with popups between its levels, played in a folder of its own with the menu pictures and texts that
// name their ids ("T<id>", a few with their formats), with a recording host, the game's settings and every
// statistics counter at 0. The experiment values the fixture pins are put back afterwards.
class PopupGameTest : public MenuTestFolder, protected PlayGlobals {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        std::vector<std::string> texts = textsNamedByIds(500);
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
        // Pinned: no medals, the plain hint ladders, par growth 3, no Frenzy adjustments.
        for (int AbSettings::*field : kPinned)
            pin(gAbSettings.*field, -1);
        gAbSettings.cet = 3;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        enterPlay(&host, &host, 100000);
        gSettingsSaveSuppressed = false;   // the games write their bests files, and tests read them back
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        leavePlay();
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

    FakeGameHost host;
    static constexpr int AbSettings::*kPinned[] = {
        &AbSettings::ncm, &AbSettings::cmh, &AbSettings::cet, &AbSettings::ncp, &AbSettings::fsl, &AbSettings::flf,
        &AbSettings::fla, &AbSettings::fsi, &AbSettings::fsa, &AbSettings::fha, &AbSettings::flc, &AbSettings::fbs,
        &AbSettings::fmb, &AbSettings::fmd, &AbSettings::fmh, &AbSettings::fsp};
};

#endif
