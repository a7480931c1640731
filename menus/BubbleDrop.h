#ifndef KELZO_MENUS_BUBBLEDROP_H
#define KELZO_MENUS_BUBBLEDROP_H

#include "Core/Ref.h"
#include "graphics/AnimationList.h"

// A screen that goes while its bubble still shows: the bubble of the held MenuBubble animation is deleted at
// once and the animation marked done, so the global animation list never draws a bubble of a screen that is
// gone; then the screen's share is released. Nothing happens for an empty holder.
void dropBubbleNow(Ref<AnimationI>* holder);

// The held bubble animation is running (not yet done).
bool bubbleRunning(const Ref<AnimationI>& holder);

#endif
