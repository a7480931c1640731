#pragma once

#include <cstdint>
#include <string>

// Our desktop stand-in for the phone's platform service library: the calls the game makes for
// device facts, hand-offs to other applications and platform services, answered from this machine.
// Every call returns PdlOk (0) on success.

enum PdlResult { PdlOk = 0, PdlFailed = 1, PdlBadArgument = 2 };

int PDL_Init(unsigned int flags);
int PDL_Quit();
bool pdlIsInitialised();

// A stable id of this device, only [0-9a-f], at most 64 bytes: a hash of the machine id, or, where
// the machine has none, a random id kept in "deviceId.txt" of the working directory. Cut to fit
// the buffer (always NUL-terminated).
int PDL_GetUniqueID(char* buffer, int bufferLength);
// How the id is found: a hash of the first machine-id file that holds one, else the id kept in
// keptFile, which is made (random) when it is missing or damaged.
std::string pdlDeviceIdFrom(const char* machineIdFile, const char* otherMachineIdFile, const char* keptFile);
// Test hook: use this id from now on (null or "" goes back to the machine's own).
void pdlSetUniqueId(const char* id);

// The user's locale from LC_ALL, LC_MESSAGES or LANG, such as "de_DE"; "en_US" when none is set.
int PDL_GetLanguage(char* buffer, int bufferLength);

struct PdlOsVersion {
    int32_t majorVersion;
    int32_t minorVersion;
    int32_t revision;
    char text[256];  // such as "Linux 6.1.0-18-amd64"
};
int PDL_GetOSVersion(PdlOsVersion* version);

enum PdlHardware { PdlHardwareUnknown = 0, PdlHardwareX86_64 = 1, PdlHardwareX86 = 2, PdlHardwareArm64 = 3, PdlHardwareArm = 4 };
int PDL_GetHardware();
const char* pdlHardwareName(int hardware);  // null for an id it does not know

// Hand a mail or a web link to the desktop's own applications (xdg-open, run directly, never
// through a shell). Only http:, https: and mailto: links are handed on.
int PDL_LaunchEmail(const char* subject, const char* body);
// "mailto:?subject=...&body=..." with both percent-encoded; a body too long for one program
// argument keeps its end (the newest part of a log).
std::string pdlMailLink(const char* subject, const char* body);
int PDL_LaunchBrowser(const char* url);
// Test hook: the program that opens links (null goes back to "xdg-open").
void pdlSetOpenCommand(const char* program);

int PDL_NotifyMusicPlaying(bool playing);
bool pdlMusicPlaying();
int PDL_SetTouchAggression(int aggression);
int pdlTouchAggression();

// Platform services. The reply comes to the callback as named string parameters; it is delivered
// before the call returns. Known service: the connection manager's status
// ("palm://com.palm.connectionmanager/getStatus"), whose reply has "returnValue" and
// "isInternetConnectionAvailable" ("true" when a network interface other than loopback is up).
struct PdlServiceParams;
typedef bool (*PdlServiceCallback)(PdlServiceParams* params, void* context);
int PDL_ServiceCallWithCallback(const char* uri, const char* payload, PdlServiceCallback callback, void* context,
                                bool removeAfterResponse);
bool PDL_ParamExists(PdlServiceParams* params, const char* name);
// Copies the value (empty when absent), cut to fit and NUL-terminated.
int PDL_GetParamString(PdlServiceParams* params, const char* name, char* buffer, int bufferLength);

extern const char kConnectionStatusService[];
