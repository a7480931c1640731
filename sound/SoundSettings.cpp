#include "sound/SoundSettings.h"

// The settings record and the variations are not part of the build yet: until they are, the
// sound layer runs on their defaults.
namespace {
const float kDefaultSliderLevel = 0.65f;
}

SoundVariations readSoundVariations() { return SoundVariations(); }

float settingsMusicVolume() { return kDefaultSliderLevel; }

float settingsEffectsVolume() { return kDefaultSliderLevel; }
