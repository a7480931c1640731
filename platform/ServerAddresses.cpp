#include "platform/ServerAddresses.h"

const char kLoopbackServerHost[] = "127.0.0.1:8470";
const char* gStatisticsServerHost = kLoopbackServerHost;
const char* gScoreServerHost = kLoopbackServerHost;
const char* gSupportServerHost = kLoopbackServerHost;
const char* gPromoDefaultAdLink = "http://127.0.0.1:8470/store/harpsley";
const char* gOtherGameStoreLink = "http://127.0.0.1:8470/store/marbix";
