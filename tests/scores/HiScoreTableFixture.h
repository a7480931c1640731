#pragma once

// A fresh folder per test with its own settings record (defaults kind chosen
// by the test) and saving allowed, plus a little-endian byte builder for
// hand-made "hiScores.dat" files.

#include <string>

#include "scores/HiScoreTable.h"
#include "settings/Settings.h"
#include "tests/support/TempFolder.h"
#include "tests/support/StdString.h"

class FileBuilder {
public:
    FileBuilder& i32(int value)
    {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xff);
        return *this;
    }
    FileBuilder& raw(const std::string& text)
    {
        bytes += text;
        return *this;
    }
    FileBuilder& name(const std::string& text) { return i32(static_cast<int>(text.size())).raw(text); }
    // An entry without the pending flag: length header, name, score.
    FileBuilder& plainEntry(const std::string& text, int score) { return name(text).i32(score); }
    // A pending entry guarded by `check` (entryChecksum + 1 when honest).
    FileBuilder& checkedEntry(const std::string& text, int score, int gameId, int check)
    {
        return i32((check << 8) + static_cast<int>(text.size())).raw(text).i32(score).i32(gameId);
    }
    FileBuilder& emptySlots(int count)
    {
        for (int s = 0; s < count; ++s)
            i32(0);
        return *this;
    }

    std::string bytes;
};

const int kTag = 0x66723031;

inline int checkOf(const std::string& name, int score, int gameId)
{
    return HiScoreTable::entryChecksum(HiScoreEntry(String(name.c_str()), score, gameId, true)) + 1;
}

class HiScoreTableTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSaveSuppressed = false;
        settings.hiScoreDefaultsKind = 0;
        gSettings = &settings;
    }

    void TearDown() override
    {
        gSettings = nullptr;
        gSaveSuppressed = false;
        TempFolderTest::TearDown();
    }

    // Names and scores of the slot's first `count` positions, "name=score" joined by blanks.
    static std::string describe(const HiScoreTable& table, int slot, int count = HiScoreTable::kShownEntries)
    {
        const HiScoreList& list = table.slotList(slot);
        std::string text;
        for (int i = 0; i < count && i < list.count(); ++i) {
            const HiScoreEntry& e = list[i];
            text += (i ? " " : "") + str(e.name) + "=" + std::to_string(e.score) + (e.pending ? "*" : "");
        }
        return text;
    }

    Settings settings;
};
