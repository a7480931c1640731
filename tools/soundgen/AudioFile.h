// Writers for the two formats the game reads: 16-bit PCM WAV and Ogg Vorbis.
#pragma once

#include "StereoBuffer.h"

#include <string>

bool writeWav(const std::string& path, const StereoBuffer& sound);
// Variable bit rate at the given quality (-0.1 .. 1.0); a fixed stream serial keeps the output
// the same from run to run.
bool writeOggVorbis(const std::string& path, const StereoBuffer& sound, float quality);
