#pragma once

#include <cstddef>
#include <cstdint>

// "fv.dat" and "fiv.dat": one int each that, when not negative, replaces a per-device draw of the settings
// record's defaults. Read as the game reads them (a record made while "settings.dat" is absent).
enum class OverrideField { MainVariation, InstructionsVariation };
void fuzzOverrideFile(const char* target, const char* fileName, OverrideField field, const uint8_t* data,
                      size_t size);
