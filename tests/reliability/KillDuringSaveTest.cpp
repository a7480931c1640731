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
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Core/File.h"
#include "Core/Language.h"
#include "game/KelzoGame.h"
#include "menus/ContactFormState.h"
#include "menus/PromoHistory.h"
#include "platform/Pdl.h"
#include "scores/HiScoreTable.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/support/TempFolder.h"

namespace {

const char kNotThere[] = "";  // what a reader's probe gives for a missing file

// One saver of the game. The child calls save(version) again and again with a growing version;
// the parent calls load() after each kill. Both speak of a version as a text: load() gives
// kNotThere for a missing file and "damaged" (or any text no save wrote) when the reader fell back.
struct SaverCase {
    const char* file;
    // Called once in the child before its saves, for savers that keep an object.
    std::function<void()> prepare;
    // Saves `version`; returns the text load() will give for it, "" when the save failed.
    std::function<std::string(long version)> save;
    std::function<std::string()> load;
    // The text load() gives for a version; null for a file whose contents the saver makes up
    // itself (then only whole or missing can be asked of the version in progress).
    std::function<std::string(long version)> versionText;
    // True for a file written once (the first time it is missing): each round starts without it
    // and the child saves a single time.
    bool writtenOnce = false;
    // The test's name where one file has two savers; the file's name otherwise.
    const char* name = nullptr;
};

void PrintTo(const SaverCase& saver, std::ostream* out) { *out << saver.file; }

std::string text(long v) { return std::to_string(v); }
std::string languageText(long v) { return text(v % kLanguageCount); }
std::string playerText(long v) { return "player " + text(v); }

// The savers' objects live in the child only.
Settings* gChildSettings = nullptr;
AbSettings* gChildEngine = nullptr;
HiScoreTable* gChildScores = nullptr;

std::string saveEngine(long version)
{
    gChildEngine->runs = static_cast<int>(version);
    gChildEngine->realRuns = static_cast<int>(version);
    for (int i = 0; i < gChildEngine->counterCount(); ++i)
        gChildEngine->setCounter(i, static_cast<int>(version));
    return gChildEngine->save() ? text(version) : "";
}

std::string loadSettings()
{
    if (!fileExists(kSettingsFileName))
        return kNotThere;
    Settings settings;  // a copy that owns no file, so reading it saves nothing
    bool ok = false;
    File file(kSettingsFileName, &ok);
    return ok && settings.read(file, false) ? text(settings.playTimeTotal) : "damaged";
}

std::string loadVariations()
{
    if (!fileExists(kVariationsFileName))
        return kNotThere;
    AbSettings engine;  // never loaded, so it never saves
    bool ok = false;
    File file(kVariationsFileName, &ok);
    if (!ok || !engine.loadVariations(file, true))
        return "damaged";
    return engine.runs == engine.realRuns ? text(engine.runs) : "mixed";
}

std::string loadCounters()
{
    if (!fileExists(kCountersFileName))
        return kNotThere;
    AbSettings engine;
    if (!engine.loadCounters())
        return "damaged";
    for (int i = 1; i < engine.counterCount(); ++i)
        if (engine.counter(i) != engine.counter(0))
            return "mixed";
    return text(engine.counter(0));
}

std::function<std::string()> overrideLoader(const char* name)
{
    return [name]() -> std::string {
        if (!fileExists(name))
            return kNotThere;
        int value = -1;
        return readOverrideFile(name, &value) ? text(value) : "damaged";
    };
}

std::function<std::string(long)> overrideSaver(const char* name)
{
    return [name](long version) { return saveOverrideFile(name, static_cast<int>(version)) ? text(version) : ""; };
}

std::string loadLanguage()
{
    if (!fileExists("lang.dat"))
        return kNotThere;
    return loadLanguageChoice() ? text(currentLanguage()) : "damaged";
}

const char kDeviceIdFile[] = "deviceId.txt";
const char kNoMachineId[] = "/nonexistent/machine-id";

std::string loadDeviceId()
{
    std::string kept;
    if (!readFileBytes(kDeviceIdFile, &kept))
        return kNotThere;
    std::string id = pdlDeviceIdFrom(kNoMachineId, kNoMachineId, kDeviceIdFile);
    // The reader keeps a whole id; anything else it replaces by a new one.
    return kept == id + "\n" && id.size() == 40 ? id : "damaged";
}

std::string loadScores()
{
    if (!fileExists("hiScores.dat"))
        return kNotThere;
    HiScoreTable table;
    return table.load("hiScores.dat") ? std::string(table.onlineName().c_str()) : "damaged";
}

// The best score of the first slot: the saver stores ever higher scores, so the newest is on top.
std::string loadBestScore()
{
    if (!fileExists("hiScores.dat"))
        return kNotThere;
    HiScoreTable table;
    return table.load("hiScores.dat") ? text(table.slotList(0)[0].score) : "damaged";
}

std::string loadPromoHistory()
{
    if (!fileExists(PromoHistory::kFileName))
        return kNotThere;
    PromoHistory history;
    return history.load() ? text(history.counter0) : "damaged";
}

std::string saveContactForm(long version)
{
    ContactFormState form;
    form.email = String(text(version).c_str());
    form.feedback = "feedback";
    return form.save() ? text(version) : "";
}

std::string loadContactForm()
{
    if (!fileExists(ContactFormState::kFileName))
        return kNotThere;
    ContactFormState form;
    return form.load() ? std::string(form.email.c_str()) : "damaged";
}

// The game state: each save writes the players' names and then the player's file.
KelzoGame* gChildGame = nullptr;
const char kGameStateFile[] = "gameState.dat";
const char kPlayerStateFile[] = "gameState.dat0";

bool saveGameState(long version)
{
    gChildGame->playerNames[0] = String(playerText(version).c_str());
    gChildGame->reservedA = static_cast<int>(version);
    return gChildGame->saveState(false);
}

std::string loadPlayerNames()
{
    if (!fileExists(kGameStateFile))
        return kNotThere;
    bool ok = false;
    File file(kGameStateFile, &ok);
    int count = 0, player = -1;
    String name;
    if (!ok || !readInt(file, &count) || count != 1 || !streamReadByteString(file, &name) ||
        !readInt(file, &player) || player != 0)
        return "damaged";
    return name.c_str();
}

std::string loadPlayerState()
{
    if (!fileExists(kPlayerStateFile))
        return kNotThere;
    KelzoGame game;
    bool ok = false;
    File file(kPlayerStateFile, &ok);
    return ok && game.readGameModeState(file) ? text(game.reservedA) : "damaged";
}

void prepareChildGame()
{
    gChildGame = new KelzoGame();
    gChildGame->startFresh(false);
    gChildGame->statePath = kGameStateFile;
}

// Each file's saver as the game calls it, and its reader.
const SaverCase kSavers[] = {
    {kSettingsFileName, [] { gChildSettings = new Settings(kSettingsFileName, "5eed"); },
     [](long v) {
         gChildSettings->playTimeTotal = static_cast<int>(v);
         return gChildSettings->save() ? text(v) : "";
     },
     loadSettings, text},
    {kVariationsFileName, [] { gChildEngine = new AbSettings(); }, saveEngine, loadVariations, text},
    {kCountersFileName, [] { gChildEngine = new AbSettings(); }, saveEngine, loadCounters, text},
    {kFixedVariationFileName, [] {}, overrideSaver(kFixedVariationFileName), overrideLoader(kFixedVariationFileName),
     text},
    {kFixedInstructionsFileName, [] {}, overrideSaver(kFixedInstructionsFileName),
     overrideLoader(kFixedInstructionsFileName), text},
    {"lang.dat", [] {},
     [](long v) { return setLanguage(static_cast<int>(v % kLanguageCount)) ? languageText(v) : ""; }, loadLanguage,
     languageText},
    {kDeviceIdFile, [] {}, [](long) { return pdlDeviceIdFrom(kNoMachineId, kNoMachineId, kDeviceIdFile); }, loadDeviceId,
     nullptr, true},
    {"hiScores.dat",
     [] {
         gChildScores = new HiScoreTable();
         gChildScores->load("hiScores.dat");
     },
     [](long v) {
         gChildScores->setOnlineName(String("player ") + String::fromInt(static_cast<int>(v)));
         return playerText(v);
     },
     loadScores, playerText},
    {"hiScores.dat",
     [] {
         gChildScores = new HiScoreTable();
         gChildScores->load("hiScores.dat");
     },
     [](long v) {
         // A finished game's score, stored (and saved) as the new-high-score screen does; the table says no
         // more of that save, so a second one tells whether the file holds it.
         gChildScores->addScore(0, static_cast<int>(v), String("player"), static_cast<int>(v));
         return gChildScores->save() ? text(v) : "";
     },
     loadBestScore, text, false, "hiScores_dat_stored_score"},
    {PromoHistory::kFileName, [] { gPromoHistory = new PromoHistory; },
     [](long v) {
         gPromoHistory->counter0 = static_cast<int>(v);
         return gPromoHistory->save() ? text(v) : "";
     },
     loadPromoHistory, text},
    {ContactFormState::kFileName, [] {}, saveContactForm, loadContactForm, text},
    {kGameStateFile, prepareChildGame, [](long v) { return saveGameState(v) ? playerText(v) : ""; },
     loadPlayerNames, playerText},
    {kPlayerStateFile, prepareChildGame, [](long v) { return saveGameState(v) ? text(v) : ""; }, loadPlayerState,
     text},
};

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

#ifdef __SANITIZE_ADDRESS__
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
    std::uniform_int_distribution<int> delay(0, kLatestKillUs);
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

std::string caseName(const ::testing::TestParamInfo<SaverCase>& info)
{
    std::string name;
    for (const char* c = info.param.name ? info.param.name : info.param.file; *c; ++c)
        name += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Savers, KillDuringSaveTest, ::testing::ValuesIn(kSavers), caseName);

}  // namespace
