#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class AbSettings;

// The experiment engine's files ("settings2b.dat", "settings2.dat", "settings3.dat") as the game reads them at
// start: the file under test holds the fuzzer's bytes, the other two are absent, and the game's engine loads
// (AbSettings::loadAtStart), which also saves. A second engine loading what the first saved must end in the
// same state: run counts, session id, every variation with its generation, and every counter.
void fuzzExperimentFile(const char* target, const char* fileName, const uint8_t* data, size_t size);

// What a load must restore: the header, the stored variations and the counters, as bytes.
std::string experimentState(AbSettings& engine);
// The game's engine for this device, loaded from the private folder.
const char* fuzzDeviceId();
