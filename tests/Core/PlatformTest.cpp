#include "Core/Platform.h"

#include "platform/Pdl.h"
#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <string>

TEST(Platform, Paths)
{
    EXPECT_EQ(std::string(makeResourcePath(String("english"), String("txt")).c_str()), "./english.txt");
    EXPECT_EQ(std::string(dataFilePath(String("hiScores.dat")).c_str()), "hiScores.dat");
}

TEST(Platform, DeviceFacts)
{
    pdlSetUniqueId("00ff");
    EXPECT_EQ(std::string(getUniqueDeviceId().c_str()), "00ff");
    pdlSetUniqueId(nullptr);
    EXPECT_GT(getUniqueDeviceId().length(), 0);
    EXPECT_GT(getOsVersion().length(), 0);
    EXPECT_GT(getHardware().length(), 0);

    const char* saved = getenv("LC_ALL");
    std::string savedValue = saved ? saved : "";
    setenv("LC_ALL", "DE_at.UTF-8", 1);
    EXPECT_EQ(std::string(getDeviceLanguage().c_str()), "de_");
    setenv("LC_ALL", "x", 1);
    EXPECT_EQ(std::string(getDeviceLanguage().c_str()), "x");
    saved ? setenv("LC_ALL", savedValue.c_str(), 1) : unsetenv("LC_ALL");
}

namespace {
class ResourceFileTest : public TempFolderTest {};
}  // namespace

TEST_F(ResourceFileTest, ReadsWholeFileOrNothing)
{
    writeFile("sample.txt", std::string("a\0b\nc", 5));
    String text = readResourceFile(String("sample"), String("txt"));
    EXPECT_EQ(std::string(text.c_str(), text.length()), std::string("a\0b\nc", 5));
    EXPECT_EQ(readResourceFile(String("absent"), String("txt")).length(), 0);
}
