#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Core/Array.h"
#include "menus/BuildInfoText.h"
#include "settings/AbSettings.h"
#include "settings/AbTesterDeluxe.h"
#include "settings/ReportFacts.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/support/LinkCatcher.h"
#include "tests/support/TempFolder.h"
#include "tests/support/StdString.h"

namespace {

// Every value the build-info line prints, each one different.
void fixSettings(Settings& s)
{
    s.mainVariation = 9;
    s.slowdownA = 6;
    s.slowdownB = -1;
    s.extraFlag1 = true;
    s.defaultModeDraw = 12;
    s.instructionsVariation = 105;
    s.mhVariation = false;
    s.avVariation = 0;
    s.sgVariation = 3;
    s.blVariation = 2;
    s.uvVariation = 30;
    s.ltVariation = 4;
    s.linkShareVariation = 1;
    s.freeSkipsVariation = -1;
    s.wellDoneVariation = 3;
    s.fxVariation = 0;
    s.fxSwitchVariation = 2;
    s.levelSetVariation = 39;
    s.levelRepeatsVariation = 5;
    s.limitBallsVariation = 6;
    s.hiScoreDefaultsKind = 1;
}

TEST(BuildInfoText, TheLineReadsAsTheMaintainersExpectIt)
{
    Settings settings;
    fixSettings(settings);
    AbTesterDeluxe engine(162, 3, "abc");
    int plain = 4, reassigned = -1;
    Variation first;
    first.target = &plain;
    first.key = "ab";
    Variation second;
    second.target = &reassigned;
    second.key = "cd";
    second.generation = 2;
    engine.addVariation(first);
    engine.addVariation(second);
    engine.runs = 7;
    engine.realRuns = 5;

    EXPECT_EQ(str(buildInfoText(settings, engine, 1, "0123abcd", BuildStamp{"Feb 19 2011", "13:50:47"})),
              "Version: 1.6.2   9 [sv:6,-1, lh:1, dm:12, iv:105, mh:0, adv:0, sgm:3, bl:2, uptv:30, lticm: 4, ls: 1, "
              "fs: -1, wd: 3, fx:0, fxsw:2, levS:39, lr:5, lnb:6, pf:1, _ab_4_cd_OR-1, runs: 7,5]\n"
              "BgMusic: 1  Compiled: Feb 19 2011 13:50:47  Flags: RELEASE_BUILD: on, release, logtofile:off, prof:off\n"
              "prepacked:on, full, dev-id: 0123abcd");
}

class StatisticsTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_.setSize(StatisticCount);
        for (int i = 0; i < StatisticCount; ++i) {
            saved_[i] = gAbSettings.counter(i);
            gAbSettings.setCounter(i, 0);
        }
        gReportFacts = nullptr;
    }
    void TearDown() override
    {
        for (int i = 0; i < StatisticCount; ++i)
            gAbSettings.setCounter(i, saved_[i]);
    }

private:
    Array<int> saved_;
};

TEST_F(StatisticsTextTest, EveryCounterByNameWithThePlayTimesBroughtUpToDate)
{
    Settings settings;
    settings.playTimeTotal = 123;   // seconds before the history: must reach "Tpt" first
    gAbSettings.setCounter(StatUndid, -5);
    gAbSettings.setCounter(StatisticCount - 1, 77);

    std::string text = str(statisticsText(settings, gAbSettings));
    std::vector<std::string> pieces;
    size_t start = 0, end;
    while ((end = text.find("  ", start)) != std::string::npos) {
        pieces.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "ends with two blanks";
    ASSERT_EQ(pieces.size(), 111u);
    for (int id = 0; id < StatisticCount; ++id) {
        std::string name = gStatisticNames[id];
        EXPECT_EQ(pieces[id].substr(0, name.size() + 1), name + ":") << id;
    }
    EXPECT_EQ(pieces[0], "BeganInst:0");
    EXPECT_EQ(pieces[StatUndid], std::string(gStatisticNames[StatUndid]) + ":-5");
    EXPECT_EQ(pieces[StatTpt], "Tpt:123");
    EXPECT_EQ(pieces[StatCurTime], std::string(gStatisticNames[StatCurTime]) + ":-1") << "no puzzle running";
    EXPECT_EQ(pieces[110], std::string(gStatisticNames[110]) + ":77");
}

TEST(BuildInfoText, TheStatisticsHalvesSplitAtHalfTheLength)
{
    EXPECT_EQ(str(firstHalf("abcde")), "ab");
    EXPECT_EQ(str(secondHalf("abcde")), "cde");
    EXPECT_EQ(str(firstHalf("abcd")), "ab");
    EXPECT_EQ(str(secondHalf("abcd")), "cd");
    EXPECT_EQ(str(firstHalf("")), "");
    EXPECT_EQ(str(secondHalf("a")), "a");
}

TEST(BuildInfoText, SuggestionCountsEachEndWithACommaAndBlank)
{
    int counts[80];
    for (int i = 0; i < 80; ++i)
        counts[i] = i * 3 - 1;
    std::string text = str(suggestionCountsText(counts, 80));
    EXPECT_EQ(text.substr(0, 10), "-1, 2, 5, ");
    EXPECT_EQ(text.substr(text.size() - 10), "233, 236, ");
    size_t commas = 0;
    for (char c : text)
        commas += c == ',';
    EXPECT_EQ(commas, 80u);
}

HistoryRecord record(int id, int ms, int type, int hinted, int hints, int flags)
{
    HistoryRecord r{};
    r.puzzleId = id;
    r.playMs = ms;
    r.gameType = type;
    r.hintedThrough = hinted;
    r.credit = hints;
    r.flags = flags;
    r.scheme = -123;
    return r;
}

class MailTest : public TempFolderTest {};

TEST_F(MailTest, TheHistoryMailListsEveryRecordWithItsFlagBits)
{
    Array<HistoryRecord> history;
    EXPECT_EQ(str(historyMailText(history, "0123abcd")), "0 0123abcd\n");

    history.append(record(50123, 75000, 2, 1, 2, 2));
    history.append(record(120007, -1, 5, 0, 0, 1 | 4 | 8));
    EXPECT_EQ(str(historyMailText(history, "0123abcd")), "2 0123abcd\n"
                                                         "50123, 75000, 2, 0, 1, 1, 2,  0, 0\n"
                                                         "120007, -1, 5, 1, 0, 0, 0,  1, 1\n");

    LinkCatcher links(folder());
    mailHistory(Array<HistoryRecord>(), "0123abcd");
    EXPECT_EQ(links.link(), "mailto:?subject=KelzoHistory&body=0%200123abcd%0a");
}

TEST_F(MailTest, TheVersionMailBundlesTheThreeTexts)
{
    String mail = versionMailText("B", "S", "1, ");
    EXPECT_EQ(str(mail), "Version Info:\n\nB\n\nStats:\n\nS\n\nSuggestions:\n\n1, \n\n");

    LinkCatcher links(folder());
    mailVersionInfo(mail);
    EXPECT_EQ(links.link(), "mailto:?subject=Log&body=Version%20Info%3a%0a%0aB%0a%0aStats%3a%0a%0aS%0a%0aSuggestions%3a"
                            "%0a%0a1%2c%20%0a%0a");
}

} // namespace
