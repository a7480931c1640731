#include "game/AppBubbleHost.h"

#include "game/KelzoGame.h"

bool AppBubbleHost::tutorialDone() { return game_.tutorialDone; }

bool AppBubbleHost::onPlayScreen() { return game_.currentScreen == ScreenPlaying; }

SpriteRef AppBubbleHost::bubbleTail() { return game_.graphics.common[kEntryBubbleTail]; }
