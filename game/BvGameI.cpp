#include "game/BvGameI.h"

#include "game/MainLoop.h"
#include "game/PlatformState.h"

BvGameI::BvGameI() : loadingScreen(this) { loadingScreen.inactivePauseMs = kInactiveRestMs; }

void BvGameI::swapBuffers() { presentFrame(); }

// Every pending event, as the main loop takes them: one at a time would lose
// input to SDL's small queue while the game loads.
bool BvGameI::pollAndDispatchEvent() { return drainEvents() > 0; }

bool BvGameI::isActive() { return gAppActive; }

bool BvGameI::redrawRequested() { return gPlatformState.redrawRequested; }

bool BvGameI::quitRequested() { return gPlatformState.quitRequested; }
