#include "platform/ServerAddresses.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "Core/Log.h"

const char kLoopbackServerHost[] = "127.0.0.1:8470";
const char* gStatisticsServerHost = kLoopbackServerHost;
const char* gScoreServerHost = kLoopbackServerHost;
const char* gSupportServerHost = kLoopbackServerHost;
const char* gPromoDefaultAdLink = "http://127.0.0.1:8470/store/harpsley";
const char* gOtherGameStoreLink = "http://127.0.0.1:8470/store/marbix";
const char* gOwnStoreLink = "http://127.0.0.1:8470/store/kelzo";

const char kServerHostVariable[] = "KELZO_SERVER_HOST";

void takeServerHostFromEnvironment()
{
    const char* value = getenv(kServerHostVariable);
    if (!value || !*value)
        return;
    // It ends up inside URLs: a host name or address and a port, nothing that could add a path.
    const size_t length = strlen(value);
    if (length > 255 || strspn(value, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.-:[]") != length) {
        logPrintf("ERR", "%s is not a host[:port], the servers stay at %s", kServerHostVariable, gScoreServerHost);
        return;
    }
    static std::string host;  // the pointers below keep pointing at it
    host = value;
    gStatisticsServerHost = gScoreServerHost = gSupportServerHost = host.c_str();
    logPrintf("LOG", "servers at %s", gScoreServerHost);
}
