#ifndef KELZO_TESTS_MODES_RULESFIXTURE_H
#define KELZO_TESTS_MODES_RULESFIXTURE_H

#include <gtest/gtest.h>

#include "settings/AbSettings.h"
#include "settings/Settings.h"

// Settings and experiment values pinned to the plain case: no speed-up, no
// scale or speed change, every experiment unset. A default Settings record
// draws its variations at random, so each test starts from this instead.
class RulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.fasterClock = false;
        settings.slowdownA = -1;
        settings.slowdownB = -1;
        settings.mainVariation = 0;
        settings.levelRepeatsVariation = 0;
        settings.freeSkipsVariation = -1;
        settings.mhVariation = false;
        settings.frenzySpeedFactor = 1.0f;
        settings.frenzyLessFactor = 1.0f;
    }

    Settings settings;
    AbSettings ab;   // every variation -1
};

#endif
