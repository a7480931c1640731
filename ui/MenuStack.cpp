#include "ui/MenuStack.h"

MenuStack gMenuStack;
