#include "settings/AbTester.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "Core/File.h"
#include "Core/MemoryStream.h"
#include "Core/Platform.h"
#include "Core/Random.h"
#include "settings/DigitCodes.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

int wrappingAdd(int a, int b)
{
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}

const char* const kVariationsFileName = "settings2b.dat";
const char* const kOldVariationsFileName = "settings2.dat";
const char* const kCountersFileName = "settings3.dat";

int decodeStoredVariation(int stored, int* generation)
{
    int steps = 0;
    // Unsigned steps: stored values near the int range's top must not overflow.
    unsigned value = static_cast<unsigned>(stored);
    while (static_cast<int>(value) > 90000) {
        steps++;
        value -= 100000u;
    }
    *generation = steps;
    return static_cast<int>(value);
}

int encodeStoredVariation(int value, int generation)
{
    if (generation < 1)
        return value;
    return static_cast<int>(static_cast<unsigned>(value) + 100000u * static_cast<unsigned>(generation));
}

// The per-device seed: an empty id gives 47.
static unsigned deviceSeed(const String& id)
{
    unsigned h = 47;
    for (int i = 0; i < id.length(); i++)
        h = h * (i % 2 == 1 ? 29u : 53u) + static_cast<unsigned char>(id[i]);
    return h;
}

AbTester::AbTester(int counterCount, const String& id) : deviceId(id)
{
    counters.setSize(counterCount > 0 ? counterCount : 0);
    for (int i = 0; i < counters.size(); i++)
        counters[i] = 0;
}

AbTester::~AbTester() = default;

bool AbTester::loadHeader(StreamIn&)
{
    return true;
}

void AbTester::saveHeader(StreamOut&)
{
}

void AbTester::migrateFromSettingsFile()
{
}

void AbTester::addVariation(const Variation& variation)
{
    variations.append(variation);
}

static bool isExcluded(const Variation& v, int value)
{
    int count = v.excludedCount < 16 ? v.excludedCount : 16;
    for (int i = 0; i < count; i++) {
        if (v.excluded[i] == value)
            return true;
    }
    return false;
}

static bool allExcluded(const Variation& v)
{
    for (int value = v.min; value <= v.max; value++) {
        if (!isExcluded(v, value))
            return false;
    }
    return true;
}

int AbTester::drawValue(const Variation& v)
{
    // A row with an empty range would divide by zero; it keeps its minimum.
    if (v.max < v.min)
        return v.min;
    bool mayExclude = v.excludedCount > 0 && !allExcluded(v);
    int value;
    do {
        value = v.min + rand() % (v.max - v.min + 1);
    } while (mayExclude && isExcluded(v, value));
    if (v.overrideValue != -1 && v.overrideProbability > randomFloat(1.0f))
        value = v.overrideValue;
    return value;
}

void AbTester::redrawVariation(Variation& variation)
{
    int value = drawValue(variation);
    if (variation.target)
        *variation.target = value;
}

void AbTester::assignVariations()
{
    srand(deviceSeed(deviceId));
    for (Variation& v : variations)
        redrawVariation(v);
    srand(static_cast<unsigned>(time(nullptr)));
}

bool AbTester::loadVariations(StreamIn& in, bool withHeader)
{
    if (withHeader && !loadHeader(in))
        return false;
    int tag = 0;
    if (!readInt(in, &tag) || tag != FileTagAb01)
        return false;

    // Values are gathered first and applied only once the block proved good.
    int count = variations.size();
    Array<int> values(count);
    Array<int> generations(count);
    int read = 0;
    bool olderFile = false;
    for (; read < count; read++) {
        int stored = 0;
        if (!readInt(in, &stored))
            return false;
        if (stored == FileTagAb01) {
            olderFile = true;
            break;
        }
        values[read] = decodeStoredVariation(stored, &generations[read]);
    }
    if (!olderFile && (!readInt(in, &tag) || tag != FileTagAb01))
        return false;

    for (int i = 0; i < read; i++) {
        Variation& v = variations[i];
        v.generation = generations[i];
        if (v.target)
            *v.target = values[i];
    }
    // Variations newer than the file: a fresh draw or the old-player value.
    for (int i = read; i < count; i++) {
        Variation& v = variations[i];
        if (v.drawForOldUsers)
            redrawVariation(v);
        else if (v.target)
            *v.target = v.oldUserValue;
    }
    return true;
}

void AbTester::writeVariations(StreamOut& out)
{
    saveHeader(out);
    writeInt32(out, FileTagAb01);
    for (const Variation& v : variations)
        writeInt32(out, encodeStoredVariation(v.value(), v.generation));
    writeInt32(out, FileTagAb01);
}

bool AbTester::loadCounters()
{
    bool ok = false;
    File file(dataFilePath(kCountersFileName), &ok);
    if (!ok)
        return false;
    // An older version's shorter file ends at its tag; a file that just
    // stops was cut off, though the counters before the cut still count.
    for (int i = 0; i <= counters.size(); i++) {
        int value = 0;
        if (!readInt(file, &value))
            return false;
        if (value == FileTagAb01)
            return true;
        if (i < counters.size())
            counters[i] = value;
    }
    return false;
}

void AbTester::load()
{
    loaded = true;
    bool ok = false;
    File current(dataFilePath(kVariationsFileName), &ok);
    if (ok) {
        if (!loadVariations(current, true)) {
            logStartingFresh(kVariationsFileName, true);
            assignVariations();
        }
    } else {
        logStartingFresh(kVariationsFileName, false);
        File old(dataFilePath(kOldVariationsFileName), &ok);
        if (!ok || !loadVariations(old, false))
            assignVariations();
        migrateFromSettingsFile();
    }
    if (!loadCounters())
        logStartingFresh(kCountersFileName, fileExists(dataFilePath(kCountersFileName).c_str()));
}

bool AbTester::save()
{
    // A reset to a fresh install removed the files and is ending the program: the exit save
    // must not bring them back.
    if (gSettingsSaveSuppressed)
        return false;
    MutexLock lock(&saveMutex);
    bool ok = false;
    bool allSaved = true;
    {
        File file(dataFilePath(kVariationsFileName), false, false, true, &ok);
        if (ok) {
            writeVariations(file);
            ok = file.commit();
        }
        allSaved = allSaved && ok;
    }
    {
        File file(dataFilePath(kCountersFileName), false, false, true, &ok);
        if (ok) {
            for (int i = 0; i < counters.size(); i++)
                writeInt32(file, counters[i]);
            writeInt32(file, FileTagAb01);
            ok = file.commit();
        }
        allSaved = allSaved && ok;
    }
    return allSaved;
}

// (value + 1) x 2, plus 1 once a server reply has touched the variation.
static int variationCode(const Variation& v)
{
    unsigned code = (static_cast<unsigned>(v.value()) + 1u) * 2u + (v.generation >= 1 ? 1u : 0u);
    return static_cast<int>(code);
}

String AbTester::encodeVariations() const
{
    StringStream text(256);
    for (const Variation& v : variations)
        encodeDigits5(text, variationCode(v));
    return text.toString();
}

String AbTester::encodeCounters() const
{
    StringStream text(1024);
    encodeDigits5(text, counters.size());
    for (int i = 0; i < counters.size(); i++)
        encodeDigits5(text, wrappingAdd(counters[i], 1));
    return text.toString();
}

String AbTester::variationsText() const
{
    StringStream text(1024);
    for (const Variation& v : variations) {
        text << "_" << (v.key ? v.key : "") << "_";
        if (v.generation > 0)
            text << "OR";
        text << v.value();
    }
    return text.toString();
}

const Variation* AbTester::findVariation(const char* key) const
{
    if (key == nullptr)
        return nullptr;
    const Variation* found = nullptr;
    for (const Variation& v : variations) {
        if (v.key && std::strcmp(v.key, key) == 0)
            found = &v;
    }
    return found;
}

Variation* AbTester::findVariation(const char* key)
{
    return const_cast<Variation*>(static_cast<const AbTester*>(this)->findVariation(key));
}

int AbTester::variationValue(const char* key) const
{
    const Variation* v = findVariation(key);
    return v ? v->value() : -1;
}

bool AbTester::setVariation(const char* key, int value)
{
    if (key == nullptr)
        return false;
    bool found = false;
    for (Variation& v : variations) {
        if (v.key && v.target && std::strcmp(v.key, key) == 0) {
            *v.target = value;
            found = true;
        }
    }
    return found;
}

void AbTester::count(int id, int amount)
{
    if (id >= 0 && id < counters.size())
        counters[id] = wrappingAdd(counters[id], amount);
}

bool AbTester::count(const char* name, int amount)
{
    int id = statisticIndex(name);
    if (id < 0 || id >= counters.size())
        return false;
    count(id, amount);
    return true;
}

void AbTester::setCounter(int id, int value)
{
    if (id >= 0 && id < counters.size())
        counters[id] = value;
}

int AbTester::counter(int id) const
{
    return id >= 0 && id < counters.size() ? counters[id] : 0;
}
