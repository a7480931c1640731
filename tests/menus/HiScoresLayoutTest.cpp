#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "Core/Language.h"
#include "board/GameType.h"
#include "menus/HiScoresMenu.h"
#include "tests/menus/HiScoresScreenFixture.h"
#include "tests/support/StdString.h"
#include "ui/Utf8Step.h"

namespace {

const char* const kLongName = "Maximiliane Wolkenstein-Oberhausen Fünf";  // 40 characters

bool contains(const LaidOutRect& outer, const LaidOutRect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool apart(const LaidOutRect& a, const LaidOutRect& b)
{
    return a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
}

std::string describe(const LaidOutRect& r)
{
    std::ostringstream out;
    out << r.what << " (" << r.x << ", " << r.y << ", " << r.w << " x " << r.h << ")";
    return out.str();
}

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// The high-score screen in every language and mode, with its real texts and pictures, a full local table and a
// long online list, both holding a 40-character name and four-digit scores.
class HiScoresLayoutTest : public HiScoresScreenTest {
protected:
    void SetUp() override
    {
        HiScoresScreenTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(linkScreenPictures());
        ASSERT_NO_FATAL_FAILURE(
            linkDataFiles({"english.txt", "german.txt", "spanish.txt", "french.txt", "italian.txt"}));
        gChallengeScoresTipShown = true;
        gFreePlayScoresTipShown = true;
        settings.switchA = false;  // no server: the online rows are put in by hand
        for (int i = 0; i < 12; i++)
            table.addScore(0, 9000 - 500 * i, i == 2 ? kLongName : "Anna", i);
        table.addScore(7, 25, kLongName, 1);
    }

    void useLanguage(int language)
    {
        unloadLanguage();
        gLanguage = new Language(language);
    }

    void fillOnlineList()
    {
        String reply = "header\n";
        for (int i = 1; i <= 60; i++)
            reply += String(i == 3 ? kLongName : "Player") + "," + String::fromInt(7000 - 10 * i) + "\n";
        MutexLock lock(&gHiScoresMutex);
        fetcher.results().storeReply(reply, -1, "");
    }

    // A drag up the list by a few rows, and frames until it rests: the arrow above the rows shows.
    static void scrollDown(HiScoresMenu& menu)
    {
        menu.handleTouch(TouchDown, 160, 300);
        for (int y = 290; y >= 230; y -= 10) {
            gGameClock.current += 40;
            menu.handleTouch(TouchMove, 160, y);
            menu.render();
        }
        gGameClock.current += 300;  // held still before the release: no fling to the list's end
        menu.handleTouch(TouchMove, 160, 230);
        menu.handleTouch(TouchUp, 160, 230);
        for (int frames = 0; frames < 500 && (frames == 0 || menu.listGliding()); frames++) {
            gGameClock.current += 16;
            menu.render();
        }
    }

    // The screen drawn twice (tiles and fields take their places at the first frame) in the mode and list.
    std::vector<LaidOutRect> laidOut(int gameMode, bool online, bool scrolled)
    {
        settings.gameMode = gameMode;
        const int slot = gameMode == kGameFreePlay ? 7 : 0;
        HiScoresMenu menu(&table, false, nullptr, slot, false, &scoresHost, &uploader, &fetcher);
        menu.recordLayout = true;
        if (online && gameMode != kGameFreePlay)
            menu.restartFetch(2);
        menu.render();
        if (online)
            fillOnlineList();
        menu.render();
        if (scrolled)
            scrollDown(menu);
        glClear(GL_COLOR_BUFFER_BIT);
        menu.render();
        // To look at: build/tests/menus/<test folder>/layout_<language>_<mode>_<list>.png
        saveFrame(std::string("layout_") + gLanguageNames[gLanguage->id] + "_" + std::to_string(gameMode) +
                  (online ? "_online" : "_local") + (scrolled ? "_scrolled" : ""));
        return menu.laidOut();
    }
};

TEST_F(HiScoresLayoutTest, NothingOverlapsInAnyLanguageOrMode)
{
    struct Mode {
        const char* name;
        int gameMode;
        bool online;
        bool scrolled;
        int rows;
    } modes[] = {{"local list", kGameArcade, false, false, 12},
                 {"online list", kGameArcade, true, false, 10},
                 {"online list scrolled", kGameArcade, true, true, 10},
                 {"Free Play", kGameFreePlay, true, false, 10},
                 {"Free Play scrolled", kGameFreePlay, true, true, 10}};
    for (int language = 0; language < kLanguageCount; language++) {
        useLanguage(language);
        for (const Mode& m : modes) {
            const std::string where = std::string(gLanguageNames[language]) + ", " + m.name;
            const std::vector<LaidOutRect> rects = laidOut(m.gameMode, m.online, m.scrolled);
            const LaidOutRect* frame = nullptr;
            int rows = 0;
            for (const LaidOutRect& r : rects) {
                frame = r.what == "list frame" ? &r : frame;
                rows += startsWith(r.what, "row ") && r.what.find(" name") != std::string::npos;
            }
            ASSERT_NE(frame, nullptr) << where;
            int arrows = 0;
            for (const LaidOutRect& r : rects)
                arrows += startsWith(r.what, "list arrow");
            EXPECT_EQ(arrows, m.online ? (m.scrolled ? 2 : 1) : 0) << where << ": the list's arrows";
            EXPECT_EQ(rows, m.rows) << where;
            const LaidOutRect screen{"screen", 0, 0, 320, 480};
            for (size_t i = 0; i < rects.size(); i++) {
                const LaidOutRect& a = rects[i];
                const bool inList = startsWith(a.what, "row ") || startsWith(a.what, "list arrow") ||
                                    startsWith(a.what, "period") || a.what == "empty list text";
                EXPECT_TRUE(contains(screen, a)) << where << ": " << describe(a);
                if (inList) {
                    EXPECT_TRUE(contains(*frame, a)) << where << ": " << describe(a) << " outside the frame";
                } else if (&a != frame) {
                    EXPECT_TRUE(apart(*frame, a)) << where << ": " << describe(a) << " on the frame";
                }
                for (size_t j = i + 1; j < rects.size(); j++) {
                    const LaidOutRect& b = rects[j];
                    // The period arrows are part of the bar; the frame holds the list.
                    const bool partOf = startsWith(b.what, "period arrow") && a.what == "period bar";
                    if (&a == frame || &b == frame || partOf)
                        continue;
                    EXPECT_TRUE(apart(a, b)) << where << ": " << describe(a) << " and " << describe(b);
                }
            }
            if (HasFailure() || getenv("SHOW_RECTS")) {
                printf("%s\n", where.c_str());
                for (const LaidOutRect& r : rects)
                    printf("  %s\n", describe(r).c_str());
                if (HasFailure()) return;
            }
        }
    }
}

// A name too wide for its column ends with an ellipsis after whole characters, on its row's one line.
TEST_F(HiScoresLayoutTest, ALongNameIsCutOnItsOwnLine)
{
    useLanguage(kEnglish);
    settings.gameMode = kGameArcade;
    HiScoresMenu menu(&table, false, nullptr, 0, false, &scoresHost, &uploader, &fetcher);
    menu.render();
    const ScoreRowTextures& longRow = menu.shownRow(2);
    const std::string shown = str(longRow.text.left);
    EXPECT_TRUE(isValidUtf8(shown)) << shown;
    EXPECT_EQ(shown.substr(0, 6), "3. Max");
    EXPECT_EQ(shown.substr(shown.size() - 3), "\xE2\x80\xA6") << shown;
    EXPECT_LT(shown.size(), std::string("3. ").size() + std::string(kLongName).size());
    ASSERT_NE(longRow.left.get(), nullptr);
    EXPECT_EQ(longRow.left->height, menu.shownRow(1).left->height) << "one line, as high as the others";
    EXPECT_EQ(longRow.left->height, HiScoresMenuBase::kRowTextHeight);
    EXPECT_EQ(str(menu.shownRow(0).text.left), "1. Anna") << "a short name stays whole";
}

// A score's box holds its letters whole, the comma's tail below the line included, at both sizes of a row.
TEST_F(HiScoresLayoutTest, ScoreBoxesHoldTheCommasTail)
{
    for (int size : {15, 16}) {
        const TextInk withComma = measureOneLineInk("6,000", "AmericanTypewriter-Bold", size);
        const TextInk digits = measureOneLineInk("6000", "AmericanTypewriter-Bold", size);
        EXPECT_GT(withComma.bottom, digits.bottom) << "the comma reaches below the digits";
        EXPECT_GT(withComma.bottom, 16) << "more than the 16 px box held";
        EXPECT_LE(withComma.bottom, HiScoresMenuBase::kRowTextHeight) << size;
        EXPECT_GE(withComma.top, 0) << size;
    }
}

}  // namespace
