#include "menus/BuildInfoText.h"

#include "Core/MemoryStream.h"
#include "Core/Platform.h"
#include "menus/GameVersion.h"
#include "settings/AbTesterDeluxe.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

namespace {

int flag(bool value) { return value ? 1 : 0; }

int bit(int word, int index) { return (word >> index) & 1; }

} // namespace

String buildInfoText(const Settings& s, const AbTesterDeluxe& engine, uint8_t musicFlag, const String& deviceId,
                     const BuildStamp& stamp)
{
    StringStream text;
    text << "Version: " << kGameVersionText << "   " << s.mainVariation;
    text << " [sv:" << s.slowdownA << "," << s.slowdownB;
    text << ", lh:" << flag(s.extraFlag1) << ", dm:" << s.defaultModeDraw << ", iv:" << s.instructionsVariation
         << ", mh:" << flag(s.mhVariation) << ", adv:" << s.avVariation << ", sgm:" << s.sgVariation
         << ", bl:" << s.blVariation << ", uptv:" << s.uvVariation;
    text << ", lticm: " << s.ltVariation << ", ls: " << s.linkShareVariation << ", fs: " << s.freeSkipsVariation
         << ", wd: " << s.wellDoneVariation;
    text << ", fx:" << s.fxVariation << ", fxsw:" << s.fxSwitchVariation << ", levS:" << s.levelSetVariation
         << ", lr:" << s.levelRepeatsVariation << ", lnb:" << s.limitBallsVariation << ", pf:" << s.hiScoreDefaultsKind;
    text << ", " << engine.variationsText();
    text << ", runs: " << engine.runs << "," << engine.realRuns << "]";
    text << "\nBgMusic: " << static_cast<int>(musicFlag);
    text << "  Compiled: " << stamp.date << " " << stamp.time;
    text << "  Flags: RELEASE_BUILD: on, release, logtofile:off, prof:off";
    text << "\nprepacked:on, full, dev-id: " << deviceId;
    return text.toString();
}

String statisticsText(Settings& settings, const AbTester& engine)
{
    Array<int> playTimes;
    String data;
    settings.getReportData(playTimes, data);
    StringStream text;
    for (int id = 0; id < StatisticCount; ++id)
        text << gStatisticNames[id] << ":" << engine.counter(id) << "  ";
    return text.toString();
}

String firstHalf(const String& text)
{
    return text.mid(0, text.length() / 2);
}

String secondHalf(const String& text)
{
    return text.mid(text.length() / 2);
}

String suggestionCountsText(const int* counts, int count)
{
    StringStream text;
    for (int i = 0; i < count; ++i)
        text << counts[i] << ", ";
    return text.toString();
}

String historyMailText(const Array<HistoryRecord>& history, const String& deviceId)
{
    StringStream text;
    text << history.size() << " " << deviceId << "\n";
    for (const HistoryRecord& r : history) {
        text << r.puzzleId << ", " << r.playMs << ", " << r.gameType << ", " << bit(r.flags, 0) << ", "
             << bit(r.flags, 1) << ", " << r.hintedThrough << ", " << r.credit << ",  " << bit(r.flags, 2)
             << ", " << bit(r.flags, 3) << "\n";
    }
    return text.toString();
}

String versionMailText(const String& buildInfo, const String& statistics, const String& suggestions)
{
    return String("Version Info:\n\n") + buildInfo + "\n\nStats:\n\n" + statistics + "\n\nSuggestions:\n\n" +
           suggestions + "\n\n";
}

void mailHistory(const Array<HistoryRecord>& history, const String& deviceId)
{
    launchEmail(String("KelzoHistory"), historyMailText(history, deviceId));
}

void mailVersionInfo(const String& versionMail)
{
    launchEmail(String("Log"), versionMail);
}
