// "fv.dat", read while the settings record takes its defaults; see OverrideFile.h.
#include "settings/Settings.h"
#include "tests/fuzz/support/OverrideFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzOverrideFile("fv_dat", kFixedVariationFileName, OverrideField::MainVariation, data, size);
    return 0;
}
