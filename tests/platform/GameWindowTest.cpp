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

namespace {

SDL_Event eventOfType(Uint8 type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

int queuedEvents()
{
    SDL_Event taken[256];
    return SDL_PeepEvents(taken, 256, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

}  // namespace

// A fast mouse fills SDL's queue of 128 events, and a full queue drops presses and releases too: the filter lets
// motions go once 64 wait, however long the flood, and always lets a button event in.
TEST(GameWindowTest, AFloodOfMotionsLeavesRoomForTheButtons)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
    SDL_SetEventFilter(filterWindowEvents);
    SDL_Event motion = eventOfType(SDL_MOUSEMOTION);
    SDL_Event press = eventOfType(SDL_MOUSEBUTTONDOWN);
    SDL_Event release = eventOfType(SDL_MOUSEBUTTONUP);
    int kept = 0;
    for (int i = 0; i < 1000; i++) {
        if (filterWindowEvents(&motion)) {
            ASSERT_EQ(SDL_PushEvent(&motion), 0);
            kept++;
        }
        if (i == 500) {
            ASSERT_EQ(filterWindowEvents(&press), 1);
            ASSERT_EQ(SDL_PushEvent(&press), 0);
        }
    }
    EXPECT_EQ(kept, 64);
    ASSERT_EQ(filterWindowEvents(&release), 1);
    ASSERT_EQ(SDL_PushEvent(&release), 0);
    EXPECT_EQ(queuedEvents(), 66);

    // Once the game has taken the motions, new ones are queued again.
    SDL_Event taken[64];
    ASSERT_EQ(SDL_PeepEvents(taken, 64, SDL_GETEVENT, SDL_MOUSEMOTIONMASK), 64);
    EXPECT_EQ(filterWindowEvents(&motion), 1);
    EXPECT_EQ(queuedEvents(), 2);
    SDL_SetEventFilter(nullptr);
    SDL_Quit();
}
