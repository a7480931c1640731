#include "Core/Log.h"

#include "Core/UrlEncode.h"
#include "tests/support/LinkCatcher.h"
#include "tests/support/TempFolder.h"

#include <cctype>

TEST(Log, TimestampFormat)
{
    tm t = {};
    t.tm_mday = 5;
    t.tm_mon = 2;
    t.tm_year = 109;
    t.tm_hour = 14;
    t.tm_min = 7;
    t.tm_sec = 9;
    char stamp[96];
    formatLogTimestamp(stamp, sizeof stamp, t, 42);
    EXPECT_STREQ(stamp, " 05/03/09 14:07:09.042 ");
    t.tm_year = 126;
    t.tm_mday = 31;
    t.tm_mon = 11;
    formatLogTimestamp(stamp, sizeof stamp, t, 999);
    EXPECT_STREQ(stamp, " 31/12/26 14:07:09.999 ");
}

TEST(Log, LinePrefixStampMessage)
{
    testing::internal::CaptureStdout();
    logPrintf("ERR", "value %d", 7);
    logPrintf("", "ends\n");
    std::string out = testing::internal::GetCapturedStdout();
    // "9" stands for any digit.
    std::string shape = "ERR 99/99/99 99:99:99.999 value 7\n 99/99/99 99:99:99.999 ends\n";
    ASSERT_EQ(out.size(), shape.size()) << out;
    for (size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == '9')
            EXPECT_TRUE(isdigit(static_cast<unsigned char>(out[i]))) << out;
        else
            EXPECT_EQ(out[i], shape[i]) << out;
    }
}

namespace {

class LogMailTest : public TempFolderTest {};

std::string mailOf(const std::string& body) { return "mailto:?subject=Log&body=" + urlEncode(body); }

}  // namespace

TEST_F(LogMailTest, MailsTheTailOfTheLog)
{
    LinkCatcher links(folder());
    std::string log;
    for (int i = 0; log.size() < 100000; ++i)
        log += "line " + std::to_string(i) + "\n";
    log.resize(100000);
    writeFile("logfile.txt", log);

    mailLogFile(-1);
    EXPECT_EQ(links.link(), mailOf(log.substr(100000 - 62000)));

    writeFile("logfile.txt", "abcde");
    mailLogFile(10);
    EXPECT_EQ(links.link(), mailOf("abcde"));
    mailLogFile(2);
    EXPECT_EQ(links.link(), mailOf("de"));

    remove("logfile.txt");
    mailLogFile(-1);
    EXPECT_EQ(links.link(), mailOf("")) << "a missing log still opens the mail";
}

TEST_F(LogMailTest, MailsOnlyTheErrorLines)
{
    LinkCatcher links(folder());
    writeFile("logfile.txt", "ERR 01 first & last\nfine line\nsecond ERRor\r\nerr lower\nERR");
    mailErrorLog();
    EXPECT_EQ(links.link(), mailOf("ERR 01 first & lastsecond ERRor\rERR"));
}

TEST_F(LogMailTest, LongLogKeepsItsNewestPartWithinTheArgumentLimit)
{
    LinkCatcher links(folder());
    std::string log(62000, ' ');  // every byte triples when encoded
    log.replace(log.size() - 8, 8, "NEWEST!\n");
    writeFile("logfile.txt", log);
    mailLogFile(-1);
    std::string link = links.link();
    ASSERT_NE(link, "<none>");
    EXPECT_LE(link.size(), 120u * 1024u);
    EXPECT_GT(link.size(), 100u * 1024u) << "cut to fit, not dropped";
    EXPECT_EQ(link.substr(link.size() - 10), "NEWEST!%0a");
}
