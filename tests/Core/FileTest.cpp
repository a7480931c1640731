#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <grp.h>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Core/File.h"

namespace {

// Each test works in its own empty folder under the test's working directory.
class FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::string("file_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        removeFolder();
        ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    }
    void TearDown() override { removeFolder(); }

    void removeFolder()
    {
        for (const char* leaf : {"/save.dat", "/save.dat.tmp", "/log.txt"})
            remove((folder + leaf).c_str());
        rmdir(folder.c_str());
    }

    std::string path(const char* leaf) const { return folder + "/" + leaf; }

    void writeWhole(const std::string& name, const std::string& bytes)
    {
        bool ok = false;
        File file(name.c_str(), false, false, true, &ok);
        ASSERT_TRUE(ok);
        ASSERT_EQ(file.write(bytes.data(), static_cast<int>(bytes.size())), static_cast<int>(bytes.size()));
        ASSERT_TRUE(file.commit());
    }

    std::string readWhole(const std::string& name)
    {
        bool ok = false;
        File file(name.c_str(), &ok);
        if (!ok)
            return "<missing>";
        String all = file.readAll();
        return std::string(all.c_str(), all.length());
    }

    // Runs `save` in a child process and returns its exit status.
    template <class Save>
    int inChild(Save save)
    {
        pid_t pid = fork();
        if (pid == 0)
            _exit(save());
        int status = -1;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string folder;
};

} // namespace

TEST_F(FileTest, MissingFileReportsFailureAndDoesNothing)
{
    bool ok = true;
    File file(path("absent.dat").c_str(), &ok);
    EXPECT_FALSE(ok);
    char buffer[4];
    EXPECT_EQ(file.read(buffer, 4), 0);
    EXPECT_EQ(file.write("abcd", 4), 0);
    EXPECT_EQ(file.tell(), 0);
    EXPECT_EQ(file.readAll(), "");
    int value = 9;
    EXPECT_FALSE(readInt(file, &value));
    EXPECT_EQ(value, 9);
    File noName(static_cast<const char*>(nullptr), nullptr);
    EXPECT_FALSE(noName.isOpen());
}

TEST_F(FileTest, SaveAndLoadRoundTrip)
{
    {
        bool ok = false;
        File out(String(path("save.dat").c_str()), false, false, true, &ok);
        ASSERT_TRUE(ok);
        EXPECT_TRUE(writeInt32(out, makeTag("ab01")));
        EXPECT_TRUE(writeByteString(out, "name"));
        EXPECT_TRUE(writeBool(out, true));
        EXPECT_TRUE(out.commit());
    }
    EXPECT_EQ(readWhole(path("save.dat")), std::string("10ba\x04\x00\x00\x00name\x01", 13));
    EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");

    bool ok = false;
    File in(path("save.dat").c_str(), &ok);
    ASSERT_TRUE(ok);
    int tag = 0;
    EXPECT_TRUE(readInt(in, &tag));
    EXPECT_EQ(tag, makeTag("ab01"));
    in.skip(4);
    EXPECT_EQ(in.tell(), 8);
    EXPECT_EQ(in.readAll(), String("name\x01"));
    EXPECT_EQ(in.tell(), 13);
    in.seek(4);
    String text;
    EXPECT_TRUE(streamReadByteString(in, &text));
    EXPECT_EQ(text, "name");
}

TEST_F(FileTest, CreateNewLeavesAnExistingFileAlone)
{
    writeWhole(path("save.dat"), "old");
    bool ok = true;
    File again(path("save.dat").c_str(), true, false, true, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(again.write("new", 3), 0);
    EXPECT_EQ(readWhole(path("save.dat")), "old");
    File fresh(path("log.txt").c_str(), true, false, false, &ok);
    EXPECT_TRUE(ok);
}

TEST_F(FileTest, AppendWritesAtTheEnd)
{
    writeWhole(path("log.txt"), "one\n");
    {
        bool ok = false;
        File log(path("log.txt").c_str(), false, true, false, &ok);
        ASSERT_TRUE(ok);
        log << "two" << "\n";
    }
    EXPECT_EQ(readWhole(path("log.txt")), "one\ntwo\n");
}

TEST_F(FileTest, OpenForWritingIsASafeSaveToo)
{
    writeWhole(path("save.dat"), "old");
    File file;
    ASSERT_TRUE(file.open(path("save.dat").c_str(), true));
    EXPECT_FALSE(file.open(path("save.dat").c_str(), false));
    file.write("new bytes", 9);
    EXPECT_EQ(readWhole(path("save.dat")), "old");
    EXPECT_TRUE(file.commit());
    EXPECT_EQ(readWhole(path("save.dat")), "new bytes");
    EXPECT_FALSE(file.close());
    EXPECT_FALSE(file.commit());
}

// A saver that gives up early (a failed write, an early return) must not
// put half a file in place of the good one, however it lets go of the file.
TEST_F(FileTest, SaveWithoutCommitKeepsTheOldFile)
{
    enum Ending { kDestroyed, kClosed, kDiscarded };
    for (Ending ending : {kDestroyed, kClosed, kDiscarded}) {
        SCOPED_TRACE(ending);
        writeWhole(path("save.dat"), "old");
        {
            bool ok = false;
            File file(path("save.dat").c_str(), false, false, true, &ok);
            ASSERT_TRUE(ok);
            EXPECT_EQ(file.write("half", 4), 4);
            if (ending == kClosed) {
                EXPECT_FALSE(file.close());
            }
            if (ending == kDiscarded)
                file.discard();
            EXPECT_EQ(readWhole(path("save.dat")), "old");
        }
        EXPECT_EQ(readWhole(path("save.dat")), "old");
        EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");
    }
}

TEST_F(FileTest, ClosingAFileReadOrAppendedIsNotACommit)
{
    writeWhole(path("log.txt"), "one\n");
    bool ok = false;
    File log(path("log.txt").c_str(), false, true, false, &ok);
    ASSERT_TRUE(ok);
    log << "two" << "\n";
    EXPECT_TRUE(log.commit());
    EXPECT_EQ(readWhole(path("log.txt")), "one\ntwo\n");
    File in(path("log.txt").c_str(), &ok);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(in.close());
}

TEST_F(FileTest, DiscardedSaveKeepsTheOldFile)
{
    writeWhole(path("save.dat"), "old");
    bool ok = false;
    File file(path("save.dat").c_str(), false, false, true, &ok);
    ASSERT_TRUE(ok);
    file.write("half", 4);
    file.discard();
    EXPECT_EQ(readWhole(path("save.dat")), "old");
    EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");
}

TEST_F(FileTest, SaveInterruptedByACrashLeavesTheOldFileIntact)
{
    const std::string old(5000, 'o');
    writeWhole(path("save.dat"), old);
    std::string name = path("save.dat");
    int status = inChild([&] {
        bool ok = false;
        File file(name.c_str(), false, false, true, &ok);
        if (!ok)
            return 1;
        const std::string half(3000, 'n');
        file.write(half.data(), 3000);
        file.flush();
        _exit(0);   // dies mid-save: no destructor, no close
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readWhole(path("save.dat")), old);
}

TEST_F(FileTest, SaveThatRunsOutOfSpaceFailsAndKeepsTheOldFile)
{
    const std::string old(500, 'o');
    writeWhole(path("save.dat"), old);
    std::string name = path("save.dat");
    // The child may write at most 1000 bytes per file, like a nearly full disk.
    int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {1000, 1000};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        bool ok = false;
        File file(name.c_str(), false, false, true, &ok);
        if (!ok)
            return 3;
        const std::string big(20000, 'n');
        file.write(big.data(), 20000);
        return file.commit() ? 4 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readWhole(path("save.dat")), old);
    EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");
}

// A file the player cannot read was never loaded, so no save may replace it; a folder at the name
// cannot be replaced either. The save says so and the temporary file goes.
TEST_F(FileTest, ASaveNeverReplacesAFileItCannotReadNorAFolder)
{
    writeWhole(path("save.dat"), "old");
    std::string name = path("save.dat");
    std::string folderName = folder;
    int status = inChild([&] {
        // Root reads whatever the permissions say: the child takes a player's rights.
        if (geteuid() == 0 && (chown(folderName.c_str(), 65534, 65534) != 0 ||
                               chown(name.c_str(), 65534, 65534) != 0 || setgroups(0, nullptr) != 0 ||
                               setgid(65534) != 0 || setuid(65534) != 0))
            return 2;
        if (chmod(name.c_str(), 0) != 0)
            return 3;
        bool ok = false;
        File file(name.c_str(), false, false, true, &ok);
        if (ok && file.write("new", 3) == 3 && file.commit())
            return 4;
        return chmod(name.c_str(), 0644) == 0 ? 0 : 5;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readWhole(name), "old");
    EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");

    ASSERT_EQ(remove(name.c_str()), 0);
    ASSERT_EQ(mkdir(name.c_str(), 0755), 0);
    bool ok = false;
    File file(name.c_str(), false, false, true, &ok);
    EXPECT_FALSE(ok && file.write("new", 3) == 3 && file.commit());
    struct stat info;
    EXPECT_TRUE(stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
    EXPECT_EQ(readWhole(path("save.dat.tmp")), "<missing>");
    rmdir(name.c_str());
}

// The fallback's log line says what stands at the name, so a player is not told that a folder or a
// link to nothing is damaged.
TEST_F(FileTest, TheStartingFreshLineSaysWhatStandsThere)
{
    const std::string name = path("save.dat");
    struct Case {
        const char* what;   // the command that makes it at the name
        bool opened;        // what the reader passes
        const char* line;
    };
    const Case cases[] = {
        {"true", false, "not found, starting fresh"},
        {"ln -s gone/nowhere", false, "not found, starting fresh"},
        {"mkdir", true, "is not a file, starting fresh; it is kept as it is"},
        {"echo x >", true, "is damaged, starting fresh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        system(("rm -rf '" + name + "'").c_str());
        ASSERT_EQ(system((std::string(c.what) + " '" + name + "'").c_str()), 0);
        testing::internal::CaptureStdout();
        logStartingFresh(name.c_str(), c.opened);
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find(name + " " + c.line), std::string::npos) << out;
    }
    system(("rm -rf '" + name + "'").c_str());
}
