#include "sound/SoundSettings.h"

#include "settings/AbSettings.h"
#include "settings/Settings.h"

#include <cmath>

namespace {

// The slider default, for a sound layer running before the settings record exists.
const float kDefaultLevel = 0.65f;

// Levels come from a file: anything outside 0..1 (or not a number) is held inside it.
float level(float value) {
    if (!(value > 0.0f)) return 0.0f;
    return value > 1.0f ? 1.0f : value;
}

}  // namespace

SoundVariations readSoundVariations() {
    SoundVariations v;
    v.asq = gAbSettings.asq;
    v.wsq = gAbSettings.wsq;
    v.psq = gAbSettings.psq;
    v.usq = gAbSettings.usq;
    return v;
}

float settingsMusicVolume() { return gSettings ? level(gSettings->sliderB) : kDefaultLevel; }

float settingsEffectsVolume() { return gSettings ? level(gSettings->sliderA) : kDefaultLevel; }
