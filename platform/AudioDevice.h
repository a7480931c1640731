#pragma once

#include <cstdint>

// Opens the mixer on the machine's sound device. A desktop without one (a container, a headless build
// machine) gets SDL's dummy audio driver instead: the game runs silent, with a log line, rather than
// refusing to start. SDL's audio subsystem must be started already (SDL_Init with SDL_INIT_AUDIO).
// Returns Mix_OpenAudio's result: 0 when the mixer is open (on a device or silent).
int openAudioDevice(int frequency, uint16_t format, int channels, int chunkSize);
// True when the mixer runs on the dummy driver because no device could be opened.
bool audioIsSilent();
