// "settings.dat", read as the game reads it at start (a Settings record that owns the file). A record that
// was read must save and read back to the same record.
#include "Core/MemoryStream.h"
#include "settings/Settings.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

const char kDevice[] = "0123456789abcdef";

std::string written(const Settings& settings)
{
    MemoryStreamOut out;
    settings.write(out);
    return std::string(out.data(), out.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile(kSettingsFileName, data, size);
    std::string first;
    {
        Settings settings(kSettingsFileName, String(kDevice));
        first = written(settings);
        if (!settings.save())
            fuzzFailure("settings_dat", "settings.dat could not be saved");
    }
    Settings again(kSettingsFileName, String(kDevice));
    expectSameBytes("settings_dat", "settings read, saved and read again", first, written(again));
    return 0;
}
