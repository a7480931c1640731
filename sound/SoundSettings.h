#pragma once

// What the sound layer reads of the player's settings and the experiment variations, in one
// place. Values are read at the time of use.

// The variations that set the effect volumes; -1 when unset.
struct SoundVariations {
    int asq = -1;
    int wsq = -1;
    int psq = -1;
    int usq = -1;
};

SoundVariations readSoundVariations();
float settingsMusicVolume();    // the music slider's level, 0..1
float settingsEffectsVolume();  // the effects slider's level, 0..1; also the game-over music's level
