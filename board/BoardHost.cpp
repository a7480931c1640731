#include "board/BoardHost.h"

BoardHost* gBoardHost = nullptr;
