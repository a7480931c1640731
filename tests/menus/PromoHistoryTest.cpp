#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileBuilder.h"
#include "menus/PromoHistory.h"
#include "platform/ServerAddresses.h"
#include "settings/Settings.h"
#include "tests/support/TempFolder.h"
#include "tests/support/StdString.h"

namespace {

class PromoHistoryTest : public TempFolderTest {
protected:
    void TearDown() override
    {
        gSaveSuppressed = false;
        delete gPromoHistory;
        gPromoHistory = nullptr;
        TempFolderTest::TearDown();
    }
};


FileBuilder& counters(FileBuilder& b, int c0, int c1, int c2, int c3, int c4)
{
    return b.int32(c0).int32(c1).int32(c2).int32(c3).int32(c4);
}

FileBuilder& entry(FileBuilder& b, int id, const std::string& image, const std::string& link, int a, int p)
{
    return b.int32(id).text(image).text(link).int32(a).int32(p);
}

FileBuilder& trailer(FileBuilder& b)
{
    return b.int32(0).int32(0).int32(0).int32(0).int32(0).tag();
}

std::vector<int> countersOf(const PromoHistory& h)
{
    return {h.counter0, h.counter1, h.counter2, h.counter3, h.counter4};
}

std::vector<int> idsOf(const PromoHistory& h)
{
    std::vector<int> ids;
    for (const auto& e : h.ads)
        ids.push_back(e.first);
    return ids;
}

const std::vector<int> kDefaultCounters = {0, 0, 0, 3, 5};

bool isDefaultAd(const PromoAd& ad)
{
    return ad.id == 1 && str(ad.image) == "harpsleyad.png" && str(ad.link) == gPromoDefaultAdLink && ad.paramA == 100 &&
           ad.paramB == 0;
}

TEST_F(PromoHistoryTest, TheDefaultsAreSavedByteForByte)
{
    PromoHistory history;
    ASSERT_TRUE(history.save());

    FileBuilder expected;
    counters(expected, 0, 0, 0, 3, 5).int32(1);
    entry(expected, 1, "harpsleyad.png", gPromoDefaultAdLink, 100, 0);
    trailer(expected);
    std::string bytes = readFile("hist.dat");
    EXPECT_EQ(bytes, expected.bytes());
    // The picture name is a 14-byte string right after the id.
    EXPECT_EQ(bytes.substr(28, 4), std::string("\x0e\0\0\0", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "10rf");
    EXPECT_EQ(bytes.substr(bytes.size() - 24, 20), std::string(20, '\0'));
}

TEST_F(PromoHistoryTest, EntriesAreWrittenInIdOrderAndComeBackWhole)
{
    PromoHistory history;
    history.counter0 = 10000000;
    history.counter3 = -1;
    history.counter4 = 10000;
    history.ads[40] = PromoAd{"forty.png", "http://127.0.0.1/40", 40, -7, 8};
    history.ads[2] = PromoAd{"", "", 2, 0, 1};
    history.ads[1].paramB = 9;
    ASSERT_TRUE(history.save());

    std::string bytes = readFile("hist.dat");
    size_t firstEntry = 24;
    EXPECT_EQ(bytes.substr(firstEntry, 4), std::string("\x01\0\0\0", 4));
    size_t secondEntry = firstEntry + 4 + 4 + 14 + 4 + std::string(gPromoDefaultAdLink).size() + 8;
    EXPECT_EQ(bytes.substr(secondEntry, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(bytes.substr(secondEntry + 20, 4), std::string("\x28\0\0\0", 4)) << "40 after 2";

    PromoHistory loaded;
    loaded.ads.clear();
    EXPECT_TRUE(loaded.load());
    EXPECT_EQ(countersOf(loaded), (std::vector<int>{10000000, 0, 0, -1, 10000}));
    EXPECT_EQ(idsOf(loaded), (std::vector<int>{1, 2, 40}));
    EXPECT_EQ(loaded.ads[1].paramB, 9);
    EXPECT_EQ(str(loaded.ads[40].image), "forty.png");
    EXPECT_EQ(str(loaded.ads[40].link), "http://127.0.0.1/40");
    EXPECT_EQ(loaded.ads[40].paramA, -7);
    EXPECT_EQ(loaded.ads[40].paramB, 8);
    EXPECT_EQ(loaded.ads[2].paramB, 1);
}

struct ReadCase {
    const char* name;
    std::string bytes;           // "hist.dat"; "<missing>" for none
    std::vector<int> counters;   // after load
    std::vector<int> ids;        // after load, the object starting with ads 1 and 77
    bool entryOneIsDefault;      // entry 1 starts changed: true when the defaults came back
    bool whole = false;          // what load() says
};

std::vector<ReadCase> readCases()
{
    std::vector<ReadCase> cases;
    {
        FileBuilder b;
        counters(b, 1, 2, 3, 4, 6).int32(0);
        trailer(b);
        cases.push_back({"no entries: counters read, entries kept", b.bytes(), {1, 2, 3, 4, 6}, {1, 77}, false, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(1001);
        entry(b, 5, "x.png", "l", 1, 1);
        trailer(b);
        cases.push_back({"1001 entries: counters read, rest ignored", b.bytes(), {7, 8, 9, 10, 11}, {1, 77}, false});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(-1);
        trailer(b);
        cases.push_back({"negative count is a count above 1000", b.bytes(), {7, 8, 9, 10, 11}, {1, 77}, false});
    }
    {
        FileBuilder b;
        counters(b, 0, 0, 0, -1, 0).int32(0);
        trailer(b);
        cases.push_back({"counter 3 may be -1", b.bytes(), {0, 0, 0, -1, 0}, {1, 77}, false, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, -1).int32(0);
        trailer(b);
        cases.push_back({"counter 4 at -1 restores the defaults", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 10000001, 10, 11).int32(0);
        trailer(b);
        cases.push_back({"counter 2 above its range", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10001, 11).int32(0);
        trailer(b);
        cases.push_back({"counter 3 above its range", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(3);
        entry(b, 1, "mine.png", "mine", 1, 2);
        entry(b, 2, "two.png", "two", 3, 4);
        size_t insideLink = b.size() + 4 + 4 + 9 + 4 + 2;
        entry(b, 3, "three.png", "three-link", 5, 6);
        b.cut(insideLink);
        cases.push_back({"cut inside a link", b.bytes(), kDefaultCounters, {1, 2, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(1);
        b.int32(4).int32(1000000).raw("abc");
        cases.push_back({"image length out of range", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(1);
        entry(b, 4, "four.png", "four", 1, 2);
        b.int32(0).int32(0).int32(0).int32(0).int32(0).raw("20rf");
        cases.push_back({"wrong end tag", b.bytes(), kDefaultCounters, {1, 4, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11).int32(0).int32(0).int32(0);
        cases.push_back({"cut in the reserved words", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    {
        FileBuilder b;
        counters(b, 7, 8, 9, 10, 11);
        cases.push_back({"no count", b.bytes(), kDefaultCounters, {1, 77}, true});
    }
    cases.push_back({"no file", "<missing>", kDefaultCounters, {1, 77}, true});
    return cases;
}

TEST_F(PromoHistoryTest, ReadingKeepsWhatIsSoundAndOtherwiseFallsBackToTheDefaults)
{
    for (const ReadCase& c : readCases()) {
        SCOPED_TRACE(c.name);
        remove("hist.dat");
        if (c.bytes != "<missing>")
            writeFile("hist.dat", c.bytes);
        PromoHistory history;
        history.ads[1].image = "changed.png";  // shows whether the defaults came back
        history.ads[77] = PromoAd{"old.png", "old", 77, 0, 0};
        EXPECT_EQ(history.load(), c.whole);
        EXPECT_EQ(countersOf(history), c.counters);
        EXPECT_EQ(idsOf(history), c.ids);
        EXPECT_EQ(isDefaultAd(history.ads[1]), c.entryOneIsDefault) << str(history.ads[1].image);
    }
}

TEST_F(PromoHistoryTest, AnEntryOfAKnownIdReplacesIt)
{
    FileBuilder b;
    counters(b, 0, 0, 0, 3, 5).int32(2);
    entry(b, 9, "first.png", "a", 1, 1);
    entry(b, 9, "second.png", "b", 2, 2);
    trailer(b);
    writeFile("hist.dat", b.bytes());
    PromoHistory history;
    history.load();
    EXPECT_EQ(idsOf(history), (std::vector<int>{1, 9}));
    EXPECT_EQ(str(history.ads[9].image), "second.png");
    EXPECT_EQ(history.ads[9].paramA, 2);
}

TEST_F(PromoHistoryTest, ExitSavesAndFreesTheProgramsHistoryOnlyWhenThereIsOne)
{
    destroyPromoHistory();
    EXPECT_EQ(readFile("hist.dat"), "<missing>");

    gPromoHistory = new PromoHistory;
    gPromoHistory->counter2 = 12;
    destroyPromoHistory();
    EXPECT_EQ(gPromoHistory, nullptr);
    PromoHistory loaded;
    loaded.load();
    EXPECT_EQ(loaded.counter2, 12);
}

TEST_F(PromoHistoryTest, NothingIsWrittenWhileSavingIsSuppressed)
{
    writeFile("hist.dat", "old");
    gSaveSuppressed = true;
    gPromoHistory = new PromoHistory;
    destroyPromoHistory();
    EXPECT_EQ(gPromoHistory, nullptr);
    EXPECT_EQ(readFile("hist.dat"), "old");
    EXPECT_EQ(readFile("hist.dat.tmp"), "<missing>");
}

} // namespace
