#include "tests/reliability/SaverCases.h"

#include <string>

#include "Core/File.h"
#include "Core/Language.h"
#include "game/KelzoGame.h"
#include "menus/ContactFormState.h"
#include "menus/PromoHistory.h"
#include "modes/ChallengeBests.h"
#include "modes/ChallengeRules.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyLevelTable.h"
#include "platform/Pdl.h"
#include "scores/HiScoreTable.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/support/FileBytes.h"

const char kNotThere[] = "";

void PrintTo(const SaverCase& saver, std::ostream* out) { *out << saver.file; }

std::string text(long v) { return std::to_string(v); }

namespace {

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

// The bests only improve, so each version is stored as a shorter time than the one before.
const long kSlowestRun = 1000000;

std::string loadChallengeBest()
{
    if (!fileExists(kChallengeBestsFileName))
        return kNotThere;
    ChallengeBests bests;
    bool ok = false;
    File file(kChallengeBestsFileName, &ok);
    return ok && bests.read(file) ? text(kSlowestRun - bests.best(0, kChallengeFirstLevel)) : "damaged";
}

std::string loadFrenzyBest()
{
    if (!fileExists(kFrenzyBestsFileName))
        return kNotThere;
    FrenzyBests bests;
    bool ok = false;
    File file(kFrenzyBestsFileName, &ok);
    return ok && bests.read(file) ? text(kSlowestRun - bests.best(kFrenzyFirstLevel)) : "damaged";
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
     nullptr, true, nullptr, true},
    {"hiScores.dat",
     [] {
         gChildScores = new HiScoreTable();
         gChildScores->load("hiScores.dat");
     },
     [](long v) {
         gChildScores->setOnlineName(String("player ") + String::fromInt(static_cast<int>(v)));
         return playerText(v);
     },
     loadScores, playerText, false, nullptr, true},
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
    {kChallengeBestsFileName,
     [] {
         gChallengeBests.clear();
         gChallengeBests.pad();
     },
     [](long v) {
         gChallengeBests.record(0, kChallengeFirstLevel, static_cast<int>(kSlowestRun - v));
         return savePersonalBests() ? text(v) : "";
     },
     loadChallengeBest, text},
    {kFrenzyBestsFileName,
     [] {
         gFrenzyBests.clear();
         gFrenzyBests.pad();
     },
     [](long v) {
         gFrenzyBests.record(kFrenzyFirstLevel, static_cast<int>(kSlowestRun - v));
         return saveFrenzyBests() ? text(v) : "";
     },
     loadFrenzyBest, text},
    {kGameStateFile, prepareChildGame, [](long v) { return saveGameState(v) ? playerText(v) : ""; },
     loadPlayerNames, playerText},
    {kPlayerStateFile, prepareChildGame, [](long v) { return saveGameState(v) ? text(v) : ""; }, loadPlayerState,
     text},
};

} // namespace

const std::vector<SaverCase>& saverCases()
{
    static const std::vector<SaverCase> cases(std::begin(kSavers), std::end(kSavers));
    return cases;
}

std::string saverCaseName(const ::testing::TestParamInfo<SaverCase>& info)
{
    std::string name;
    for (const char* c = info.param.name ? info.param.name : info.param.file; *c; ++c)
        name += isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

