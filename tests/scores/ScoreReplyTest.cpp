#include <memory>

#include <gtest/gtest.h>

#include "scores/HiScoreRows.h"
#include "scores/ScoreSubmission.h"
#include "tests/support/StdString.h"

namespace {

// "name=score" of every stored row, joined by "|".
std::string describe(const HiScoreRows& rows)
{
    std::string text;
    for (int i = 0; i < rows.storedCount(); ++i)
        text += (i ? "|" : "") + str(rows.rows[i].name) + "=" + std::to_string(rows.rows[i].score);
    return text;
}

std::unique_ptr<HiScoreRows> freshRows()
{
    std::unique_ptr<HiScoreRows> rows(new HiScoreRows);
    rows->clear();
    return rows;
}

TEST(ListReply, RankFromTheLastWordOfLineZero)
{
    struct Case {
        const char* body;
        int myScore;
        int myRank;
    } cases[] = {
        {"x 4\n", 500, 5},
        {"x 4", -1, -1},              // no own score: the rank is not read
        {"  some header 0  \nA,1", 7, 1},
        {"header\nA,1", 7, -1},       // no blank
        {"header -3\n", 7, -2},
        {"header 4x\n", 7, -1},
        {"header 1234567890\n", 7, -1},  // more than 9 digits
        {"", 7, -1},
    };
    for (const Case& c : cases) {
        auto rows = freshRows();
        rows->myRank = 99;
        rows->storeReply(c.body, c.myScore, "");  // no name: no own row put in
        EXPECT_EQ(rows->myRank, c.myRank) << c.body;
        EXPECT_EQ(rows->rowCount, c.body[0] && std::string(c.body).find(',') != std::string::npos ? 1 : 0) << c.body;
    }
}

TEST(ListReply, LinesAndTheirNamesAndScores)
{
    auto rows = freshRows();
    rows->storeReply("A,1\n"                   // line 0 never holds a row
                     "Smith, Anna,4500\n"
                     "  Al , 77  \n"
                     "no comma\n"
                     "Ends,\n"
                     "\n"
                     "Garbled,12x\n"
                     "Minus,-5\n"
                     "Long,1234567890\n"
                     ",3\n",
                     -1, "");
    EXPECT_EQ(describe(*rows), "Smith, Anna=4500|Al =77|Garbled=-1|Minus=-5|Long=-1|=3");
    for (int i = 0; i < rows->rowCount; ++i) {
        EXPECT_EQ(rows->rows[i].rank, -1);
        EXPECT_FALSE(rows->rows[i].isMine);
        EXPECT_FALSE(rows->rows[i].textsBuilt);
    }
    rows->storeReply("next page\nZed,1", -1, "");
    EXPECT_EQ(rows->rowCount, 7) << "a later page is appended";
}

TEST(ListReply, TheOwnRowIsPutInAtItsRankAndTheServersCopyDroppedOnce)
{
    struct Case {
        const char* what;
        const char* body;
        const char* name;
        int score;
        const char* rows;
        int myRowIndex;
    } cases[] = {
        {"someone else at rank 3", "h 2\nA,900\nB,800\nC,700\nBob,650\nD,600\nBob,650", "Bob", 650,
         "A=900|B=800|Bob=650|C=700|D=600|Bob=650", -1},
        {"the copy never comes", "h 2\nA,900\nB,800\nC,700", "Bob", 650, "A=900|B=800|Bob=650|C=700", 3},
        {"a copy with another score is kept", "h 2\nA,900\nB,800\nC,700\nBob,640", "Bob", 650,
         "A=900|B=800|Bob=650|C=700|Bob=640", 3},
        {"the player is already there", "h 2\nA,900\nB,800\nBob,650\nC,700", "Bob", 650, "A=900|B=800|Bob=650|C=700", -1},
        {"no name: nothing put in", "h 2\nA,900\nB,800\nC,700", "", 650, "A=900|B=800|C=700", -1},
        {"rank 1", "h 0\nA,900", "Bob", 950, "Bob=950|A=900", 1},
        {"rank past the list", "h 5\nA,900", "Bob", 1, "A=900", -1},
    };
    for (const Case& c : cases) {
        auto rows = freshRows();
        rows->storeReply(c.body, c.score, c.name);
        EXPECT_EQ(describe(*rows), c.rows) << c.what;
        EXPECT_EQ(rows->myRowIndex, c.myRowIndex) << c.what;
    }
}

TEST(ListReply, TheNextPageStartsAfterTheServersRowsOnly)
{
    auto rows = freshRows();
    rows->storeReply("h 1\nA,900\nB,800\nC,700", 850, "Bob");
    EXPECT_EQ(rows->rowCount, 4);
    EXPECT_EQ(rows->serverRowsStored(), 3) << "the player's row is not one of the server's";
    rows->storeReply("h 1\nD,600\nBob,850\nE,500", 850, "Bob");
    EXPECT_EQ(describe(*rows), "A=900|Bob=850|B=800|C=700|D=600|E=500");
    EXPECT_EQ(rows->serverRowsStored(), 6) << "the dropped copy counts for the one put in";
}

TEST(ListReply, NeverMoreThan1024Rows)
{
    std::string many = "h 1023\n";
    for (int i = 0; i < 1100; ++i)
        many += "P" + std::to_string(i) + "," + std::to_string(100000 - i) + "\n";

    auto plain = freshRows();
    plain->storeReply(many.c_str(), -1, "Bob");
    EXPECT_EQ(plain->rowCount, 1024);
    EXPECT_EQ(str(plain->rows[1023].name), "P1023");

    // The player's row lands in the last place: the line it displaces is dropped.
    auto own = freshRows();
    own->storeReply(many.c_str(), 5, "Bob");
    EXPECT_EQ(own->myRank, 1024);
    EXPECT_EQ(own->rowCount, 1024);
    EXPECT_EQ(str(own->rows[1022].name), "P1022");
    EXPECT_EQ(str(own->rows[1023].name), "Bob");
    EXPECT_EQ(own->rows[1023].score, 5);

    own->storeReply("h 0\nMore,1\n", 5, "Bob");
    EXPECT_EQ(own->rowCount, 1024) << "a full list takes nothing more";
}

TEST(ListReply, ClearForgetsEverything)
{
    auto rows = freshRows();
    rows->storeReply("h 0\nA,9", 10, "Bob");
    rows->rows[0].textsBuilt = true;
    rows->clear();
    EXPECT_EQ(rows->rowCount, -1);
    EXPECT_EQ(rows->myRank, -1);
    EXPECT_EQ(rows->myRowIndex, -1);
    EXPECT_EQ(rows->rows[0].score, -1);
    EXPECT_TRUE(rows->rows[0].name.isEmpty());
    EXPECT_FALSE(rows->rows[0].textsBuilt);
}

TEST(SubmitReply, OnlyOkCommaSucceeds)
{
    struct Case {
        const char* body;
        bool ok;
        int rank;
    } cases[] = {
        {"Ok,17", true, 17},
        {"Ok,17\nmore text", true, 17},
        {"Ok", false, -1},
        {"Ok,1,2", true, -1},
        {"Ok,", true, -1},
        {"Ok,x", true, -1},
        {"ok,5", false, -1},
        {" Ok,5", false, -1},
        {"Error,hash", false, -1},
        {"", false, -1},
    };
    for (const Case& c : cases) {
        int rank = -1;
        EXPECT_EQ(readSubmitReply(c.body, &rank), c.ok) << c.body;
        EXPECT_EQ(rank, c.rank) << c.body;
    }
}

} // namespace
