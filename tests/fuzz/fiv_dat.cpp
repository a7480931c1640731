// "fiv.dat", read while the settings record takes its defaults; see OverrideFile.h.
#include "settings/Settings.h"
#include "tests/fuzz/support/OverrideFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzOverrideFile("fiv_dat", kFixedInstructionsFileName, OverrideField::InstructionsVariation, data, size);
    return 0;
}
