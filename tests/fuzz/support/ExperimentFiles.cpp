#include "tests/fuzz/support/ExperimentFiles.h"

#include "Core/MemoryStream.h"
#include "settings/AbSettings.h"
#include "tests/fuzz/support/FuzzSupport.h"

const char* fuzzDeviceId()
{
    return "0123456789abcdef";
}

std::string experimentState(AbSettings& engine)
{
    MemoryStreamOut out;
    engine.writeVariations(out);
    for (int i = 0; i < engine.counterCount(); ++i)
        writeInt32(out, engine.counter(i));
    return std::string(out.data(), out.size());
}

void fuzzExperimentFile(const char* target, const char* fileName, const uint8_t* data, size_t size)
{
    for (const char* name : {kVariationsFileName, kOldVariationsFileName, kCountersFileName})
        removeFuzzFile(name);
    writeFuzzFile(fileName, data, size);

    std::string first;
    {
        AbSettings engine;
        engine.loadAtStart(String(fuzzDeviceId()));
        first = experimentState(engine);
    }
    AbSettings again;
    again.loadAtStart(String(fuzzDeviceId()));
    expectSameBytes(target, "experiment files loaded, saved and loaded again", first, experimentState(again));
}
