#include "scores/ScoreQuery.h"

#include "Core/Hash.h"
#include "Core/UrlEncode.h"

int ScoreQuery::rankedScore() const
{
    if (gameMode != kFreePlay && !ownScoreSent)
        return -1;
    return myScore;
}

int fetchHash(const ScoreQuery& query)
{
    return hashMod4463(String::fromInt(query.rankedScore()) + query.deviceId);
}

String fetchUrl(const ScoreQuery& query, int skip)
{
    String url = String("http://") + query.host + "/kelzo/top_scores_sql/?game_id=0";
    url += String("&game_mode=") + String::fromInt(query.slot + kServerSlotBase);
    url += String("&max_res=") + String::fromInt(query.maxRows - skip);
    if (skip > 0)
        url += String("&offset=") + String::fromInt(skip);
    if (query.gameMode == ScoreQuery::kBeatTheClock)
        url += "&reverse=true";
    if (query.timeFilter == 0)
        url += "&tf=d";
    else if (query.timeFilter == 1)
        url += "&tf=w";
    if (query.gameMode == ScoreQuery::kFreePlay) {
        url += String("&my_name=") + urlEncodeCString(query.myName.c_str());
        url += String("&my_dev_id=") + query.deviceId;
        url += String("&hash=") + String::fromInt(fetchHash(query));
    }
    if (query.rankedScore() != -1)
        url += String("&my_score=") + String::fromInt(query.rankedScore());
    if (query.uniqueNames)
        url += "&unq=1";
    return url;
}
