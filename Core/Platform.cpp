#include "Core/Platform.h"

#include "Core/File.h"
#include "platform/Pdl.h"

#include <cctype>

namespace {

const int kPlatformTextLength = 64;

}  // namespace

String getUniqueDeviceId()
{
    char buffer[kPlatformTextLength + 1] = {};
    PDL_GetUniqueID(buffer, sizeof buffer);
    return String(buffer);
}

String getDeviceLanguage()
{
    char buffer[kPlatformTextLength] = {};
    PDL_GetLanguage(buffer, sizeof buffer);
    buffer[3] = 0;
    for (int i = 0; i < 2 && buffer[i]; ++i)
        buffer[i] = static_cast<char>(tolower(static_cast<unsigned char>(buffer[i])));
    return String(buffer);
}

String getOsVersion()
{
    PdlOsVersion version = {};
    PDL_GetOSVersion(&version);
    version.text[sizeof version.text - 1] = 0;
    return String(version.text);
}

String getHardware()
{
    int hardware = PDL_GetHardware();
    const char* name = pdlHardwareName(hardware);
    return name ? String(name) : String::fromInt(hardware);
}

void launchEmail(const String& subject, const String& body) { PDL_LaunchEmail(subject.c_str(), body.c_str()); }

void launchBrowser(const char* url) { PDL_LaunchBrowser(url); }

void shutdownCore() {}

String makeResourcePath(const String& name, const String& ext) { return String("./") + name + "." + ext; }

String dataFilePath(const String& name) { return name; }

String readResourceFile(const String& name, const String& ext)
{
    bool ok = false;
    File file(makeResourcePath(name, ext), &ok);
    if (!ok)
        return String();
    return file.readAll();
}
