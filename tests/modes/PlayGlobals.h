#pragma once

// The globals a game plays against, set for one test and cleared after it: a settings record that is never
// saved, a fresh game clock the test moves by hand, the application that
// hears the board and the game, and experiment values pinned for the test. A fixture holds it as a base
// beside its own folder or GL base:
//
//   class MyTest : public TempFolderTest, protected PlayGlobals {
//       SetUp:    settings.startLevel = 2; enterPlay(&host, &host, 300000); pin(gAbSettings.fph, 15);
//       TearDown: finishAnimations(); leavePlay();
//   };

#include <cstdint>
#include <list>

#include "Core/GameClock.h"
#include "board/BoardHost.h"
#include "graphics/AnimationList.h"
#include "modes/GameHost.h"
#include "settings/Settings.h"
#include "tests/settings/ScopedVariation.h"

class PlayGlobals {
protected:
    void enterPlay(BoardHost* boardHost, GameHost* gameHost, int32_t startMs)
    {
        gSettingsSaveSuppressed = true;
        gSettings = &settings;
        startClockAt(startMs);
        gBoardHost = boardHost;
        gGameHost = gameHost;
    }

    // Puts back every pinned value, latest first, and clears what enterPlay set.
    void leavePlay()
    {
        while (!pinned_.empty())
            pinned_.pop_back();
        gBoardHost = nullptr;
        gGameHost = nullptr;
        gSettings = nullptr;
        gSettingsSaveSuppressed = false;
    }

    // An experiment value for this test; leavePlay puts the old one back. Pinning a field to its own value
    // only keeps it.
    void pin(int& field, int value) { pinned_.emplace_back(field, value); }

    // A fresh clock, whatever another test left on it (a pause, paused time), that reads `ms` from now on
    // and moves only when the test moves it.
    void startClockAt(int32_t ms)
    {
        gGameClock = GameClock();
        clock = ms;
        gGameClock.updateAt(clock);
    }

    void advance(int32_t ms)
    {
        clock += ms;
        gGameClock.updateAt(clock);
    }

    // Runs every animation to its end a second at a time, so none outlives the objects it moves.
    void finishAnimations()
    {
        while (updateAnimations(gAnimationList))
            advance(1000);
    }

    Settings settings;
    int32_t clock = 0;

private:
    std::list<ScopedVariation> pinned_;
};
