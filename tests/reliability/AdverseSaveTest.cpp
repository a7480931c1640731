// Every saver of the game under the conditions a player's machine can bring: a disk that fills up at
// any byte of a save, a folder that cannot be written, a file that cannot be read, a folder or a link
// to nothing where the file should be. The file that was there must stay whole and readable, and a
// save that did not land must not say it did; the next save, once the room is back, lands.
//
// Each case runs in a child process (the savers keep global objects, and the child may give up its
// root rights to meet the permissions a player has); the child writes what went wrong to a pipe.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Core/File.h"
#include "platform/Pdl.h"
#include "settings/Settings.h"
#include "tests/reliability/SaverCases.h"
#include "tests/support/TempFolder.h"

namespace {

// Runs `body` in a child and returns the problems it found, or why it died.
std::string inChild(const std::function<void(std::string* problems)>& body)
{
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        gSettingsSaveSuppressed = false;
        std::string problems;
        body(&problems);
        const char* next = problems.data();
        size_t left = problems.size();
        while (left > 0) {
            ssize_t put = write(fds[1], next, left);
            if (put <= 0)
                _exit(3);
            next += put;
            left -= static_cast<size_t>(put);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string problems;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            problems.append(buffer, static_cast<size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        problems += "the child died (status " + std::to_string(status) + ")\n";
    return problems;
}

// The most a process may write into one file, like the room left on a disk.
void setRoom(rlim_t bytes)
{
    struct rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

long fileSize(const char* name)
{
    struct stat info;
    return stat(name, &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

bool isFolder(const char* name)
{
    struct stat info;
    return lstat(name, &info) == 0 && S_ISDIR(info.st_mode);
}

// A player's rights: root reads and writes whatever the permissions say, a player does not. The
// test folder becomes the player's.
bool becomePlayer()
{
    if (geteuid() != 0)
        return true;
    const uid_t nobody = 65534;
    return chown(".", nobody, nobody) == 0 && setgroups(0, nullptr) == 0 && setgid(nobody) == 0 &&
           setuid(nobody) == 0;
}

// What load() must give after save() returned `saved` for `version`.
std::string expectedAfterSave(const SaverCase& saver, long version, const std::string& saved)
{
    return saver.versionText ? saver.versionText(version) : saved;
}

class AdverseSaveTest : public TempFolderTest, public ::testing::WithParamInterface<SaverCase> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        pdlSetUniqueId("5eed");
    }

    void TearDown() override
    {
        pdlSetUniqueId(nullptr);
        chmod(".", 0755);
        TempFolderTest::TearDown();
    }
};

// A save that meets a full disk at any byte fails, says so, and leaves the last file as it was.
TEST_P(AdverseSaveTest, AFullDiskAtAnyByteKeepsTheLastFileAndTheNextSaveLands)
{
    const SaverCase& saver = GetParam();
    const std::string problems = inChild([&saver](std::string* problems) {
        saver.prepare();
        if (saver.save(1).empty()) {
            *problems += "the first save failed\n";
            return;
        }
        const std::string temporary = std::string(saver.file) + ".tmp";
        signal(SIGXFSZ, SIG_IGN);
        const long size = fileSize(saver.file);
        for (long room = 0; room < size; ++room) {
            if (saver.writtenOnce)
                remove(saver.file);
            const std::string before = saver.load();
            setRoom(static_cast<rlim_t>(room));
            const std::string result = saver.save(2);
            setRoom(RLIM_INFINITY);
            const std::string after = saver.load();
            const std::string at = "room for " + std::to_string(room) + " of " + std::to_string(size) + " bytes: ";
            if (after != before)
                *problems += at + "the file held \"" + before + "\", then \"" + after + "\"\n";
            if (!saver.failureUnseen && !result.empty())
                *problems += at + "the save said it landed\n";
            if (fileExists(temporary.c_str()))
                *problems += at + "the temporary file was left behind\n";
        }
        const std::string saved = saver.save(2);
        if (saved.empty() || saver.load() != expectedAfterSave(saver, 2, saved))
            *problems += "with room again, the save did not land: the file holds \"" + saver.load() + "\"\n";
    });
    EXPECT_EQ("", problems);
}

// A folder, a link to nothing, a file without read permission where the file should be, or a folder
// that cannot be written: the reader does not crash, no save replaces what it could not read, and a
// save that cannot land says so.
TEST_P(AdverseSaveTest, WhatCannotBeReadOrWrittenIsKeptAndNoSaveSaysItLanded)
{
    const SaverCase& saver = GetParam();
    const std::string problems = inChild([&saver](std::string* problems) {
        if (!becomePlayer()) {
            *problems += "could not take a player's rights\n";
            return;
        }
        saver.prepare();
        const char* file = saver.file;
        auto failed = [&](const std::string& what, const std::string& result) {
            if (!saver.failureUnseen && !result.empty())
                *problems += what + ": the save said it landed\n";
        };

        mkdir(file, 0755);
        saver.load();
        failed("a folder at the file's name", saver.save(1));
        if (!isFolder(file))
            *problems += "the folder at the file's name was replaced\n";
        rmdir(file);

        if (symlink("gone/nowhere", file) != 0)
            *problems += "no link\n";
        if (saver.load() != kNotThere)
            *problems += "a link to nothing did not read as a missing file\n";
        std::string saved = saver.save(1);
        if (saved.empty() || saver.load() != expectedAfterSave(saver, 1, saved))
            *problems += "a save over a link to nothing did not land\n";

        const std::string kept = saver.load();
        chmod(file, 0);
        if (saver.load() == kept)
            *problems += "a file without read permission was read: the child has root's rights\n";
        failed("a file without read permission", saver.save(2));
        chmod(file, 0644);
        if (saver.load() != kept)
            *problems += "a file without read permission was replaced: it held \"" + kept + "\", now \"" +
                         saver.load() + "\"\n";

        if (saver.writtenOnce)
            rename(file, "kept");  // only a missing id asks for a save
        chmod(".", 0555);
        failed("a folder that cannot be written", saver.save(3));
        chmod(".", 0755);
        if (saver.writtenOnce)
            rename("kept", file);
        if (saver.load() != kept)
            *problems += "a save into a folder that cannot be written changed the file\n";
    });
    EXPECT_EQ("", problems);
}

INSTANTIATE_TEST_SUITE_P(Savers, AdverseSaveTest, ::testing::ValuesIn(saverCases()), saverCaseName);

}  // namespace
