#ifndef KELZO_TESTS_BOARD_LOADEDGRAPHICS_H
#define KELZO_TESTS_BOARD_LOADEDGRAPHICS_H

#include <gtest/gtest.h>

#include <unistd.h>

#include "board/GameGraphics.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

// The generated pictures of the game, loaded once for the whole test program from the data folder (theme 0).
// Needs the GL context of a GL test.
inline GameGraphics& loadedGraphics()
{
    static GameGraphics* graphics = nullptr;
    if (!graphics) {
        char here[4096];
        EXPECT_TRUE(getcwd(here, sizeof here) != nullptr);
        EXPECT_EQ(0, chdir(KELZO_DATA_DIR));
        graphics = new GameGraphics();
        gAbSettings.setCounter(StatChosenTheme, 0);
        loadCommonGraphics(*graphics);
        EXPECT_EQ(0, chdir(here));
    }
    return *graphics;
}

#endif
