#include "modes/ChallengeBests.h"

#include "Core/File.h"
#include "modes/BestsFile.h"
#include "modes/ChallengeRules.h"
#include "settings/SaveFile.h"

const char* const kChallengeBestsFileName = "personalBests.dat";
ChallengeBests gChallengeBests;

namespace {

const int kOuterTag = makeTag("fr01");
const int kSeparatorTag = makeTag("flex");

bool writeGlobalBests(StreamOut& out)
{
    return gChallengeBests.write(out);
}

} // namespace

bool ChallengeBests::inRange(int difficulty, int level)
{
    return difficulty >= 0 && difficulty < kDifficulties && level >= kChallengeFirstLevel &&
           level <= kChallengeLastLevel;
}

int ChallengeBests::best(int difficulty, int level) const
{
    return inRange(difficulty, level) ? bestEntry(bests_[difficulty], level) : kNoBest;
}

bool ChallengeBests::record(int difficulty, int level, int seconds)
{
    return inRange(difficulty, level) && takeBetterEntry(&bests_[difficulty], level, seconds);
}

void ChallengeBests::clear()
{
    for (Array<int>& bests : bests_)
        bests.clear();
}

void ChallengeBests::pad()
{
    for (Array<int>& bests : bests_)
        padBestEntries(&bests, kEntriesPerDifficulty);
}

bool ChallengeBests::read(StreamIn& in)
{
    int tag = 0;
    if (!readInt(in, &tag) || tag != kOuterTag || !readBestEntries(in, &bests_[0]))
        return false;
    if (!readInt(in, &tag) || tag != kSeparatorTag)
        return false;
    if (!readBestEntries(in, &bests_[1]) || !readBestEntries(in, &bests_[2]))
        return false;
    // The end tag closes the file; its value tells nothing more.
    return readInt(in, &tag);
}

bool ChallengeBests::write(StreamOut& out) const
{
    return writeInt32(out, kOuterTag) && writeBestEntries(out, bests_[0]) && writeInt32(out, kSeparatorTag) &&
           writeBestEntries(out, bests_[1]) && writeBestEntries(out, bests_[2]) && writeInt32(out, kOuterTag);
}

void ensurePersonalBestsLoaded()
{
    if (gChallengeBests.isEmpty())
        loadPersonalBests();
}

void loadPersonalBests()
{
    gChallengeBests.clear();
    bool ok = false;
    File file(kChallengeBestsFileName, &ok);
    if (!ok || !gChallengeBests.read(file))
        logStartingFresh(kChallengeBestsFileName, ok);
    gChallengeBests.pad();
}

bool savePersonalBests()
{
    return saveFile(kChallengeBestsFileName, writeGlobalBests);
}
