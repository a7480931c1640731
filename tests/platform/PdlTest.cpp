#include "platform/Pdl.h"
#include "platform/ServerAddresses.h"

#include "tests/support/LinkCatcher.h"
#include "tests/support/LocaleVariables.h"
#include "tests/support/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool isHexId(const std::string& id)
{
    return !id.empty() && id.size() <= 64 && id.find_first_not_of("0123456789abcdef") == std::string::npos;
}

std::string uniqueId()
{
    char buffer[65];
    EXPECT_EQ(PDL_GetUniqueID(buffer, sizeof buffer), PdlOk);
    return buffer;
}

class PdlFolderTest : public TempFolderTest {};

}  // namespace

TEST(Pdl, DeviceIdIsStableHexAndCanBeSet)
{
    pdlSetUniqueId(nullptr);
    std::string id = uniqueId();
    EXPECT_TRUE(isHexId(id)) << id;
    EXPECT_EQ(uniqueId(), id);

    pdlSetUniqueId("0123abcd");
    EXPECT_EQ(uniqueId(), "0123abcd");
    char small[5];
    PDL_GetUniqueID(small, sizeof small);
    EXPECT_STREQ(small, "0123") << "cut to the caller's buffer";
    pdlSetUniqueId("");
    EXPECT_EQ(uniqueId(), id);
}

TEST_F(PdlFolderTest, DeviceIdSources)
{
    writeFile("machine-id", "0123456789abcdef0123456789abcdef\n");
    std::string hashed = pdlDeviceIdFrom("absent", "machine-id", "kept.txt");
    EXPECT_TRUE(isHexId(hashed)) << hashed;
    EXPECT_EQ(hashed.find("0123456789abcdef"), std::string::npos) << "the machine id itself is never sent";
    EXPECT_EQ(pdlDeviceIdFrom("machine-id", "absent", "kept.txt"), hashed);
    writeFile("other-id", "fedcba9876543210fedcba9876543210\n");
    EXPECT_NE(pdlDeviceIdFrom("other-id", "machine-id", "kept.txt"), hashed);
    EXPECT_EQ(readFile("kept.txt"), "<missing>");

    // No machine id: a random id, kept, and the same on the next run.
    std::string made = pdlDeviceIdFrom("absent", "absent", "kept.txt");
    EXPECT_TRUE(isHexId(made)) << made;
    EXPECT_EQ(pdlDeviceIdFrom("absent", "absent", "kept.txt"), made);
    writeFile("kept.txt", "NOT-HEX\n");
    std::string remade = pdlDeviceIdFrom("absent", "absent", "kept.txt");
    EXPECT_TRUE(isHexId(remade)) << remade;
    EXPECT_EQ(readFile("kept.txt"), remade + "\n");
}

TEST_F(PdlFolderTest, AnIdThatCannotBeKeptWholeIsNotKeptCutOff)
{
    // A nearly full disk: the child may write 10 bytes per file.
    pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {10, 10};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(2);
        _exit(isHexId(pdlDeviceIdFrom("absent", "absent", "kept.txt")) ? 0 : 3);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    // The next run must not take the first ten digits for its id.
    EXPECT_EQ(readFile("kept.txt"), "<missing>");
    EXPECT_EQ(readFile("kept.txt.tmp"), "<missing>");
}

TEST(Pdl, LanguageFromTheLocale)
{
    LocaleVariables restore;
    struct Case {
        const char *all, *messages, *lang, *expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, "en_US"},     {nullptr, nullptr, "de_DE.UTF-8", "de_DE"},
        {nullptr, "fr_FR", "de_DE", "fr_FR"},     {"it_IT@euro", "fr_FR", "de_DE", "it_IT"},
        {"", "", "es_ES", "es_ES"},               {"C", nullptr, "de_DE", "en_US"},
        {nullptr, nullptr, "POSIX", "en_US"},
    };
    for (const Case& c : cases) {
        restore.set(c.all, c.messages, c.lang);
        char buffer[64];
        EXPECT_EQ(PDL_GetLanguage(buffer, sizeof buffer), PdlOk);
        EXPECT_STREQ(buffer, c.expected);
    }
}

TEST(Pdl, SystemFacts)
{
    PdlOsVersion version;
    ASSERT_EQ(PDL_GetOSVersion(&version), PdlOk);
    EXPECT_GT(strlen(version.text), 0u);
    EXPECT_GT(version.majorVersion, 0);
    EXPECT_NE(pdlHardwareName(PDL_GetHardware()), nullptr);
    EXPECT_EQ(pdlHardwareName(99), nullptr);
}

TEST(Pdl, StateCalls)
{
    EXPECT_EQ(PDL_Init(0), PdlOk);
    EXPECT_TRUE(pdlIsInitialised());
    EXPECT_EQ(PDL_NotifyMusicPlaying(true), PdlOk);
    EXPECT_TRUE(pdlMusicPlaying());
    EXPECT_EQ(PDL_SetTouchAggression(2), PdlOk);
    EXPECT_EQ(pdlTouchAggression(), 2);
    EXPECT_EQ(PDL_Quit(), PdlOk);
    EXPECT_FALSE(pdlIsInitialised());
}

namespace {

struct StatusReply {
    int calls = 0;
    bool hasFlag = false;
    std::string flag;
    std::string missing = "unset";
};

bool onStatus(PdlServiceParams* params, void* context)
{
    StatusReply* reply = static_cast<StatusReply*>(context);
    ++reply->calls;
    reply->hasFlag = PDL_ParamExists(params, "isInternetConnectionAvailable");
    char buffer[16];
    PDL_GetParamString(params, "isInternetConnectionAvailable", buffer, sizeof buffer);
    reply->flag = buffer;
    PDL_GetParamString(params, "noSuchParam", buffer, sizeof buffer);
    reply->missing = buffer;
    return true;
}

}  // namespace

TEST(Pdl, ConnectionStatusService)
{
    StatusReply reply;
    EXPECT_EQ(PDL_ServiceCallWithCallback(kConnectionStatusService, "{}", onStatus, &reply, true), PdlOk);
    EXPECT_EQ(reply.calls, 1);
    EXPECT_TRUE(reply.hasFlag);
    EXPECT_TRUE(reply.flag == "true" || reply.flag == "false") << reply.flag;
    EXPECT_EQ(reply.missing, "");

    StatusReply other;
    EXPECT_NE(PDL_ServiceCallWithCallback("palm://com.example/none", "{}", onStatus, &other, true), PdlOk);
    EXPECT_EQ(other.calls, 0);
}

TEST(Pdl, ServersDefaultToThisMachine)
{
    for (const char* host : {gStatisticsServerHost, gScoreServerHost, gSupportServerHost})
        EXPECT_EQ(std::string(host).rfind("127.0.0.1:", 0), 0u) << host;
}

TEST_F(PdlFolderTest, LinksReachTheOpenerAsOneArgumentWithoutAShell)
{
    LinkCatcher links(folder());
    const char* tricky = "http://127.0.0.1/a b;touch pwned$(touch pwned2)`touch pwned3`'\"|&";
    EXPECT_EQ(PDL_LaunchBrowser(tricky), PdlOk);
    EXPECT_EQ(links.link(), tricky);
    EXPECT_EQ(readFile("pwned"), "<missing>");
    EXPECT_EQ(readFile("pwned2"), "<missing>");
    EXPECT_EQ(readFile("pwned3"), "<missing>");

    EXPECT_EQ(PDL_LaunchEmail("Hi there", "a&b=c\n"), PdlOk);
    EXPECT_EQ(links.link(), "mailto:?subject=Hi%20there&body=a%26b%3dc%0a");
}

TEST_F(PdlFolderTest, OnlyWebAndMailLinksAreOpened)
{
    LinkCatcher links(folder());
    for (const char* link : {"file:///etc/passwd", "--help", "javascript:x", ""})
        EXPECT_NE(PDL_LaunchBrowser(link), PdlOk) << link;
    EXPECT_EQ(PDL_LaunchBrowser("HTTPS://127.0.0.1/"), PdlOk);
    EXPECT_EQ(links.link(), "HTTPS://127.0.0.1/") << "the refused links never reached the opener";
}

TEST_F(PdlFolderTest, MissingOpenerIsReportedNotFatal)
{
    pdlSetOpenCommand("/nonexistent/opener");
    EXPECT_EQ(PDL_LaunchBrowser("http://127.0.0.1/"), PdlFailed);
    pdlSetOpenCommand(nullptr);
}
