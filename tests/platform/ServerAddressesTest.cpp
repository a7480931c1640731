#include "platform/ServerAddresses.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

struct HostCase {
    const char* value;  // null: the variable is not set
    const char* host;   // where all three servers point afterwards
};

TEST(ServerAddressesTest, TheEnvironmentMayNameTheServersHost)
{
    const HostCase cases[] = {
        {nullptr, kLoopbackServerHost},
        {"", kLoopbackServerHost},
        {"127.0.0.1:34567", "127.0.0.1:34567"},
        {"[::1]:8080", "[::1]:8080"},
        {"127.0.0.1:80/evil?x=", kLoopbackServerHost},  // nothing that could add a path
        {"a host", kLoopbackServerHost},
    };
    for (const HostCase& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        gStatisticsServerHost = gScoreServerHost = gSupportServerHost = kLoopbackServerHost;
        if (c.value)
            setenv(kServerHostVariable, c.value, 1);
        else
            unsetenv(kServerHostVariable);
        takeServerHostFromEnvironment();
        EXPECT_STREQ(gStatisticsServerHost, c.host);
        EXPECT_STREQ(gScoreServerHost, c.host);
        EXPECT_STREQ(gSupportServerHost, c.host);
    }
    unsetenv(kServerHostVariable);
    gStatisticsServerHost = gScoreServerHost = gSupportServerHost = kLoopbackServerHost;
}

}  // namespace
