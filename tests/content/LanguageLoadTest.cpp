// Loads every shipped language through the game's own loader and reads texts back the way the
// menus do, so a file the independent check accepts is also one the game reads the same way.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "Core/Language.h"
#include "TextCatalogue.h"

namespace {

// The loader reads "./<language>.txt" from the working directory, as the game does.
class InDataFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        previous = buffer;
        ASSERT_EQ(chdir(KELZO_DATA_DIR), 0);
        catalogue = loadCatalogue(std::string(KELZO_SOURCE_DIR) + "/content/text/catalogue.tsv");
        ASSERT_TRUE(catalogue.errors.empty());
    }
    void TearDown() override {
        gLanguage = nullptr;
        setLanguageCounters(nullptr, nullptr);
        ASSERT_EQ(chdir(previous.c_str()), 0);
    }
    std::string previous;
    Catalogue catalogue;
};

TEST_F(InDataFolder, EveryLanguageLoadsWithTheSameTexts) {
    // The game offers five languages; each must ship.
    ASSERT_EQ(shippedLanguages().size(), static_cast<size_t>(kLanguageCount));
    for (const LanguageCase& shipped : shippedLanguages()) {
        int id = shipped.id;
        SCOPED_TRACE(gLanguageNames[id]);
        ASSERT_STREQ(gLanguageNames[id], shipped.file);
        LanguageFile file = readLanguageFile(std::string(gLanguageNames[id]) + ".txt");
        ASSERT_TRUE(file.opened);
        Language lang(id);
        EXPECT_EQ(lang.id, id);
        // The final line feed gives one more, empty, text after the catalogue's ids.
        ASSERT_EQ(lang.texts.size(), static_cast<int>(catalogue.entries.size()) + 1);
        for (const CatalogueEntry& e : catalogue.entries)
            EXPECT_EQ(std::string(lang.texts[e.id].c_str()), file.texts[e.id]) << "text " << e.id;

        gLanguage = &lang;
        EXPECT_EQ(std::string(getLanguageName().c_str()), file.texts[31 + id]);
        EXPECT_EQ(std::string(getText(85).c_str()), file.texts[85]);
        std::string level = formatText(239, 7).c_str();
        EXPECT_NE(level.find('7'), std::string::npos) << level;
        std::string solved = formatText(256, 3, 8).c_str();
        EXPECT_LT(solved.find('3'), solved.find('8')) << solved;
        EXPECT_EQ(std::string(formatDurationText(125).c_str()),
                  "2 " + file.texts[40] + " 5" + file.texts[44]);
        EXPECT_EQ(std::string(getText(static_cast<int>(catalogue.entries.size()) + 5).c_str()), "?");
        gLanguage = nullptr;
    }
}

TEST_F(InDataFolder, EnglishTextsTakeTheThemeWord) {
    Language english(kEnglish);
    gLanguage = &english;
    int theme = 3;  // pandas
    setLanguageCounters(nullptr, &theme);
    std::string tip = getText(404).c_str();
    EXPECT_EQ(tip.find("furball"), std::string::npos) << tip;
    EXPECT_NE(tip.find("panda"), std::string::npos) << tip;
    theme = 0;
    EXPECT_NE(std::string(getText(404).c_str()).find("furball"), std::string::npos);
}

// The values each text's callers pass, as the game's format check names their kinds (an int for %d, a
// C string for %s). Every shipped text must pass that check, or the game would show it unformatted.
std::string kindsOfCatalogueFormats(const std::string& formats) {
    std::string kinds;
    for (char c : formats) kinds += std::string("diuxXc").find(c) != std::string::npos ? 'i' : c;
    return kinds;
}

TEST_F(InDataFolder, EveryShippedTextPassesTheFormatCheck) {
    for (const LanguageCase& shipped : shippedLanguages()) {
        Language lang(shipped.id);
        ASSERT_GT(lang.texts.size(), static_cast<int>(catalogue.entries.size()) - 1) << shipped.file;
        for (const CatalogueEntry& e : catalogue.entries) {
            std::string expected = e.isFormat ? kindsOfCatalogueFormats(e.formats) : "";
            EXPECT_EQ(std::string(formatSignature(lang.texts[e.id]).c_str()), expected)
                << shipped.file << " text " << e.id << ": " << lang.texts[e.id].c_str();
        }
    }
}

}  // namespace
