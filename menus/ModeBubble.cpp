#include "menus/ModeBubble.h"

OwnedPtr<MenuBubble> gModeBubble;
int32_t gModeBubbleTimer = -1;

void deleteModeBubble() { gModeBubble.reset(); }
