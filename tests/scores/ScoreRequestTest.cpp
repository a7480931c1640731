#include <gtest/gtest.h>

#include "scores/ScoreQuery.h"
#include "scores/ScoreSubmission.h"
#include "tests/support/StdString.h"

namespace {

const char* const kDevice = "0123456789abcdef";


ScoreQuery query(int gameMode, int timeFilter, const char* name, int score)
{
    ScoreQuery q;
    q.host = "127.0.0.1:8470";
    q.slot = 7;
    q.gameMode = gameMode;
    q.timeFilter = timeFilter;
    q.myName = name;
    q.myScore = score;
    q.deviceId = kDevice;
    return q;
}

TEST(FetchRequest, KeysInTheirOrder)
{
    const std::string base = "http://127.0.0.1:8470/kelzo/top_scores_sql/?game_id=0";
    struct Case {
        const char* what;
        ScoreQuery q;
        int skip;
        std::string url;
    } cases[] = {
        {"Free Play, all time, Bob, 12", query(2, 2, "Bob", 12), 0,
         base + "&game_mode=1007&max_res=51&my_name=Bob&my_dev_id=0123456789abcdef&hash=2137&my_score=12"},
        {"Free Play without an entry", query(2, 2, "", -1), 0,
         base + "&game_mode=1007&max_res=51&my_name=&my_dev_id=0123456789abcdef&hash=1389"},
        {"a second page", [] { ScoreQuery q = query(2, 2, "", -1); q.maxRows = 201; return q; }(), 51,
         base + "&game_mode=1007&max_res=150&offset=51&my_name=&my_dev_id=0123456789abcdef&hash=1389"},
        {"Beat the Clock today, upload not done",
         [] { ScoreQuery q = query(6, 0, "Bob", 83500); q.slot = 1; return q; }(), 0,
         base + "&game_mode=1001&max_res=51&reverse=true&tf=d"},
        {"Beat the Clock this week, upload done",
         [] { ScoreQuery q = query(6, 1, "Bob", 83500); q.slot = 1; q.ownScoreSent = true; return q; }(), 0,
         base + "&game_mode=1001&max_res=51&reverse=true&tf=w&my_score=83500"},
        {"Arcade, unique names",
         [] {
             ScoreQuery q = query(0, 2, "Bob", 900);
             q.slot = 2;
             q.uniqueNames = true;
             q.ownScoreSent = true;
             return q;
         }(),
         0,
         base + "&game_mode=1002&max_res=51&my_score=900&unq=1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(str(fetchUrl(c.q, c.skip)), c.url) << c.what;

    ScoreQuery encoded = query(2, 2, "Anna & Bob/\xc3\xa9", 3);
    EXPECT_EQ(str(fetchUrl(encoded, 0)), base + "&game_mode=1007&max_res=51&my_name=Anna%20%26%20Bob%2f%c3%a9"
                                                "&my_dev_id=0123456789abcdef&hash=" +
                                                std::to_string(fetchHash(encoded)) + "&my_score=3");
}

TEST(FetchRequest, HashCoversTheScoreAndTheDevice)
{
    EXPECT_EQ(fetchHash(query(2, 2, "Bob", 12)), 2137);
    EXPECT_EQ(fetchHash(query(2, 2, "", -1)), 1389);
    EXPECT_NE(fetchHash(query(2, 2, "Bob", 13)), 2137);
}

ScoreSubmission submission(int gameMode, const char* name)
{
    ScoreSubmission s;
    s.host = "127.0.0.1:8470";
    s.name = name;
    s.score = 4500;
    s.gameId = 987654;
    s.slot = 1;
    s.gameMode = gameMode;
    s.deviceId = kDevice;
    s.historySample = "3,17,30017,41000,0,2,5*9,1,10001,500,0,2,0";
    return s;
}

TEST(SubmitRequest, BodyAndHash)
{
    EXPECT_EQ(submitHash(submission(0, "Bob")), 4193);
    EXPECT_EQ(str(submitUrl(submission(0, "Bob"))), "http://127.0.0.1:8470/kelzo/submit_score/");
    const std::string common = "game_id=987654&game_mode=1001&device_id=0123456789abcdef";
    const std::string sample = "&extra_data=3%2c17%2c30017%2c41000%2c0%2c2%2c5*9%2c1%2c10001%2c500%2c0%2c2%2c0";
    struct Case {
        int gameMode;
        const char* name;
        std::string body;
    } cases[] = {
        {0, "Bob", common + "&user_name=Bob&score=4500&h=4193" + sample},
        {2, "Bob", common + "&user_name=Bob&score=4500&h=4193" + sample + "&act=U"},
        {6, "Bob", common + "&user_name=Bob&score=4500&h=4193" + sample + "&reverse=true"},
        {2, "", common + "&user_name=&score=4500&h=" + std::to_string(submitHash(submission(2, ""))) + sample + "&act=D"},
        {0, "A b", common + "&user_name=A%20b&score=4500&h=" + std::to_string(submitHash(submission(0, "A b"))) + sample},
    };
    for (const Case& c : cases)
        EXPECT_EQ(str(submitBody(submission(c.gameMode, c.name))), c.body) << c.gameMode << " " << c.name;
    EXPECT_NE(submitHash(submission(0, "A b")), submitHash(submission(0, "A%20b")))
        << "the hash is over the raw name";
}

} // namespace
