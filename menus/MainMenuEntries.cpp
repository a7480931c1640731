#include "menus/MainMenuEntries.h"

#include <algorithm>

#include "board/GameType.h"

namespace {

const int kCaptionBase = 80;
const int kProgressCaption = 90;
const int kResumeTop = 360;
const int kResumeStep = 16;
const int kMenuOffsetDrop = 27;

}  // namespace

int mainMenuEntries(int selectedMode, bool hasCurrentGame, int rows[kMaxMainMenuEntries])
{
    int n = 0;
    rows[n++] = kRowPlay;
    if (selectedMode == kGameFreePlay)
        rows[n++] = kRowStatistics;
    else if ((selectedMode == kGameFrenzy || selectedMode == kGameChallenge) && hasCurrentGame)
        rows[n++] = kRowRestartLevel;
    for (int row : {kRowHighScores, kRowSettings, kRowHowToPlay, kRowContact, kRowThemes})
        rows[n++] = row;
    return n;
}

int mainMenuCaptionId(int row, int selectedMode)
{
    if (row == kRowHighScores && selectedMode == kGameFreePlay)
        return kProgressCaption;
    return kCaptionBase + row;
}

int resumePanelY(int entryCount, bool menuOffset)
{
    const int steps = std::min(std::max(entryCount, 5), 8) - 5;
    return kResumeTop + kResumeStep * steps + (menuOffset ? kMenuOffsetDrop : 0);
}
