#include "menus/ConsoleCommands.h"

#include <dirent.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Core/File.h"
#include "Core/Platform.h"
#include "menus/BuildInfoText.h"
#include "Core/GameClock.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "settings/AbTester.h"
#include "settings/Settings.h"

const char kConsoleHelpText[] =
    "bv.version - version info\n"
    "bv.reset.all - reset to fresh install\n"
    "bv.unlock N - unlock Nth level\n"
    "bv.speedup.on/off - faster clock\n"
    "bv.poweropts.on/off - power opts\n"
    "bv.cheat.on/off - free hints\n"
    "\n"
    "bv.display.fps - show fps\n"
    "bv.display.all - show fps+more\n"
    "bv.display.none - disable fps\n"
    "\n"
    "bv.newest.variations - latest\n"
    "bv.variation N - set level-limit\n"
    "bv.slowdown.variation N\n"
    "[welldone,instructions,fx,levelset,levelrepeats,limitnumballs,linkshare,freeskips]\n"
    "bv.set var N\n";

namespace {

const int kFreePlayLevels = 30;
const int kChallengeLevels = 30;
const int kFrenzyUnlockedMs = 3600000;
const int kChallengeUnlockedSeconds = 3600;
const int kArcade = 0;
const int kChallenge = 3;
const float kFactorUnset = -1.0f;

// Files of a fresh installation's absence, in the order they go.
const char* const kStateFiles[] = {"gameState.dat",     "gameState.dat0",        "settings.dat", "settings2.dat",
                                   "settings2b.dat",    "settings3.dat",         "hiScores.dat", "fv.dat",
                                   "lang.dat",          "personalBests.dat",     "fPersonalBests.dat", "fiv.dat",
                                   "contactMenuState.dat", "hist.dat"};
// What a new variation file makes stale.
const char* const kVariationStaleFiles[] = {"gameState.dat", "gameState.dat0", "settings.dat", "hiScores.dat"};
const char kPlayerFilePrefix[] = "gameState.dat";
const char kTempSuffix[] = ".tmp";

AlertOptions alertStyle(int fontSize, bool compact, bool wide)
{
    AlertOptions options;
    options.messageFontSize = fontSize;
    options.compact = compact ? 1 : 0;
    options.wide = wide ? 1 : 0;
    return options;
}

void plainAlert(ConsoleHostI& host, const char* title, const char* message)
{
    host.showAlert(title, message, alertStyle(16, false, false));
}

// A finite number above 0 and nothing else in the word.
bool readPositiveFactor(const String& word, float* out)
{
    const char* text = word.c_str();
    char* end = nullptr;
    const double value = strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0.0 || value > 1e30)
        return false;
    *out = (float)value;
    return true;
}

bool endsWith(const char* name, const char* suffix)
{
    const size_t n = strlen(name), s = strlen(suffix);
    return n >= s && strcmp(name + n - s, suffix) == 0;
}

// "gameState.dat" followed by digits only: a player's game file.
bool isPlayerGameFile(const char* name)
{
    const size_t prefix = strlen(kPlayerFilePrefix);
    if (strncmp(name, kPlayerFilePrefix, prefix) != 0 || name[prefix] == '\0')
        return false;
    for (const char* p = name + prefix; *p; p++)
        if (*p < '0' || *p > '9')
            return false;
    return true;
}

void removeDataFile(const char* name)
{
    remove(dataFilePath(name).c_str());
    remove(dataFilePath(String(name) + kTempSuffix).c_str());
}

// The folder the data files live in, with its trailing slash ("" for the working directory).
String dataFolder()
{
    const String probe = dataFilePath("x");
    const char* slash = strrchr(probe.c_str(), '/');
    return slash ? probe.mid(0, (int)(slash - probe.c_str()) + 1) : String();
}

void writeVariationFileAndQuit(const char* fileName, int value, ConsoleHostI& host)
{
    bool ok = false;
    File file(dataFilePath(fileName).c_str(), false, false, true, &ok);
    if (ok && writeInt32(file, value))
        file.commit();
    for (const char* name : kVariationStaleFiles)
        remove(dataFilePath(name).c_str());
    gSaveSuppressed = true;
    host.requestQuit();
}

class Console {
public:
    Console(const String& typed, Settings& s, AbTester& e, ConsoleHostI& h) : text(typed), settings(s), engine(e),
                                                                                 host(h)
    {
        text.toLowerCase();
        words = text.split(' ');
    }

    void run();

private:
    bool is(const char* command) const { return text == command; }
    bool word(const char* command, int count) const { return words.size() == count && words[0] == command; }
    bool wordAtLeast(const char* command, int count) const
    {
        return words.size() >= count && words[0] == command;
    }
    int number(int index) const { return atoi(words[index].c_str()); }

    bool runInformation();
    bool runUnlocks();
    bool runSwitches();
    bool runFactors();
    bool runMails();
    bool runThemes();
    bool runVariations();
    bool runLoad();
    void setFactor(float* field, const char* command, const char* title, const char* message);
    void setVariation(int* field, bool showInfo);

    String text;
    Array<String> words;
    Settings& settings;
    AbTester& engine;
    ConsoleHostI& host;
};

void Console::run()
{
    if (runInformation() || runUnlocks() || runSwitches() || runLoad() || runFactors() || runMails() ||
        runThemes() || runVariations())
        return;
    if (is("bv.reset.all")) {
        removeAllStateFiles();
        gSaveSuppressed = true;
        host.requestQuit();
    }
}

bool Console::runInformation()
{
    if (is("bv.version")) {
        host.showBuildInfo();
    } else if (is("bv.help")) {
        host.showAlert("All Commands", kConsoleHelpText, alertStyle(15, true, false));
    } else if (word("bv.events", 1) || word("bv.stats", 1)) {
        host.showAlert("Stats", host.statisticsText().c_str(), alertStyle(10, true, true));
    } else if (word("bv.stats1", 1)) {
        host.showAlert("Stats first half", firstHalf(host.statisticsText()).c_str(), alertStyle(13, true, true));
    } else if (word("bv.stats2", 1)) {
        host.showAlert("Stats second half", secondHalf(host.statisticsText()).c_str(), alertStyle(13, true, true));
    } else if (word("bv.suggestions", 1)) {
        host.showAlert("Suggestion Counts", host.suggestionCountsText().c_str(), alertStyle(11, true, true));
    } else {
        return false;
    }
    return true;
}

bool Console::runUnlocks()
{
    if (word("bv.score", 2)) {
        if (number(1) > 0 && host.currentGameType() == kArcade)
            host.setArcadeScore(number(1));
    } else if (word("bv.unlock", 2)) {
        if (number(1) > 0)
            host.setFreePlayLevel(number(1) < kFreePlayLevels ? number(1) : kFreePlayLevels);
    } else if (word("bv.frenzy.unlock", 2)) {
        const int n = number(1);
        if (n > 0) {
            ensureFrenzyBestsLoaded();
            for (int level = 1; level < n; level++)
                gFrenzyBests.record(level, kFrenzyUnlockedMs);
        }
        saveFrenzyBests();
    } else if (word("bv.challenge.unlock", 2)) {
        const int n = number(1);
        if (n > 0) {
            ensurePersonalBestsLoaded();
            for (int difficulty = 0; difficulty < ChallengeBests::kDifficulties; difficulty++)
                for (int level = 1; level < n; level++)
                    gChallengeBests.record(difficulty, level, kChallengeUnlockedSeconds);
        }
        savePersonalBests();
    } else if (word("bv.unlock", 3)) {
        const int difficulty = words[1] == "medium" ? 1 : words[1] == "hard" ? 2 : 0;
        int n = number(2);
        if (n > 0 && host.currentGameType() == kChallenge) {
            ensurePersonalBestsLoaded();
            if (n > kChallengeLevels)
                n = kChallengeLevels;
            for (int level = 1; level < n; level++)
                gChallengeBests.record(difficulty, level, 10 * level);
        }
    } else {
        return false;
    }
    return true;
}

bool Console::runSwitches()
{
    struct Switch {
        const char* command;
        bool* field;
        bool value;
    };
    const Switch switches[] = {
        {"bv.speedup.on", &settings.fasterClock, true},   {"bv.speedup.off", &settings.fasterClock, false},
        {"bv.poweropts.on", &settings.powerOptions, true}, {"bv.poweropts.off", &settings.powerOptions, false},
        {"bv.cheat.on", &settings.freeHints, true},        {"bv.cheat.off", &settings.freeHints, false},
    };
    for (const Switch& s : switches)
        if (is(s.command)) {
            *s.field = s.value;
            return true;
        }
    if (is("bv.display.fps") || is("bv.display.all") || is("bv.display.none")) {
        settings.showFps = !is("bv.display.none");
        settings.showFpsMore = is("bv.display.all");
    } else if (word("bv.half.frames", 1)) {
        settings.halfFrames = 1;
        plainAlert(host, "Half-frames-simulation enabled!", "Simulating all the themes only having half the frames stored");
    } else if (word("bv.half.frames.int", 1)) {
        settings.halfFrames = 2;
        plainAlert(host, "Interpolation-simulation enabled!",
                   "Simulating all the themes only having half the frames stored, but with a kind of interpolation "
                   "enabled to make up for this");
    } else {
        return false;
    }
    return true;
}

bool Console::runLoad()
{
    if (!wordAtLeast("bv.load", 2))
        return false;
    if (!host.hasBoard())
        return true;
    int id = -1;
    if (!parseInt(words[1].c_str(), &id) || id < 0 || !host.puzzleExists(id)) {
        plainAlert(host, "No such puzzle", "bv.load needs the number of a puzzle in the store: batch * 8192 + index.");
        return true;
    }
    host.loadPuzzle(id);
    return true;
}

void Console::setFactor(float* field, const char* command, const char* title, const char* message)
{
    float value = kFactorUnset;
    if (words.size() == 2 && !readPositiveFactor(words[1], &value)) {
        const String need = String(command) + " needs a number above 0, such as 1.5, or none at all.";
        plainAlert(host, "Not a factor", need.c_str());
        return;
    }
    *field = value;
    plainAlert(host, title, message);
}

bool Console::runFactors()
{
    if (word("bv.timer", 2)) {
        float scale = 0.0f;
        if (!readPositiveFactor(words[1], &scale)) {
            plainAlert(host, "Not a speed", "bv.timer needs a number above 0, such as 2 or 0.5.");
            return true;
        }
        setGameClockScale(scale);
        plainAlert(host, "Great Success!", "Game-clock speed Adjusted!");
    } else if (wordAtLeast("bv.frenzy.speedup", 1)) {
        setFactor(&settings.frenzySpeedFactor, "bv.frenzy.speedup", "Frenzy speedup enabled!", "Woo-hoo!");
    } else if (wordAtLeast("bv.frenzy.less", 1)) {
        setFactor(&settings.frenzyLessFactor, "bv.frenzy.less", "Frenzy less enabled!",
                  "Each level will require less moves according to the factor passed!");
    } else {
        return false;
    }
    return true;
}

bool Console::runMails()
{
    if (is("bv.upload.history")) {
        host.mailHistory();
    } else if (wordAtLeast("bv.upload.log", 1)) {
        host.mailLogFile(words.size() == 2 ? number(1) : -1);
    } else if (word("bv.upload.errors", 1)) {
        host.mailErrorLog();
    } else if (word("bv.upload.version", 1)) {
        host.mailVersionInfo();
    } else {
        return false;
    }
    return true;
}

bool Console::runThemes()
{
    static const struct {
        const char* command;
        int theme;
    } themes[] = {{"bv.turtle", 4}, {"bv.soccer", 1}, {"bv.panda", 3},  {"bv.furballs", 0},
                  {"bv.default", 0}, {"bv.marble", 5}, {"bv.fruit", 2}};
    for (const auto& t : themes)
        if (word(t.command, 1)) {
            host.loadThemeBitmaps(t.theme);
            return true;
        }
    return false;
}

void Console::setVariation(int* field, bool showInfo)
{
    *field = number(1);
    if (showInfo)
        host.showBuildInfo();
}

bool Console::runVariations()
{
    struct Setter {
        const char* command;
        int* field;
        bool showInfo;
    };
    const Setter setters[] = {
        {"bv.welldone.variation", &settings.wellDoneVariation, true},
        {"bv.limitnumballs.variation", &settings.limitBallsVariation, false},
        {"bv.levelset.variation", &settings.levelSetVariation, true},
        {"bv.levelrepeats.variation", &settings.levelRepeatsVariation, true},
        {"bv.linkshare.variation", &settings.linkShareVariation, true},
        {"bv.freeskips.variation", &settings.freeSkipsVariation, true},
        {"bv.fx.variation", &settings.fxVariation, true},
        {"bv.fxswitch.variation", &settings.fxSwitchVariation, true},
    };
    for (const Setter& s : setters)
        if (word(s.command, 2)) {
            setVariation(s.field, s.showInfo);
            return true;
        }
    if (word("bv.set", 3)) {
        for (int i = 0; i < engine.variations.size(); i++) {
            Variation& variation = engine.variations[i];
            if (variation.target && variation.key && words[1] == variation.key)
                *variation.target = number(2);
        }
        host.saveVariations();
        host.showBuildInfo();
    } else if (is("bv.newest.variations")) {
        settings.linkShareVariation = 1;
        settings.levelRepeatsVariation = 1;
        settings.mainVariation = 9;
        settings.freeSkipsVariation = 2;
        settings.ltVariation = 4;
        settings.levelSetVariation = 4;
        settings.wellDoneVariation = 4;
        host.showBuildInfo();
    } else if (word("bv.slowdown.variation", 2)) {
        settings.slowdownA = number(1);
        settings.slowdownB = number(1);
    } else if (word("bv.variation", 2)) {
        writeVariationFileAndQuit(kFixedVariationFileName, number(1), host);
    } else if (word("bv.instructions.variation", 2)) {
        writeVariationFileAndQuit(kFixedInstructionsFileName, number(1), host);
    } else {
        return false;
    }
    return true;
}

}  // namespace

void removeAllStateFiles()
{
    for (const char* name : kStateFiles)
        removeDataFile(name);
    const String folder = dataFolder();
    DIR* dir = opendir(folder.length() ? folder.c_str() : ".");
    if (!dir)
        return;
    Array<String> players;
    while (dirent* entry = readdir(dir)) {
        String name(entry->d_name);
        if (endsWith(entry->d_name, kTempSuffix))
            name = name.mid(0, name.length() - (int)strlen(kTempSuffix));
        if (isPlayerGameFile(name.c_str()))
            players.append(name);
    }
    closedir(dir);
    for (int i = 0; i < players.size(); i++)
        removeDataFile(players[i].c_str());
}

void runConsoleCommand(const String& text, Settings& settings, AbTester& engine, ConsoleHostI& host)
{
    Console(text, settings, engine, host).run();
}
