#ifndef KELZO_UI_TAPPABLELOG_H
#define KELZO_UI_TAPPABLELOG_H

#include "Core/String.h"

class MyView;

// The tappable children of a view and of the views inside it, as "tag:x,y" of each centre on the screen,
// separated by spaces, for the log: whoever drives the game from outside finds its buttons there. Positions
// are those the layout gave (the view drawn at its origin, unscaled).
String tappableChildrenText(MyView& view);

#endif
