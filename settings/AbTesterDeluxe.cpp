#include "settings/AbTesterDeluxe.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

#include "Core/File.h"
#include "Core/Platform.h"
#include "settings/Settings.h"

AbTesterDeluxe::AbTesterDeluxe(int version, int counterCount, const String& id)
    : AbTester(counterCount, id), oldVersion(version), currentVersion(version)
{
    srand(static_cast<unsigned>(time(nullptr)));
    sessionId = rand() % 65536;
}

AbTesterDeluxe::~AbTesterDeluxe()
{
    if (isLoaded())
        save();
}

bool AbTesterDeluxe::loadHeader(StreamIn& in)
{
    int tag = 0;
    if (!readInt(in, &tag) || (tag != FileTagAb02 && tag != FileTagAb01))
        return false;
    // Each count is taken as soon as it proved good, so what came before a
    // damaged part survives.
    int value = 0;
    if (!readInt(in, &value) || value < -1)
        return false;
    runs = value;
    if (!readInt(in, &value) || value < -1)
        return false;
    oldVersion = value;
    if (tag == FileTagAb01)
        return true;
    if (!readInt(in, &value))
        return false;
    sessionId = value;
    if (!readInt(in, &value) || value < -1)
        return false;
    realRuns = value;
    return readInt(in, &value) && value == FileTagFr01;
}

void AbTesterDeluxe::saveHeader(StreamOut& out)
{
    writeInt32(out, FileTagAb02);
    writeInt32(out, runs);
    writeInt32(out, oldVersion);
    writeInt32(out, sessionId);
    writeInt32(out, realRuns);
    writeInt32(out, FileTagFr01);
}

static int intAt(const String& bytes, int offset)
{
    int value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void AbTesterDeluxe::migrateFromSettingsFile()
{
    bool ok = false;
    File file(dataFilePath(kSettingsFileName), &ok);
    if (!ok)
        return;
    String bytes = file.readAll();
    if (bytes.length() <= 40)
        return;
    // Current settings files hold -111 in these places; only real counts
    // (-1 or more) are taken, or every start would fail the header check.
    int version = intAt(bytes, 33);
    int oldRuns = intAt(bytes, 37);
    if (version >= -1)
        oldVersion = version;
    if (oldRuns >= -1)
        runs = oldRuns;
    int oldRealRuns = bytes.length() >= 169 ? intAt(bytes, 165) : oldRuns;
    if (oldRealRuns >= -1)
        realRuns = oldRealRuns;
}
