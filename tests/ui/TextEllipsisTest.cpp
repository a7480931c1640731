#include <gtest/gtest.h>

#include <string>

#include "tests/ui/MenuTestFolder.h"
#include "ui/TextEllipsis.h"
#include "ui/Utf8Step.h"

namespace {

class TextEllipsisTest : public MenuTestFolder {};

TEST_F(TextEllipsisTest, CutsWholeCharactersAndKeepsWhatFits)
{
    TextStyle style;
    style.fontName = "AmericanTypewriter-Bold";
    struct Case {
        const char* text;
        int room;
        const char* shown;  // null: cut, checked by its width and its end
    } cases[] = {
        {"Anna", 200, "Anna"},
        {"", 0, ""},
        {"Zo\xC3\xAB Zo\xC3\xAB Zo\xC3\xAB Zo\xC3\xAB Zo\xC3\xAB", 60, nullptr},
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 30, nullptr},
        {"Anna", 1, "\xE2\x80\xA6"},
    };
    for (const Case& c : cases) {
        const std::string shown = fitWithEllipsis(c.text, 15, style, c.room);
        EXPECT_TRUE(isValidUtf8(shown)) << c.text;
        if (c.shown) {
            EXPECT_EQ(shown, c.shown) << c.text;
            continue;
        }
        EXPECT_LE(oneLineWidth(shown, 15, style), c.room) << shown;
        ASSERT_GT(shown.size(), 3u) << shown;
        EXPECT_EQ(shown.substr(shown.size() - 3), "\xE2\x80\xA6") << shown;
        EXPECT_NE(shown[shown.size() - 4], ' ') << "no blank before the ellipsis: " << shown;
    }
}

}  // namespace
