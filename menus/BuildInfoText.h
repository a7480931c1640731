#ifndef KELZO_MENUS_BUILDINFOTEXT_H
#define KELZO_MENUS_BUILDINFOTEXT_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/String.h"
#include "board/HistoryRecord.h"

class AbTester;
class AbTesterDeluxe;
class Settings;

// The maintainers' texts that the console shows in alerts or hands to the
// mail program: the build-info line, the usage counters, the suggestion
// counts, the play history and the version mail that bundles the first three.
// Everything they read is passed in, so they are built the same way in the
// game and in a test.

// When this build was compiled, as the compiler names it ("Feb 19 2011", "13:50:47").
struct BuildStamp {
    const char* date;
    const char* time;
};
BuildStamp currentBuildStamp();

// "Version: 1.6.2   <levels> [sv:…, lh:…, … runs: <launches>,<real launches>]\n"
// "BgMusic: <flag>  Compiled: <date> <time>  Flags: …\nprepacked:on, full, dev-id: <id>"
String buildInfoText(const Settings& settings, const AbTesterDeluxe& engine, uint8_t musicFlag,
                     const String& deviceId, const BuildStamp& stamp);

// "<name>:<value>  " for every usage counter in id order. Asks the settings
// for their report data first, which brings the play-time counters up to date.
String statisticsText(Settings& settings, const AbTester& engine);
// The halves the console shows one at a time: bytes 0 .. L/2 - 1, and the rest.
String firstHalf(const String& text);
String secondHalf(const String& text);

// "<n>, " for every count, in index order.
String suggestionCountsText(const int* counts, int count);

// "<records> <device id>\n", then one line per record:
// "id, ms, type, bit0, bit1, word3, word4,  bit2, bit3\n".
String historyMailText(const Array<HistoryRecord>& history, const String& deviceId);
// The three texts under their headings, for one mail.
String versionMailText(const String& buildInfo, const String& statistics, const String& suggestions);

// Hand the texts to the mail program as "mailto:?subject=…&body=…": subject
// "KelzoHistory" for the history, "Log" for the version mail.
void mailHistory(const Array<HistoryRecord>& history, const String& deviceId);
void mailVersionInfo(const String& versionMail);

#endif
