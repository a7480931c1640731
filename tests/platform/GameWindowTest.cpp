#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <cstdlib>

#include "platform/GameWindow.h"

// A video driver that gives no X11 window (SDL's dummy driver) cannot carry
// the game's GL context: the open fails and leaves nothing open behind it.
TEST(GameWindowTest, AWindowWithoutAContextIsRefusedAndNothingStaysOpen)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
    EXPECT_FALSE(openGameWindow(320, 480, "Kelzo"));
    EXPECT_FALSE(gameWindowIsOpen());
    swapGameWindow();   // nothing to show: does nothing
    closeGameWindow();
    SDL_Quit();
}
