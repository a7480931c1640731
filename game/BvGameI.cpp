#include "game/BvGameI.h"

#include "game/MainLoop.h"
#include "game/PlatformState.h"

void BvGameI::swapBuffers() { presentFrame(); }

bool BvGameI::pollAndDispatchEvent() { return ::pollAndDispatchEvent(); }

bool BvGameI::isActive() { return gAppActive; }

bool BvGameI::redrawRequested() { return gPlatformState.redrawRequested; }

bool BvGameI::quitRequested() { return gPlatformState.quitRequested; }
