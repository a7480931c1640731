#include "menus/FeedbackForm.h"

#include "Core/UrlEncode.h"
#include "board/GameType.h"
#include "menus/GameVersion.h"
#include "scores/HiScoreTable.h"

bool isWellFormedAddress(const String& address)
{
    int at = address.indexOf(String("@"));
    if (at <= 0)
        return false;
    int lastDot = -1;
    for (int i = at + 1; i < address.length(); ++i)
        if (address[i] == '.')
            lastDot = i;
    return lastDot >= at + 2 && lastDot <= address.length() - 2;
}

int feedbackScoreSlot(int gameMode, int difficulty)
{
    return gameMode == kGameFreePlay ? HiScoreTable::kFreePlaySlot : difficulty;
}

String feedbackQuestion(const String& feedback, int scoreSlot, int startLevel, int difficulty)
{
    return feedback + "\n\n[Kelzo" + kGameVersionText + " , game-mode=" + String::fromInt(scoreSlot) +
           ", level=" + String::fromInt(startLevel) + ", diff=" + String::fromInt(difficulty) + "]";
}

String feedbackBody(const String& address, const String& question, bool subscribe)
{
    return String("email=") + urlEncodeCString(address.c_str()) + "&question=" + urlEncodeCString(question.c_str()) +
           "&topic=kelzo&subscribe=" + (subscribe ? "yes" : "no");
}

String feedbackUrl(const char* supportHost)
{
    return String("http://") + supportHost + "/support/service_submit/";
}

bool isFeedbackAccepted(bool requestOk, const String& reply)
{
    return requestOk && reply.length() >= 2 && reply[0] == 'O' && reply[1] == 'k';
}
