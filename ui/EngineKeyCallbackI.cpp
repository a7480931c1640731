#include "ui/EngineKeyCallbackI.h"

EngineKeyCallbackI* gKeyReceiver = nullptr;
