#include "menus/NewHiScoreMessage.h"

#include "Core/Language.h"

namespace {

const int kMinuteText = 39;   // 40 plural
const int kSecondText = 41;   // 42 plural
const int kYourTimeText = 190;
const int kScoreText = 191;
const int kPlaceText = 192;
const int kFirstSuffix = 193;  // 194 second, 195 third, 196 any other place
const int kNameRequestText = 197;
const int kAndText = 500;   // joins the minutes to the seconds

String countWithUnit(int count, int singularText)
{
    return String::fromInt(count) + " " + getText(count == 1 ? singularText : singularText + 1);
}

}  // namespace

String hiScoreTimeText(int milliseconds)
{
    const int seconds = milliseconds / 1000;
    const int minutes = seconds / 60;
    String text;
    if (minutes > 0)
        text = countWithUnit(minutes, kMinuteText) + " " + getText(kAndText) + " ";
    return text + countWithUnit(seconds % 60, kSecondText);
}

String rankText(int rank)
{
    const int suffix = rank >= 1 && rank <= 3 ? kFirstSuffix + rank - 1 : kFirstSuffix + 3;
    return String::fromInt(rank) + getText(suffix);
}

String newHiScoreMessage(int score, bool isTime, int rank)
{
    String message = isTime ? getText(kYourTimeText) + " " + hiScoreTimeText(score)
                            : formatText(kScoreText, groupedNumberText(score).c_str());
    message += formatText(kPlaceText, rankText(rank).c_str());
    return message + "\n\n" + getText(kNameRequestText);
}
