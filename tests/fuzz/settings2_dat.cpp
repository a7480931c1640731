// "settings2.dat", read by the experiment engine at start; see ExperimentFiles.h.
#include "settings/AbTester.h"
#include "tests/fuzz/support/ExperimentFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzExperimentFile("settings2_dat", kOldVariationsFileName, data, size);
    return 0;
}
