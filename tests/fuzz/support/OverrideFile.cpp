#include "tests/fuzz/support/OverrideFile.h"

#include <cstring>

#include "settings/Settings.h"
#include "tests/fuzz/support/FuzzSupport.h"

void fuzzOverrideFile(const char* target, const char* fileName, OverrideField field, const uint8_t* data,
                      size_t size)
{
    removeFuzzFile(kSettingsFileName);
    writeFuzzFile(fileName, data, size);
    int stored = -1;
    if (size >= 4)
        memcpy(&stored, data, 4);  // the files are little-endian, as is every machine the game runs on

    Settings settings;  // the defaults for this device, override files applied
    removeFuzzFile(fileName);
    Settings plain;
    int got = field == OverrideField::MainVariation ? settings.mainVariation : settings.instructionsVariation;
    int drawn = field == OverrideField::MainVariation ? plain.mainVariation : plain.instructionsVariation;
    int expected = stored >= 0 ? stored : drawn;
    if (got != expected)
        fuzzFailure(target, "file holding " + std::to_string(stored) + " gave " + std::to_string(got) +
                                ", not " + std::to_string(expected));
}
