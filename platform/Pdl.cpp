#include "platform/Pdl.h"

#include "Core/File.h"
#include "Core/Hash.h"
#include "Core/Log.h"
#include "Core/Mutex.h"
#include "Core/UrlEncode.h"
#include "platform/OpenLink.h"

#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <string>
#include <strings.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <utility>
#include <vector>

const char kConnectionStatusService[] = "palm://com.palm.connectionmanager/getStatus";

struct PdlServiceParams {
    std::vector<std::pair<std::string, std::string>> values;
};

namespace {

const char kDeviceIdFile[] = "deviceId.txt";
const int kDeviceIdLength = 40;
const int kMaxDeviceIdLength = 64;
// The kernel refuses a single program argument longer than 128 KiB.
const size_t kMaxLinkLength = 120 * 1024;

Mutex gPdlMutex;  // ready before any constructor runs
std::atomic<bool> gInitialised{false};
std::atomic<bool> gMusicPlaying{false};
std::atomic<int> gTouchAggression{0};
// Made on first use: other globals' constructors ask for the device id before ours would have run.
struct PdlTexts {
    std::string deviceIdOverride;
    std::string deviceId;  // worked out once per run
    std::string openCommand = "xdg-open";
};

PdlTexts& texts()
{
    static PdlTexts made;
    return made;
}

// Copies `text` into the caller's buffer, cut to fit and NUL-terminated.
int copyOut(const std::string& text, char* buffer, int bufferLength)
{
    if (!buffer || bufferLength < 1)
        return PdlBadArgument;
    size_t n = std::min(text.size(), static_cast<size_t>(bufferLength - 1));
    memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return PdlOk;
}

bool isDeviceId(const std::string& id)
{
    if (id.empty() || id.size() > static_cast<size_t>(kMaxDeviceIdLength))
        return false;
    for (char c : id)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

std::string firstLineOf(const char* path)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return std::string();
    char line[256];
    std::string text = fgets(line, sizeof line, file) ? line : "";
    fclose(file);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.pop_back();
    return text;
}

// 40 hex digits from a text: the game never sends the machine id itself.
std::string hexDigestOf(const std::string& text)
{
    std::string salted = "kelzo device " + text;
    std::string hex;
    for (uint64_t round = 1; hex.size() < static_cast<size_t>(kDeviceIdLength); ++round) {
        uint64_t h = fnv1Hash64(salted.data(), static_cast<int>(salted.size()), 0xcbf29ce484222325ull * round);
        for (int shift = 56; shift >= 0; shift -= 8)
            hex += byteToHex(static_cast<int>(h >> shift));
    }
    hex.resize(kDeviceIdLength);
    return hex;
}

std::string randomDeviceId()
{
    unsigned char bytes[kDeviceIdLength / 2];
    int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    bool filled = fd >= 0 && read(fd, bytes, sizeof bytes) == static_cast<ssize_t>(sizeof bytes);
    if (fd >= 0)
        close(fd);
    if (!filled) {
        return hexDigestOf(std::to_string(time(nullptr)) + " " + std::to_string(getpid()) + " " +
                           std::to_string(clock()));
    }
    std::string hex;
    for (unsigned char b : bytes)
        hex += byteToHex(b);
    return hex;
}

// "de_DE.UTF-8@euro" -> "de_DE"; the C locale counts as none.
std::string localeLanguage()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(name);
        if (!value || !*value)
            continue;
        std::string locale(value, strcspn(value, ".@"));
        if (locale.empty() || locale == "C" || locale == "POSIX")
            break;
        return locale;
    }
    return "en_US";
}

bool linkIsAllowed(const char* link)
{
    for (const char* scheme : {"http:", "https:", "mailto:"})
        if (strncasecmp(link, scheme, strlen(scheme)) == 0)
            return true;
    return false;
}

int openLink(const std::string& link)
{
    if (!linkIsAllowed(link.c_str())) {
        logPrintf("ERR", "refused to open a link that is not http, https or mailto");
        return PdlBadArgument;
    }
    if (link.size() > kMaxLinkLength) {
        logPrintf("ERR", "refused to open a link of %zu bytes", link.size());
        return PdlBadArgument;
    }
    std::string program;
    {
        MutexLock lock(&gPdlMutex);
        program = texts().openCommand;
    }
    return openLinkWith(program.c_str(), link.c_str()) ? PdlOk : PdlFailed;
}

bool internetInterfaceUp()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool up = false;
    for (ifaddrs* a = list; a && !up; a = a->ifa_next) {
        bool hasAddress = a->ifa_addr && (a->ifa_addr->sa_family == AF_INET || a->ifa_addr->sa_family == AF_INET6);
        up = hasAddress && (a->ifa_flags & IFF_UP) && (a->ifa_flags & IFF_RUNNING) && !(a->ifa_flags & IFF_LOOPBACK);
    }
    freeifaddrs(list);
    return up;
}

}  // namespace

int PDL_Init(unsigned int /*flags*/)
{
    gInitialised = true;
    return PdlOk;
}

int PDL_Quit()
{
    gInitialised = false;
    return PdlOk;
}

bool pdlIsInitialised() { return gInitialised; }

int PDL_GetUniqueID(char* buffer, int bufferLength)
{
    MutexLock lock(&gPdlMutex);
    PdlTexts& t = texts();
    if (!t.deviceIdOverride.empty())
        return copyOut(t.deviceIdOverride, buffer, bufferLength);
    if (t.deviceId.empty())
        t.deviceId = pdlDeviceIdFrom("/etc/machine-id", "/var/lib/dbus/machine-id", kDeviceIdFile);
    return copyOut(t.deviceId, buffer, bufferLength);
}

std::string pdlDeviceIdFrom(const char* machineIdFile, const char* otherMachineIdFile, const char* keptFile)
{
    for (const char* path : {machineIdFile, otherMachineIdFile}) {
        std::string machineId = firstLineOf(path);
        if (!machineId.empty())
            return hexDigestOf(machineId);
    }
    std::string kept = firstLineOf(keptFile);
    if (isDeviceId(kept))
        return kept;
    logStartingFresh(keptFile, fileExists(keptFile));
    std::string made = randomDeviceId();
    // Saved whole or not at all: a cut-off id would still read as hex and change the device.
    std::string line = made + "\n";
    bool ok = false;
    File file(keptFile, false, false, true, &ok);
    ok = ok && file.write(line.data(), static_cast<int>(line.size())) == static_cast<int>(line.size()) &&
         file.commit();
    if (!ok)
        logPrintf("ERR", "cannot keep the device id in %s", keptFile);
    return made;
}

void pdlSetUniqueId(const char* id)
{
    MutexLock lock(&gPdlMutex);
    texts().deviceIdOverride = id ? std::string(id, strnlen(id, kMaxDeviceIdLength)) : std::string();
}

int PDL_GetLanguage(char* buffer, int bufferLength) { return copyOut(localeLanguage(), buffer, bufferLength); }

int PDL_GetOSVersion(PdlOsVersion* version)
{
    if (!version)
        return PdlBadArgument;
    memset(version, 0, sizeof *version);
    utsname system;
    if (uname(&system) != 0)
        return PdlFailed;
    snprintf(version->text, sizeof version->text, "%s %s", system.sysname, system.release);
    sscanf(system.release, "%d.%d.%d", &version->majorVersion, &version->minorVersion, &version->revision);
    return PdlOk;
}

int PDL_GetHardware()
{
    utsname system;
    if (uname(&system) != 0)
        return PdlHardwareUnknown;
    std::string machine = system.machine;
    if (machine == "x86_64")
        return PdlHardwareX86_64;
    if (machine.size() == 4 && machine[0] == 'i' && machine.compare(2, 2, "86") == 0)
        return PdlHardwareX86;
    if (machine == "aarch64" || machine == "arm64")
        return PdlHardwareArm64;
    if (machine.compare(0, 3, "arm") == 0)
        return PdlHardwareArm;
    return PdlHardwareUnknown;
}

const char* pdlHardwareName(int hardware)
{
    static const char* const names[] = {"unknown", "x86_64", "x86", "arm64", "arm"};
    if (hardware < 0 || hardware >= static_cast<int>(sizeof names / sizeof names[0]))
        return nullptr;
    return names[hardware];
}

std::string pdlMailLink(const char* subject, const char* body)
{
    std::string link = "mailto:?subject=" + urlEncode(std::string(subject ? subject : "")) + "&body=";
    std::string text = body ? body : "";
    size_t room = kMaxLinkLength > link.size() ? kMaxLinkLength - link.size() : 0;
    size_t start = text.size(), encodedLength = 0;
    while (start > 0) {
        size_t cost = urlEncode(text.substr(start - 1, 1)).size();
        if (encodedLength + cost > room)
            break;
        encodedLength += cost;
        --start;
    }
    return link + urlEncode(text.substr(start));
}

int PDL_LaunchEmail(const char* subject, const char* body) { return openLink(pdlMailLink(subject, body)); }

int PDL_LaunchBrowser(const char* url)
{
    if (!url || !*url)
        return PdlBadArgument;
    return openLink(url);
}

void pdlSetOpenCommand(const char* program)
{
    MutexLock lock(&gPdlMutex);
    texts().openCommand = program && *program ? program : "xdg-open";
}

int PDL_NotifyMusicPlaying(bool playing)
{
    gMusicPlaying = playing;
    return PdlOk;
}

bool pdlMusicPlaying() { return gMusicPlaying; }

int PDL_SetTouchAggression(int aggression)
{
    gTouchAggression = aggression;
    return PdlOk;
}

int pdlTouchAggression() { return gTouchAggression; }

int PDL_ServiceCallWithCallback(const char* uri, const char* /*payload*/, PdlServiceCallback callback, void* context,
                                bool /*removeAfterResponse*/)
{
    if (!uri || !callback)
        return PdlBadArgument;
    if (strcmp(uri, kConnectionStatusService) != 0) {
        logPrintf("ERR", "no platform service %s", uri);
        return PdlFailed;
    }
    PdlServiceParams reply;
    reply.values.emplace_back("returnValue", "true");
    reply.values.emplace_back("isInternetConnectionAvailable", internetInterfaceUp() ? "true" : "false");
    callback(&reply, context);
    return PdlOk;
}

bool PDL_ParamExists(PdlServiceParams* params, const char* name)
{
    if (!params || !name)
        return false;
    for (const auto& value : params->values)
        if (value.first == name)
            return true;
    return false;
}

int PDL_GetParamString(PdlServiceParams* params, const char* name, char* buffer, int bufferLength)
{
    if (params && name)
        for (const auto& value : params->values)
            if (value.first == name)
                return copyOut(value.second, buffer, bufferLength);
    copyOut(std::string(), buffer, bufferLength);
    return PdlFailed;
}
