#include "settings/Settings.h"

#include <cstdlib>
#include <ctime>

#include "Core/File.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "Core/MemoryStream.h"
#include "Core/Platform.h"
#include "settings/AbSettings.h"
#include "settings/ReportFacts.h"
#include "settings/Statistics.h"

const char* const kSettingsFileName = "settings.dat";
const char* const kFixedVariationFileName = "fv.dat";
const char* const kFixedInstructionsFileName = "fiv.dat";

bool gSettingsSaveSuppressed = false;
bool& gSaveSuppressed = gSettingsSaveSuppressed;
Settings* gSettings = nullptr;

namespace {

const int kTag = makeTag("fr01");
const int kPlaceholder = -111;

// The per-device seed of the settings draws: an empty id gives 36.
unsigned settingsSeed(const String& id)
{
    unsigned h = 23;
    for (int i = 0; i < id.length(); i++)
        h = h * (i % 2 == 1 ? 7u : 13u) + static_cast<unsigned char>(id[i]);
    return h + 13;
}

int modeForDraw(int draw)
{
    if (draw == 0)
        return 3;
    if (draw == 1)
        return 0;
    return draw < 20 ? 2 : 3;
}

bool isSkippedLevelSet(int v)
{
    static const int kSkipped[] = {1, 6, 7, 9, 10, 15, 16, 17, 18, 19, 21, 27};
    for (int s : kSkipped) {
        if (v == s)
            return true;
    }
    return false;
}

// Volumes and Frenzy factors from a file: a damaged value falls back.
float volumeOrDefault(float v)
{
    return v >= 0.0f && v <= 1.0f ? v : 0.65f;
}

float frenzyFactorOrDefault(float v)
{
    return v >= 0.1f && v <= 30.0f ? v : 1.0f;
}

// Reads the record's ints one after another and notices where it ends.
class FieldReader {
public:
    explicit FieldReader(StreamIn& stream) : in(stream) {}

    // An int; false on a short read.
    bool next(int* value) { return readInt(in, value); }
    // An int that may be an older version's end tag: false (and not stored)
    // on a short read or at the tag; the tag counts as a clean end.
    bool field(int* value)
    {
        int v = 0;
        if (!readInt(in, &v))
            return false;
        if (v == kTag) {
            endedAtTag = true;
            return false;
        }
        *value = v;
        return true;
    }
    // An int that must lie in 0..max (compared unsigned, so negatives fail).
    bool ranged(int* value, unsigned max)
    {
        int v = 0;
        if (!readInt(in, &v) || static_cast<unsigned>(v) > max)
            return false;
        *value = v;
        return true;
    }
    bool flag(bool* value) { return readBool(in, value); }
    bool real(float* value) { return readFloat(in, value); }

    bool endedAtTag = false;

private:
    StreamIn& in;
};

} // namespace

bool readOverrideFile(const char* name, int* value)
{
    bool ok = false;
    File file(dataFilePath(name), &ok);
    int stored = -1;
    if (ok && !readInt(file, &stored))
        logPrintf("ERR", "%s is damaged, no override", name);
    if (!ok || stored < 0)
        return false;
    *value = stored;
    return true;
}

bool saveOverrideFile(const char* name, int value)
{
    bool ok = false;
    File file(dataFilePath(name), false, false, true, &ok);
    return ok && writeInt32(file, value) && file.commit();
}

Settings::Settings(const char* filePath) : Settings(filePath, getUniqueDeviceId())
{
}

Settings::Settings(const char* filePath, const String& id) : path(filePath), deviceId(id)
{
    owner.owns = true;
    readFile(false);
}

Settings::Settings() : deviceId(getUniqueDeviceId())
{
    setDefaults();
}

Settings::~Settings()
{
    save();
}

void Settings::load(const char* filePath)
{
    if (gSettings == nullptr)
        gSettings = new Settings(dataFilePath(filePath).c_str());
}

void Settings::release()
{
    delete gSettings;
    gSettings = nullptr;
}

void Settings::setDefaults()
{
    srand(settingsSeed(deviceId));

    startLevel = 1;
    difficulty = 0;
    sliderA = 0.65f;
    sliderB = 0.65f;
    switchA = true;
    switchB = true;
    extraInt1 = -1;
    extraInt2 = 0;
    showFps = false;
    showFpsMore = false;
    fasterClock = false;
    extraFlag1 = false;
    hiScoreDefaultsKind = 0;
    powerOptions = true;
    freeHints = false;
    frenzySpeedFactor = 1.0f;
    frenzyLessFactor = 1.0f;
    playTimeTotal = 0;
    for (int& t : playTimeByMode)
        t = 0;
    scoreTimeFilter = -1;
    hiScoreValue2 = -1;
    ratingValue1 = -1;
    ratingValue2 = -1;
    extraInt4 = -1;
    frenzyUnlocked = -1;
    halfFrames = -1;
    mainVariation = 0;

    int value = 0;
    if (readOverrideFile(kFixedVariationFileName, &value))
        mainVariation = value;

    applyDefaultDraws();

    if (readOverrideFile(kFixedInstructionsFileName, &value))
        instructionsVariation = value;

    srand(static_cast<unsigned>(time(nullptr)));
    gameMode = modeForDraw(defaultModeDraw);
}

// The draws in the one order that gives every device its own fixed values.
void Settings::applyDefaultDraws()
{
    defaultModeDraw = rand() % 25;
    slowdownA = 6;
    slowdownB = rand() % 14;
    mhVariation = rand() % 3 != 0;
    avVariation = 0;
    extraInt3 = -1;
    sgVariation = rand() % 12;
    blVariation = rand() % 5;
    uvVariation = rand() % 26 + 22;
    ltVariation = rand() % 5 + 1;
    linkShareVariation = 0;
    freeSkipsVariation = rand() % 15;
    if (rand() % 2 == 1)
        freeSkipsVariation = -1;
    static const int kWellDone[] = {0, 3, 4};
    wellDoneVariation = kWellDone[rand() % 3];
    fxVariation = 0;
    switchC = fxVariation != 1;
    fxSwitchVariation = rand() % 3;

    int levelSet = 0;
    do {
        levelSet = rand() % 40;
    } while (isSkippedLevelSet(levelSet));
    if (rand() % 2 == 0)
        levelSet = 39;
    levelSetVariation = levelSet;

    do {
        levelRepeatsVariation = rand() % 11;
    } while (levelRepeatsVariation == 1);
    hiScoreDefaultsKind = 0;
    limitBallsVariation = rand() % 7;
    instructionsVariation = rand() % 14 + 100;
}

void Settings::write(StreamOut& out) const
{
    writeInt32(out, kTag);
    writeInt32(out, startLevel);
    writeInt32(out, difficulty);
    writeInt32(out, gameMode);
    writeFloat(out, sliderA);
    writeFloat(out, sliderB);
    writeBool(out, switchA);
    writeInt32(out, mainVariation);
    writeInt32(out, extraInt1);
    writeInt32(out, kPlaceholder);
    writeInt32(out, kPlaceholder);
    writeInt32(out, extraInt2);
    writeInt32(out, (showFps ? 1 : 0) | (showFpsMore ? 2 : 0) | (fasterClock ? 4 : 0));
    writeBool(out, switchB);
    writeBool(out, extraFlag1);
    writeInt32(out, defaultModeDraw);
    writeInt32(out, slowdownA);
    writeInt32(out, slowdownB);
    writeInt32(out, instructionsVariation);
    writeInt32(out, avVariation);
    writeBool(out, mhVariation);
    writeInt32(out, extraInt3);
    writeInt32(out, sgVariation);
    writeInt32(out, blVariation);
    writeInt32(out, uvVariation);
    writeInt32(out, ltVariation);
    writeInt32(out, linkShareVariation);
    writeInt32(out, freeSkipsVariation);
    writeInt32(out, wellDoneVariation);
    writeInt32(out, fxVariation);
    writeInt32(out, fxSwitchVariation);
    writeBool(out, switchC);
    writeInt32(out, levelSetVariation);
    writeInt32(out, levelRepeatsVariation);
    writeInt32(out, limitBallsVariation);
    writeInt32(out, hiScoreDefaultsKind);
    writeInt32(out, playTimeTotal);
    for (int t : playTimeByMode)
        writeInt32(out, t);
    writeInt32(out, scoreTimeFilter);
    writeInt32(out, hiScoreValue2);
    writeInt32(out, ratingValue1);
    writeInt32(out, ratingValue2);
    writeInt32(out, kPlaceholder);
    writeInt32(out, extraInt4);
    writeInt32(out, powerOptions ? 1 : 0);
    writeBool(out, freeHints);
    writeFloat(out, frenzySpeedFactor);
    writeFloat(out, frenzyLessFactor);
    writeInt32(out, frenzyUnlocked);
    writeInt32(out, kTag);
}

bool Settings::read(StreamIn& in, bool firstPartOnly)
{
    FieldReader r(in);
    int tag = 0;
    if (!r.next(&tag) || tag != kTag)
        return false;
    if (!r.ranged(&startLevel, 39) || !r.ranged(&difficulty, 2) || !r.ranged(&gameMode, 6))
        return false;
    float volume = 0.0f;
    if (!r.real(&volume))
        return false;
    sliderA = volumeOrDefault(volume);
    if (!r.real(&volume))
        return false;
    sliderB = volumeOrDefault(volume);
    if (!r.flag(&switchA))
        return false;
    if (firstPartOnly)
        return true;

    int placeholder = 0;
    if (!r.next(&mainVariation) || !r.next(&extraInt1) || !r.next(&placeholder) || !r.next(&placeholder) ||
        !r.next(&extraInt2))
        return false;

    // A file from before the experiments below ends here: such a player is
    // outside them.
    slowdownA = slowdownB = instructionsVariation = extraInt3 = -1;
    sgVariation = blVariation = uvVariation = ltVariation = linkShareVariation = -1;
    wellDoneVariation = fxVariation = fxSwitchVariation = -1;
    levelSetVariation = levelRepeatsVariation = limitBallsVariation = hiScoreDefaultsKind = -1;
    ratingValue1 = ratingValue2 = -1;
    mhVariation = false;
    freeSkipsVariation = 2;
    switchC = true;

    int flags = 0;
    if (!r.field(&flags))
        return r.endedAtTag;
    showFps = (flags & 1) != 0;
    showFpsMore = (flags & 2) != 0;
    fasterClock = (flags & 4) != 0;
    if (!r.flag(&switchB) || !r.flag(&extraFlag1) || !r.ranged(&defaultModeDraw, 90))
        return false;

    int* const beforeMh[] = {&slowdownA, &slowdownB, &instructionsVariation, &avVariation};
    for (int* field : beforeMh) {
        if (!r.field(field))
            return r.endedAtTag;
    }
    if (!r.flag(&mhVariation))
        return false;
    int* const beforeSwitchC[] = {&extraInt3,          &sgVariation,        &blVariation,      &uvVariation,
                                  &ltVariation,        &linkShareVariation, &freeSkipsVariation, &wellDoneVariation,
                                  &fxVariation,        &fxSwitchVariation};
    for (int* field : beforeSwitchC) {
        if (!r.field(field))
            return r.endedAtTag;
    }
    if (!r.flag(&switchC))
        return false;
    int* const beforePower[] = {&levelSetVariation, &levelRepeatsVariation, &limitBallsVariation,
                                &hiScoreDefaultsKind, &playTimeTotal, &playTimeByMode[0], &playTimeByMode[1],
                                &playTimeByMode[2], &playTimeByMode[3], &scoreTimeFilter, &hiScoreValue2,
                                &ratingValue1, &ratingValue2, &placeholder, &extraInt4};
    for (int* field : beforePower) {
        if (!r.field(field))
            return r.endedAtTag;
    }
    int power = 0;
    if (!r.field(&power))
        return r.endedAtTag;
    powerOptions = power > 0;
    if (!r.flag(&freeHints))
        return false;

    float factor = 0.0f;
    if (!r.real(&factor))
        return false;
    frenzySpeedFactor = frenzyFactorOrDefault(factor);
    if (!r.real(&factor))
        return false;
    frenzyLessFactor = frenzyFactorOrDefault(factor);
    if (!r.next(&frenzyUnlocked))
        return false;
    return r.next(&tag);
}

void Settings::readFile(bool firstPartOnly)
{
    if (!firstPartOnly)
        setDefaults();
    bool ok = false;
    File file(path, &ok);
    if (!ok || !read(file, firstPartOnly))
        logStartingFresh(path.c_str(), ok);
    if (firstPartOnly)
        save();
}

bool Settings::save()
{
    if (gSettingsSaveSuppressed || !owner.owns)
        return false;
    bool ok = false;
    File file(path, false, false, true, &ok);
    if (!ok)
        return false;
    write(file);
    return file.commit();
}

ReportFactsI* gReportFacts = nullptr;

// Whole seconds of a float sum, kept inside the int range.
static int wholeSeconds(float seconds)
{
    if (!(seconds > 0.0f))
        return 0;
    return seconds >= 2147483520.0f ? 2147483647 : static_cast<int>(seconds);
}

void Settings::getReportData(Array<int>& playTimes, String& data)
{
    float total = 0.0f;
    float byKind[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    int historyCount = gReportFacts ? gReportFacts->playHistoryCount() : 0;
    for (int i = 0; i < historyCount; i++) {
        int elapsedMs = 0, kind = -1, flags = 0;
        gReportFacts->playHistoryRecord(i, &elapsedMs, &kind, &flags);
        if (flags & 4)
            continue;   // replays do not count as time played
        float seconds = static_cast<float>(elapsedMs) * 0.001f;
        total += seconds;
        if (kind >= 0 && kind < 4)
            byKind[kind] += seconds;
    }
    playTimes.setSize(5);
    playTimes[0] = wholeSeconds(total + static_cast<float>(playTimeTotal));
    for (int i = 0; i < 4; i++)
        playTimes[i + 1] = static_cast<int>(static_cast<unsigned>(wholeSeconds(byKind[i])) +
                                            static_cast<unsigned>(playTimeByMode[i]));
    for (int i = 0; i < 5; i++)
        gAbSettings.setCounter(StatTpt + i, playTimes[i]);

    int elapsedMs = 0, undos = 0;
    bool hasMove = true;
    if (gReportFacts && gReportFacts->currentBoard(&elapsedMs, &undos, &hasMove)) {
        gAbSettings.setCounter(StatCurTime, elapsedMs / 1000);
        gAbSettings.setCounter(StatCurUndos, undos);
        gAbSettings.setCounter(StatCurStuck, hasMove ? 0 : 1);
    } else {
        gAbSettings.setCounter(StatCurTime, -1);
        gAbSettings.setCounter(StatCurUndos, -1);
        gAbSettings.setCounter(StatCurStuck, -1);
    }

    StringStream text(512);
    text << "ll_" << mainVariation << "_dm_" << defaultModeDraw << "_sfC_" << slowdownB << "_mh_"
         << (mhVariation ? 1 : 0) << "_av_" << avVariation << "_iv_" << instructionsVariation << "_sg_"
         << sgVariation << "_bl_" << blVariation << "_uv_" << uvVariation << "_lt_" << ltVariation << "_ls_"
         << linkShareVariation << "_fs_" << freeSkipsVariation << "_wd_" << wellDoneVariation << "_xs_"
         << fxSwitchVariation << "_levS_" << levelSetVariation << "_lr_" << levelRepeatsVariation << "_lnb_"
         << limitBallsVariation;
    data = text.toString();
}

float Settings::speedFactor() const
{
    if (slowdownB != -1)
        return 1.6f;
    if (mainVariation == 1)
        return 1.1f;
    return mainVariation == 2 ? 1.2f : 1.0f;
}

float Settings::scaleFactor() const
{
    if (slowdownA != -1)
        return 0.9f + 0.1f * static_cast<float>(slowdownA);
    if (mainVariation == 3)
        return 1.1f;
    return mainVariation == 4 ? 1.2f : 1.0f;
}

float Settings::ivFactorLate() const
{
    static const float kLate[] = {0.67f, 0.74f, 0.80f, 0.87f, 0.94f, 1.01f, 1.07f};
    if (instructionsVariation < 107)
        return 0.0f;
    if (instructionsVariation > 113)
        return 1.0f;
    return kLate[instructionsVariation - 107];
}

float Settings::ivFactorEarly() const
{
    static const float kEarly[] = {0.76f, 0.81f, 0.88f, 0.95f};
    if (instructionsVariation < 103 || instructionsVariation > 106)
        return 0.0f;
    return kEarly[instructionsVariation - 103];
}

String difficultyNameText(const Settings& settings)
{
    if (settings.difficulty == 0)
        return getText(19);
    return getText(settings.difficulty == 1 ? 20 : 21);
}

String themeNameText(const Settings&)
{
    return getText(72 + gAbSettings.chosenTheme());
}
