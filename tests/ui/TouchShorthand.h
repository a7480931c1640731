#pragma once
// One-letter touch phases, so a table of touches reads as a row of gestures.
#include "ui/ViewElementI.h"

const int D = TouchDown, M = TouchMove, U = TouchUp;
