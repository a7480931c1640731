#pragma once

// Extensions of the game's sound files. Effects are WAV. The music is Ogg Vorbis: the desktop
// mixer cannot play the phone's AAC tracks, so this is the one place that names the format.
constexpr const char* kEffectExtension = "wav";
constexpr const char* kMusicExtension = "ogg";
