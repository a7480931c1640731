#include "scores/ScoreSubmission.h"

#include "Core/Hash.h"
#include "Core/UrlEncode.h"
#include "scores/ScoreQuery.h"

String submitUrl(const ScoreSubmission& submission)
{
    return String("http://") + submission.host + "/kelzo/submit_score/";
}

int submitHash(const ScoreSubmission& s)
{
    String text = String("game_id") + String::fromInt(s.gameId) + "game_mode" + String::fromInt(s.slot + kServerSlotBase) +
                  "device_id" + s.deviceId + "user_name" + s.name + "score" + String::fromInt(s.score);
    return hashMod4463(text);
}

String submitBody(const ScoreSubmission& s)
{
    String body = String("game_id=") + String::fromInt(s.gameId);
    body += String("&game_mode=") + String::fromInt(s.slot + kServerSlotBase);
    body += String("&device_id=") + s.deviceId;
    body += String("&user_name=") + urlEncodeCString(s.name.c_str());
    body += String("&score=") + String::fromInt(s.score);
    body += String("&h=") + String::fromInt(submitHash(s));
    body += String("&extra_data=") + urlEncodeCString(s.historySample.c_str());
    if (s.gameMode == ScoreQuery::kFreePlay)
        body += s.name.isEmpty() ? "&act=D" : "&act=U";
    if (s.gameMode == ScoreQuery::kBeatTheClock)
        body += "&reverse=true";
    return body;
}

bool readSubmitReply(const String& body, int* rank)
{
    if (body.indexOf("Ok,") != 0)
        return false;
    Array<String> lines = body.split('\n');
    Array<String> pieces = lines[0].split(',');
    int value = 0;
    if (pieces.size() == 2 && parseInt(pieces[1].c_str(), &value, pieces[1].length()))
        *rank = value;
    return true;
}
