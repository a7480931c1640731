#include <gtest/gtest.h>

#include <string>

#include "FileBuilder.h"
#include "menus/ContactFormState.h"
#include "settings/Settings.h"
#include "tests/support/TempFolder.h"
#include "tests/support/StdString.h"

namespace {

const char* kFile = "contactMenuState.dat";


class ContactFormStateTest : public TempFolderTest {
protected:
    void TearDown() override
    {
        gSaveSuppressed = false;
        TempFolderTest::TearDown();
    }

    std::string fileOf(const std::string& email, const std::string& feedback, int subscribe)
    {
        return FileBuilder().tag().text(email).text(feedback).byte(subscribe).tag().bytes();
    }
};

TEST_F(ContactFormStateTest, TheFormIsStoredInItsLayoutAndComesBack)
{
    ContactFormState form;
    form.email = "me@example.org";
    form.feedback = String("two\nlines", 9);
    form.subscribe = false;
    ASSERT_TRUE(form.save());
    EXPECT_EQ(readFile(kFile), fileOf("me@example.org", "two\nlines", 0));

    ContactFormState loaded;
    EXPECT_TRUE(loaded.load());
    EXPECT_EQ(str(loaded.email), "me@example.org");
    EXPECT_EQ(str(loaded.feedback), "two\nlines");
    EXPECT_FALSE(loaded.subscribe);
}

TEST_F(ContactFormStateTest, AnUntouchedFormStoresTwoEmptyTexts)
{
    ContactFormState form;
    form.email = formFieldValue(kEmailPreset, true, kEmailPreset);
    form.feedback = formFieldValue(kFeedbackPreset, true, kFeedbackPreset);
    ASSERT_TRUE(form.save());
    EXPECT_EQ(readFile(kFile), fileOf("", "", 1));
}

TEST_F(ContactFormStateTest, APresetIsNoValue)
{
    EXPECT_EQ(str(formFieldValue("typed", false, kEmailPreset)), "typed");
    EXPECT_EQ(str(formFieldValue("typed", true, kEmailPreset)), "") << "the flag decides";
    EXPECT_EQ(str(formFieldValue(kFeedbackPreset, false, kFeedbackPreset)), "") << "a preset stored as if typed";
    EXPECT_EQ(str(formFieldValue("Tap to enter", false, kFeedbackPreset)), "Tap to enter");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string email;
    std::string feedback;
    bool whole;   // what load() says
};

TEST_F(ContactFormStateTest, WhatCannotBeReadStaysEmpty)
{
    const ReadCase cases[] = {
        {"whole", FileBuilder().tag().text("a@b.c").text("hello").byte(1).tag().bytes(), "a@b.c", "hello", true},
        {"feedback length above 999,999 keeps the address",
         FileBuilder().tag().text("abc").int32(1000000).raw("xyz").byte(1).tag().bytes(), "abc", "", false},
        {"negative feedback length", FileBuilder().tag().text("abc").int32(-1).bytes(), "abc", "", false},
        {"bad address length: the feedback is read after it",
         FileBuilder().tag().int32(1000000).text("hi").byte(0).tag().bytes(), "", "hi", false},
        {"cut inside the feedback", FileBuilder().tag().text("abc").text("hello").cut(4 + 4 + 3 + 4 + 2).bytes(), "abc",
         "", false},
        {"cut after the feedback", FileBuilder().tag().text("abc").text("hello").bytes(), "abc", "hello", false},
        {"wrong end tag", FileBuilder().tag().text("abc").text("hello").byte(1).raw("20rf").bytes(), "abc", "hello",
         false},
        {"foreign tag", FileBuilder().raw("20rf").text("abc").text("hello").byte(1).tag().bytes(), "", "", false},
        {"stored presets", FileBuilder().tag().text(kEmailPreset).text(kFeedbackPreset).byte(1).tag().bytes(), "", "",
         true},
        {"empty file", "", "", "", false},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(kFile, c.bytes);
        ContactFormState form;
        EXPECT_EQ(form.load(), c.whole);
        EXPECT_EQ(str(form.email), c.email);
        EXPECT_EQ(str(form.feedback), c.feedback);
    }
    remove(kFile);
    ContactFormState none;
    EXPECT_FALSE(none.load());
    EXPECT_TRUE(none.email.isEmpty());
    EXPECT_TRUE(none.feedback.isEmpty());
    EXPECT_TRUE(none.subscribe);
}

TEST_F(ContactFormStateTest, AcceptedFeedbackLeavesOnlyTheAddress)
{
    ContactFormState::clearStoredFeedback();
    EXPECT_EQ(readFile(kFile), "<missing>") << "nothing stored, nothing to clear";

    writeFile(kFile, fileOf("a@b.c", "my idea", 0));
    ContactFormState::clearStoredFeedback();
    EXPECT_EQ(readFile(kFile), fileOf("a@b.c", "", 0));
}

TEST_F(ContactFormStateTest, NothingIsWrittenWhileSavingIsSuppressed)
{
    writeFile(kFile, "old");
    gSaveSuppressed = true;
    ContactFormState form;
    form.email = "a@b.c";
    EXPECT_FALSE(form.save());
    ContactFormState::clearStoredFeedback();
    EXPECT_EQ(readFile(kFile), "old");
}

} // namespace
