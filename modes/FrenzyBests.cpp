#include "modes/FrenzyBests.h"

#include "Core/File.h"
#include "modes/BestsFile.h"
#include "modes/FrenzyLevelTable.h"
#include "settings/SaveFile.h"

const char* const kFrenzyBestsFileName = "fPersonalBests.dat";
FrenzyBests gFrenzyBests;

namespace {

const int kTag = makeTag("fr01");

bool inRange(int level)
{
    return level >= kFrenzyFirstLevel && level <= kFrenzyLastLevel;
}

bool writeGlobalBests(StreamOut& out)
{
    return gFrenzyBests.write(out);
}

} // namespace

int FrenzyBests::best(int level) const
{
    return inRange(level) ? bestEntry(bests_, level) : kNoBest;
}

bool FrenzyBests::record(int level, int timeMs)
{
    return inRange(level) && takeBetterEntry(&bests_, level, timeMs);
}

void FrenzyBests::pad()
{
    padBestEntries(&bests_, kEntries);
}

bool FrenzyBests::read(StreamIn& in)
{
    int tag = 0;
    if (!readInt(in, &tag) || tag != kTag)
        return false;
    return readBestEntries(in, &bests_);
}

bool FrenzyBests::write(StreamOut& out) const
{
    return writeInt32(out, kTag) && writeBestEntries(out, bests_) && writeInt32(out, kTag);
}

void ensureFrenzyBestsLoaded()
{
    if (gFrenzyBests.isEmpty())
        loadFrenzyBests();
}

void loadFrenzyBests()
{
    gFrenzyBests.clear();
    bool ok = false;
    File file(kFrenzyBestsFileName, &ok);
    if (!ok || !gFrenzyBests.read(file))
        logStartingFresh(kFrenzyBestsFileName, ok);
    gFrenzyBests.pad();
}

bool saveFrenzyBests()
{
    return saveFile(kFrenzyBestsFileName, writeGlobalBests);
}
