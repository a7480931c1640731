#ifndef KELZO_SETTINGS_SAVEFILE_H
#define KELZO_SETTINGS_SAVEFILE_H

#include <functional>

#include "Core/Stream.h"
#include "Core/String.h"

// Saves the file `name` with `write` through a safe save: the old file stays
// whole unless `write` returns true and every write went through. Nothing is
// written while saving is suppressed (a reset is on its way out). True when
// the new file is in place.
bool saveFile(const String& name, const std::function<bool(StreamOut&)>& write);

#endif
