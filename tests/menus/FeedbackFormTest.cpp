#include <gtest/gtest.h>

#include <string>

#include "menus/FeedbackForm.h"
#include "tests/support/StdString.h"

namespace {

TEST(FeedbackForm, AnAddressNeedsANameAndADottedDomain)
{
    for (const char* good : {"a@b.c", "a@b.c.d", "a@@b.c", "first.last@mail.example.org"})
        EXPECT_TRUE(isWellFormedAddress(good)) << good;
    for (const char* bad : {"", "@b.c", "a@.c", "a@b.", "a.b@c", "a", "a@b", "Tap to enter"})
        EXPECT_FALSE(isWellFormedAddress(bad)) << bad;
}

TEST(FeedbackForm, TheQuestionCarriesTheGameChoice)
{
    int slot = feedbackScoreSlot(2, 1);
    EXPECT_EQ(slot, 7) << "Free Play";
    EXPECT_EQ(str(feedbackQuestion("Too hard!", slot, 4, 1)), "Too hard!\n\n[Kelzo1.6.2 , game-mode=7, level=4, diff=1]");
    EXPECT_EQ(feedbackScoreSlot(3, 2), 2) << "other modes: the difficulty";
    EXPECT_EQ(str(feedbackQuestion("", feedbackScoreSlot(0, 0), 12, 0)),
              "\n\n[Kelzo1.6.2 , game-mode=0, level=12, diff=0]");
}

TEST(FeedbackForm, TheBodyIsPercentEncoded)
{
    String question = feedbackQuestion("Too hard!", 7, 4, 1);
    EXPECT_EQ(str(feedbackBody("a+b@c.de", question, true)),
              "email=a%2bb%40c%2ede&question=Too%20hard!%0a%0a%5bKelzo1%2e6%2e2%20%2c%20game%2dmode%3d7%2c%20level%3d4%2c"
              "%20diff%3d1%5d&topic=kelzo&subscribe=yes");
    EXPECT_EQ(str(feedbackBody("", "", false)), "email=&question=&topic=kelzo&subscribe=no");
    EXPECT_EQ(str(feedbackUrl("127.0.0.1:8470")), "http://127.0.0.1:8470/support/service_submit/");
}

TEST(FeedbackForm, OnlyAReplyBeginningWithOkIsAcceptance)
{
    EXPECT_TRUE(isFeedbackAccepted(true, "Ok"));
    EXPECT_TRUE(isFeedbackAccepted(true, "Ok thanks"));
    for (const char* reply : {"OK", " Ok", "", "O", "ok", "Error"})
        EXPECT_FALSE(isFeedbackAccepted(true, reply)) << "'" << reply << "'";
    EXPECT_FALSE(isFeedbackAccepted(false, "Ok")) << "a failed request";
}

} // namespace
