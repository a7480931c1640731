// Every state file survives a kill -9 in the middle of its save: a child process saves one file over
// and over with changing contents, the test kills it at a random moment, and the file's own reader
// must then find one complete version (the last one saved, or the one being saved), never a cut-off
// file, and never nothing once a save has completed.
//
// KELZO_KILLS sets the kills per file (50 by default); scripts/kill_saves.sh runs thousands.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/Pdl.h"
#include "settings/Settings.h"
#include "tests/reliability/SaverCases.h"
#include "tests/support/TempFolder.h"

namespace {

// What the child said before it died: "B v" before each save, "E v text" after it.
struct ChildReport {
    bool began = false;
    long lastBegun = 0;
    bool ended = false;
    std::string lastEnded;
    bool inProgress = false;  // the last save begun was not reported done
    int saves = 0;
};

ChildReport parseReport(const std::string& lines)
{
    ChildReport report;
    std::istringstream in(lines);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > 2 && line[0] == 'B') {
            report.began = true;
            report.inProgress = true;
            report.lastBegun = atol(line.c_str() + 2);
        } else if (line.size() > 2 && line[0] == 'E') {
            size_t text = line.find(' ', 2);
            report.ended = true;
            report.inProgress = false;
            report.lastEnded = text == std::string::npos ? "" : line.substr(text + 1);
            report.saves++;
        }
    }
    return report;
}

void say(int fd, const std::string& line)
{
    // Lines are far below PIPE_BUF, so each arrives whole or not at all.
    if (write(fd, line.data(), line.size()) < 0)
        _exit(3);
}

[[noreturn]] void runChild(const SaverCase& saver, long firstVersion, int fd)
{
    gSettingsSaveSuppressed = false;
    saver.prepare();
    say(fd, "R\n");  // ready: the kill's random moment counts from here
    for (long v = firstVersion;; ++v) {
        say(fd, "B " + text(v) + "\n");
        std::string saved = saver.save(v);
        if (saved.empty())
            _exit(2);
        say(fd, "E " + text(v) + " " + saved + "\n");
        if (saver.writtenOnce)
            pause();
    }
}

class KillDuringSaveTest : public TempFolderTest, public ::testing::WithParamInterface<SaverCase> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // This process only reads: a reader that wanted to write back must not hide what the child left.
        gSettingsSaveSuppressed = true;
        pdlSetUniqueId("5eed");
    }

    void TearDown() override
    {
        gSettingsSaveSuppressed = false;
        pdlSetUniqueId(nullptr);
        TempFolderTest::TearDown();
    }

    // Starts a saving child, kills it after `delayUs`, and returns what it had said.
    ChildReport killDuringSaves(const SaverCase& saver, long firstVersion, int delayUs)
    {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        fflush(nullptr);
        pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            runChild(saver, firstVersion, fds[1]);
        }
        close(fds[1]);
        EXPECT_GT(child, 0);
        // Starting a child takes longer than a save, and far longer under a sanitizer or on a busy
        // machine: the random moment counts from the child's first line, so the kills meet the saves.
        std::string lines;
        char buffer[4096];
        ssize_t got = 0;
        while (lines.find("R\n") == std::string::npos &&
               ((got = read(fds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)))
            if (got > 0)
                lines.append(buffer, static_cast<size_t>(got));
        usleep(delayUs);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        while ((got = read(fds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
            if (got > 0)
                lines.append(buffer, static_cast<size_t>(got));
        close(fds[0]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the child ended by itself (status " << status << "): a save failed";
        return parseReport(lines);
    }
};

#ifdef KELZO_SANITIZED
const int kLatestKillUs = 30000;
#else
const int kLatestKillUs = 8000;
#endif

int killsPerFile()
{
    const char* kills = getenv("KELZO_KILLS");
    return kills && atoi(kills) > 0 ? atoi(kills) : 50;
}

TEST_P(KillDuringSaveTest, FileHoldsOneWholeVersionAfterEveryKill)
{
    const SaverCase& saver = GetParam();
    unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // Kills land anywhere from before the first save to deep in the loop; a save takes about a millisecond,
    // several under the address sanitizer, whose fork and start-up cost more too.
    // On a busy machine a save (its fsync above all) can outlast the whole window: while no save was met,
    // every ten rounds reach four times further.
    int latestKillUs = kLatestKillUs;
    SCOPED_TRACE(std::string(saver.file) + ", seed " + std::to_string(seed));

    std::string onDisk = kNotThere;  // what the reader found after the last kill
    long nextVersion = 1;
    int savesSeen = 0;
    int killsAfterRename = 0;
    for (int round = 0; round < killsPerFile(); ++round) {
        if (saver.writtenOnce) {
            remove(saver.file);
            onDisk = kNotThere;
        }
        if (savesSeen == 0 && round > 0 && round % 10 == 0)
            latestKillUs *= 4;
        std::uniform_int_distribution<int> delay(0, latestKillUs);
        ChildReport report = killDuringSaves(saver, nextVersion, delay(random));
        std::string found = saver.load();
        std::string lastComplete = report.ended ? report.lastEnded : onDisk;
        // The version being saved when the kill came may be in place already (renamed, not yet reported).
        bool isTheOneInProgress = false;
        if (report.inProgress) {
            if (saver.versionText)
                isTheOneInProgress = found == saver.versionText(report.lastBegun);
            else
                isTheOneInProgress = found.size() == 40;  // a fresh random id: whole is all one can ask
        }
        ASSERT_TRUE(found == lastComplete || isTheOneInProgress)
            << "round " << round << ": the reader found \"" << found << "\"; last complete save \"" << lastComplete
            << "\"" << (report.inProgress ? ", a save was in progress" : "");
        if (found != lastComplete)
            killsAfterRename++;
        onDisk = found;
        savesSeen += report.saves;
        nextVersion = (report.began ? report.lastBegun : nextVersion) + 1;
    }
    // The kills must have met the saves, or the test proved nothing.
    EXPECT_GT(savesSeen, 0);
    RecordProperty("saves", savesSeen);
    RecordProperty("killsAfterRename", killsAfterRename);
}

INSTANTIATE_TEST_SUITE_P(Savers, KillDuringSaveTest, ::testing::ValuesIn(saverCases()), saverCaseName);

}  // namespace
