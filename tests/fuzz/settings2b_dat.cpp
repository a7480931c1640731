// "settings2b.dat", read by the experiment engine at start; see ExperimentFiles.h.
#include "settings/AbTester.h"
#include "tests/fuzz/support/ExperimentFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzExperimentFile("settings2b_dat", kVariationsFileName, data, size);
    return 0;
}
