#include "menus/PromoHistory.h"

#include "Core/File.h"
#include "Core/Platform.h"
#include "platform/ServerAddresses.h"
#include "settings/SaveFile.h"

namespace {

const int kFileTag = makeTag("fr01");
const int kReservedWords = 5;
const int kCounterCount = 5;
const int kDefaultAdId = 1;

struct CounterRange {
    int low;
    int high;
};

// counter3 may be -1; the others never go below 0.
const CounterRange kCounterRanges[kCounterCount] = {
    {0, 10000000}, {0, 10000000}, {0, 10000000}, {-1, 10000}, {0, 10000},
};

PromoAd defaultAd()
{
    PromoAd ad;
    ad.image = "harpsleyad.png";
    ad.link = gPromoDefaultAdLink;
    ad.id = kDefaultAdId;
    ad.paramA = 100;
    ad.paramB = 0;
    return ad;
}

bool readAd(StreamIn& in, PromoAd* ad)
{
    return readInt(in, &ad->id) && streamReadByteString(in, &ad->image) && streamReadByteString(in, &ad->link) &&
           readInt(in, &ad->paramA) && readInt(in, &ad->paramB);
}

} // namespace

const char* const PromoHistory::kFileName = "hist.dat";

PromoHistory* gPromoHistory = nullptr;

PromoHistory::PromoHistory()
{
    setDefaults();
}

void PromoHistory::setDefaults()
{
    counter0 = 0;
    counter1 = 0;
    counter2 = 0;
    counter3 = 3;
    counter4 = 5;
    ads[kDefaultAdId] = defaultAd();
}

int* PromoHistory::counter(int index)
{
    int* counters[kCounterCount] = {&counter0, &counter1, &counter2, &counter3, &counter4};
    return counters[index];
}

bool PromoHistory::readCounter(StreamIn& in, int index)
{
    int value;
    if (!readInt(in, &value) || value < kCounterRanges[index].low || value > kCounterRanges[index].high)
        return false;
    *counter(index) = value;
    return true;
}

bool PromoHistory::load()
{
    String path = dataFilePath(kFileName);
    bool ok = false;
    File file(path, &ok);
    if (!ok) {
        logStartingFresh(path.c_str(), false);
        setDefaults();
        return false;
    }
    return read(file);
}

bool PromoHistory::read(StreamIn& in)
{
    // A counter out of its range means a damaged file: its neighbours
    // cannot be trusted either.
    for (int i = 0; i < kCounterCount; ++i)
        if (!readCounter(in, i))
            return startFresh();
    int count;
    if (!readInt(in, &count))
        return startFresh();
    if (count < 0 || count > kMaxEntries)
        return false;
    for (int i = 0; i < count; ++i) {
        PromoAd ad;
        if (!readAd(in, &ad))
            return startFresh();
        ads[ad.id] = ad;
    }
    int word;
    for (int i = 0; i < kReservedWords; ++i)
        if (!readInt(in, &word))
            return startFresh();
    if (!readInt(in, &word) || word != kFileTag)
        return startFresh();
    return true;
}

bool PromoHistory::startFresh()
{
    logStartingFresh(kFileName, true);
    setDefaults();
    return false;
}

void PromoHistory::write(StreamOut& out) const
{
    writeInt32(out, counter0);
    writeInt32(out, counter1);
    writeInt32(out, counter2);
    writeInt32(out, counter3);
    writeInt32(out, counter4);
    writeInt32(out, static_cast<int>(ads.size()));
    for (const auto& entry : ads) {
        const PromoAd& ad = entry.second;
        writeInt32(out, entry.first);
        writeByteString(out, ad.image);
        writeByteString(out, ad.link);
        writeInt32(out, ad.paramA);
        writeInt32(out, ad.paramB);
    }
    for (int i = 0; i < kReservedWords; ++i)
        writeInt32(out, 0);
    writeInt32(out, kFileTag);
}

bool PromoHistory::save() const
{
    return saveFile(dataFilePath(kFileName), [this](StreamOut& out) {
        write(out);
        return true;
    });
}

void destroyPromoHistory()
{
    if (!gPromoHistory)
        return;
    gPromoHistory->save();
    delete gPromoHistory;
    gPromoHistory = nullptr;
}
