// Checks the shipped language files against content/text/catalogue.tsv on every test run:
// every id present, the printf conversions right, and the boxed texts fitting with the real fonts.
#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>

#include "TextCatalogue.h"
#include "TextFit.h"
#include "ui/EngravedText.h"

namespace {

const std::set<std::string> kGameFonts = {"AmericanTypewriter-Bold", "AmericanTypewriter", "Helvetica-Bold",
                                          "Insanibu"};

const Catalogue& catalogue() {
    static Catalogue cat = loadCatalogue(std::string(KELZO_SOURCE_DIR) + "/content/text/catalogue.tsv");
    return cat;
}

LanguageFile shipped(const char* name) {
    return readLanguageFile(std::string(KELZO_DATA_DIR) + "/" + name + ".txt");
}

std::string shown(const std::string& text) {
    std::string s;
    for (char c : text) s += c == '\n' ? std::string("\\n") : std::string(1, c);
    return s;
}

TEST(TextCatalogue, IsWellFormed) {
    const Catalogue& cat = catalogue();
    for (const std::string& e : cat.errors) ADD_FAILURE() << e;
    // Ids up to the last praise text are used by the game; a shorter table lost rows.
    ASSERT_GE(cat.entries.size(), 494u);
    for (const CatalogueEntry& e : cat.entries) {
        if (!e.used) {
            EXPECT_TRUE(e.boxes.empty() && !e.isFormat) << "unused id " << e.id << " has a box or format";
            continue;
        }
        EXPECT_FALSE(e.where.empty()) << e.id;
        for (const TextBox& b : e.boxes) EXPECT_TRUE(kGameFonts.count(b.font)) << e.id << ": " << b.font;
    }
}

class LanguageFileTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageFileTest, HasEveryIdInItsPlace) {
    const Catalogue& cat = catalogue();
    LanguageFile file = shipped(GetParam().file);
    ASSERT_TRUE(file.opened) << GetParam().file << ".txt is not in the data folder";
    for (const std::string& p : file.problems) ADD_FAILURE() << GetParam().file << ".txt " << p;
    EXPECT_TRUE(file.endsWithOneLineFeed) << "the file must end with exactly one line feed";
    // Markers "# @N" say which id the next text is; a lost or doubled line shifts them.
    EXPECT_FALSE(file.markers.empty());
    for (auto& m : file.markers) EXPECT_EQ(m.first, m.second) << "marker @" << m.first << " stands before text " << m.second;
    ASSERT_EQ(file.texts.size(), cat.entries.size()) << "one line per catalogue id, no more";
    for (const CatalogueEntry& e : cat.entries) {
        const std::string& text = file.texts[e.id];
        if (e.used) {
            EXPECT_FALSE(text.empty()) << "text " << e.id << " (" << e.where << ") is empty";
        } else {
            EXPECT_TRUE(text.empty()) << "text " << e.id << " is not used by the game and should stay empty";
        }
    }
}

TEST_P(LanguageFileTest, ConversionsMatchCatalogueAndEnglish) {
    const Catalogue& cat = catalogue();
    LanguageFile file = shipped(GetParam().file);
    LanguageFile english = shipped("english");
    ASSERT_EQ(file.texts.size(), cat.entries.size());
    ASSERT_EQ(english.texts.size(), cat.entries.size());
    for (const CatalogueEntry& e : cat.entries) {
        const std::string& text = file.texts[e.id];
        bool bad = false, badEnglish = false;
        std::string letters = conversionLetters(text, &bad);
        std::string englishLetters = conversionLetters(english.texts[e.id], &badEnglish);
        if (!e.isFormat) {
            // Shown as it stands: a "%" here would print as written, "%%" included.
            EXPECT_EQ(text.find('%'), std::string::npos) << "text " << e.id << " is no format: " << text;
            continue;
        }
        EXPECT_FALSE(bad) << "text " << e.id << " has a stray %: " << text;
        EXPECT_EQ(letters, e.formats) << "text " << e.id << ": " << text;
        EXPECT_EQ(letters, englishLetters) << "text " << e.id << " differs from English: " << text;
    }
}

TEST_P(LanguageFileTest, ThemeWordIsWrittenSoItCanBeReplaced) {
    LanguageFile file = shipped(GetParam().file);
    const std::set<int> themeNames = {66, 72, 207};  // the furball theme's own names
    for (size_t id = 0; id < file.texts.size(); ++id) {
        const std::string& text = file.texts[id];
        if (std::string(GetParam().code) == "en") {
            // Only the lower-case word is swapped for the theme's word.
            if (!themeNames.count(static_cast<int>(id))) {
                EXPECT_EQ(text.find("Furball"), std::string::npos) << "text " << id << ": " << text;
            }
        } else {
            // Nothing is swapped outside English: an English "furball" would stay as it is.
            EXPECT_EQ(text.find("furball"), std::string::npos) << "text " << id << ": " << text;
        }
    }
}

// The history screen filters the Free Play records by the same "played to the end" flag that
// the statistics page above it counts, so its Unsolved and Solved segments carry the words of
// those two counts, and the segment for all records is a third, different word.
TEST_P(LanguageFileTest, HistorySegmentsAreNamedLikeTheStatisticsCounts) {
    LanguageFile file = shipped(GetParam().file);
    ASSERT_GT(file.texts.size(), 187u);
    const std::string &solved = file.texts[172], &unsolved = file.texts[173];
    const std::string &unsolvedSegment = file.texts[185], &allSegment = file.texts[186], &solvedSegment = file.texts[187];
    EXPECT_EQ(unsolvedSegment, unsolved) << "segment 185 lists what the statistics count as text 173";
    EXPECT_EQ(solvedSegment, solved) << "segment 187 lists what the statistics count as text 172";
    EXPECT_NE(solved, unsolved);
    EXPECT_FALSE(allSegment.empty());
    EXPECT_NE(allSegment, solved);
    EXPECT_NE(allSegment, unsolved);
}

// Every boxed text fits its box with the game's fonts. Texts whose box the game widens or shrinks
// by itself (buttons, theme captions, settings paragraphs) are listed, not failed.
TEST_P(LanguageFileTest, BoxedTextsFit) {
    const Catalogue& cat = catalogue();
    LanguageFile file = shipped(GetParam().file);
    ASSERT_EQ(file.texts.size(), cat.entries.size());
    TextFit fit(KELZO_DATA_DIR);
    ASSERT_TRUE(fit.ready());
    for (const std::string& name : kGameFonts)
        ASSERT_NE(fit.font(name, 16), nullptr) << name << ".ttf missing from the data folder";

    const std::string lang = GetParam().code;
    std::ostringstream report;
    int fitted = 0;
    for (const CatalogueEntry& e : cat.entries) {
        std::string text = e.isFormat ? withSampleValues(file.texts[e.id]) : file.texts[e.id];
        for (const TextBox& box : e.boxes) {
            int size = valueFor(box.size, lang), width = valueFor(box.width, lang), height = valueFor(box.height, lang);
            std::string what = "text " + std::to_string(e.id) + " \"" + shown(text) + "\"";
            // A box lower than the font's line (ascent and descent) cuts the descenders of "g", "p", "q".
            const int line = fit.lineHeight(box.font, size);
            if (box.kind != TextBox::Para && height > 0) {
                EXPECT_GE(height, line) << what << ": its box is " << height << " px high, a line of " << box.font
                                        << " " << size << " takes " << line;
            }
            if (box.kind == TextBox::Line) {
                TextFit::Size s = fit.measure(box.font, size, text, -1);
                EXPECT_LE(s.width, width) << what << " is " << s.width << " px wide at " << box.font << " " << size
                                          << ", its line holds " << width;
                continue;
            }
            if (box.kind == TextBox::Fit) {
                TextFit::Size s = fit.measure(box.font, size, text, -1);
                if (s.width > width) {
                    ++fitted;
                    report << "  " << what << ": " << s.width << " px at size " << size << " (room " << width
                           << "), fitted by the game\n";
                }
                continue;
            }
            if (box.kind == TextBox::Shrink || box.kind == TextBox::ShrinkWrap) {
                // The game draws it at the largest size down to its smallest at which every line is whole within
                // the box.
                const int wrapWidth = box.kind == TextBox::ShrinkWrap ? width : -1;
                int used = 0;
                for (int tries = size; tries >= kSmallestFittedSize && used == 0; tries--) {
                    TextFit::Size s = fit.measure(box.font, tries, text, wrapWidth);
                    if (!s.wordTooWide && s.width <= width && s.height <= height) used = tries;
                }
                EXPECT_NE(used, 0) << what << " does not fit " << width << "x" << height << " even at size " << kSmallestFittedSize;
                if (used != 0 && used != size) {
                    ++fitted;
                    report << "  " << what << ": shrunk to size " << used << " to fit " << width << "x" << height << "\n";
                }
                continue;
            }
            if (box.kind == TextBox::Para) {
                // The settings rows try 13, then 12, and use 11 when 12 is still too tall.
                int used = 0;
                for (int tries : {13, 12, 11}) {
                    TextFit::Size s = fit.measure(box.font, tries, text, width);
                    if (!s.wordTooWide && s.height <= height) {
                        used = tries;
                        break;
                    }
                }
                EXPECT_NE(used, 0) << what << " does not fit " << width << "x" << height << " even at size 11";
                if (used != 0 && used != 13) {
                    ++fitted;
                    report << "  " << what << ": shrunk to size " << used << " to fit " << width << "x" << height << "\n";
                }
                continue;
            }
            TextFit::Size s = fit.measure(box.font, size, text, width);
            EXPECT_FALSE(s.wordTooWide) << what << " has a word wider than " << width << " px at size " << size;
            // Every line whole, the last one's descent included.
            if (height > 0) {
                EXPECT_LE(s.height, height)
                    << what << " takes " << s.lines << " lines (" << s.height << " px) in a box " << width << "x"
                    << height << " at size " << size;
            }
        }
    }
    std::cout << "[" << GetParam().file << "] " << fitted << " texts rely on the game's own fitting"
              << (fitted ? ":\n" : "\n") << report.str();
}

std::string replacedOnce(std::string text, const std::string& conversion, const std::string& value) {
    size_t at = text.find(conversion);
    if (at != std::string::npos) text.replace(at, conversion.size(), value);
    return text;
}

// The new-high-score page builds its paragraph from several texts into a box of 260 x 88 that
// does not shrink: the whole message must fit, for a score and for a time.
TEST_P(LanguageFileTest, NewHighScoreMessageFits) {
    LanguageFile file = shipped(GetParam().file);
    ASSERT_GT(file.texts.size(), 197u);
    TextFit fit(KELZO_DATA_DIR);
    ASSERT_TRUE(fit.ready());
    std::string rank = replacedOnce(file.texts[192], "%s", "12" + file.texts[196]);
    std::string tail = rank + "\n\n" + file.texts[197];
    const std::string messages[] = {replacedOnce(file.texts[191], "%s", "1,234,567") + tail,
                                    file.texts[190] + " 12 minutes and 59 seconds" + tail};
    for (const std::string& message : messages) {
        TextFit::Size s = fit.measure("AmericanTypewriter-Bold", 13, message, 260);
        EXPECT_FALSE(s.wordTooWide) << shown(message);
        EXPECT_LE(s.height - s.lastLineHeight / 4, 88) << shown(message) << " takes " << s.lines << " lines";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageFileTest, ::testing::ValuesIn(shippedLanguages()),
                         [](const ::testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.file); });

}  // namespace
