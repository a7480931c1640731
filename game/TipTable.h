#ifndef KELZO_GAME_TIPTABLE_H
#define KELZO_GAME_TIPTABLE_H

#include "ui/BubbleStyle.h"

// One row per tip id (0..71), in the bubble's style layout: title and body
// text ids (-1 none), wrap width, anchor x and y (-1: automatic), below flag,
// x offset, font size offset, tail length and footer kind.
const int kTipRowCount = 72;
extern const BubbleStyle kTipTable[kTipRowCount];

#endif
