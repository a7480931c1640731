// The player's progress as the play history tells it: how far Free Play has
// come, which level of a mode is the first still to beat, when to ask for a
// rating, and which puzzle to go back to.

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/LevelData.h"
#include "board/NewLevelData.h"
#include "game/KelzoGame.h"
#include "modes/ChallengeBests.h"
#include "modes/FreePlayRules.h"
#include "modes/FrenzyBests.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

namespace {

const int kAlertRating = 22;
const int kAnsweredRatingVersion = 161;
const int kRatingVersion = 162;
const int kRatingMinLevel = 8;
const int kRatingMinPlaySeconds = 3600;
const int kRatingMessageFontSize = 16;
const char kRatingAskedAgainMessage[] =
    "If you are enjoying this latest update, we'd really appreciate it if you could help us out again, by taking "
    "just one minute to visit the AppStore and create/update your review for Kelzo in iTunes :)";
const int kLastChallengeLevel = 29;
const int kLastFrenzyLevel = 36;
const int kNoMoreLevels = 30;
const int kSampleDraws = 50;
const int kSampleRecords = 4;

int requiredSolves(int level)
{
    return freePlayRequiredSolves(level, gAbSettings.fph, gSettings ? gSettings->freeSkipsVariation : 0);
}

int levelSize(int level)
{
    return freePlayLevelSize(level, gSettings ? gSettings->levelRepeatsVariation : -1);
}

bool isFreePlayAt(const HistoryRecord& record, int level)
{
    return record.gameType == kGameFreePlay && levelOfPuzzleId(record.puzzleId) == level;
}

// A hinted puzzle counts while it had credit; abandoned and kept ones never.
bool counts(const HistoryRecord& record)
{
    const bool credited = !(record.flags & HistoryRecord::kFinished) || record.credit != 0;
    return credited && !(record.flags & (HistoryRecord::kAbandoned | HistoryRecord::kKept));
}

// Both timers of a board stop at `now` unless they are stopped already.
void freezeBoard(Board& board, int now)
{
    if (!board.frozen) {
        board.frozen = 1;
        board.frozenAt = now;
    }
    if (!board.undoFrozen) {
        board.undoFrozen = 1;
        board.undoFrozenAt = now;
    }
}

// A stopped timer goes on from where it stopped: its start moves forward by the stop.
void resumeBoard(Board& board, int now)
{
    if (board.frozen) {
        board.startTime = int(uint32_t(board.startTime) + uint32_t(gameTimeDiff(now, board.frozenAt)));
        board.frozen = 0;
        board.frozenAt = -1;
    }
    if (board.undoFrozen) {
        board.lastUndoTime = int(uint32_t(board.lastUndoTime) + uint32_t(gameTimeDiff(now, board.undoFrozenAt)));
        board.undoFrozen = 0;
        board.undoFrozenAt = -1;
    }
}

} // namespace

int KelzoGame::solvedPuzzlesInLevel()
{
    int solved = 0;
    for (const HistoryRecord& record : history)
        solved += isFreePlayAt(record, currentLevel) && counts(record) ? 1 : 0;
    return solved;
}

int KelzoGame::puzzlesLeftInLevel()
{
    const int level = currentLevel;
    int allowance = requiredSolves(level);
    int progress = 0;
    const int fs = gSettings ? gSettings->freeSkipsVariation : 0;
    for (const HistoryRecord& record : history) {
        if (!isFreePlayAt(record, level))
            continue;
        const int f = record.flags;
        const int credit = record.credit;
        const bool neitherAbandonedNorKept = !(f & (HistoryRecord::kAbandoned | HistoryRecord::kKept));
        if (counts(record)) {
            if (gAbSettings.fph < 5) {
                progress = allowance >= 1 ? progress + (fs > 9 ? 1 : 0) : progress - 1;
                progress = progress < 0 ? 0 : progress;
                allowance--;
                continue;
            }
            if (credit != 0)
                allowance -= credit;
            if (credit == 0 || allowance < 0) {
                progress = progress > 0 ? progress - 1 : 0;
                continue;
            }
        }
        if (((f & HistoryRecord::kFinished) && credit == 0) || neitherAbandonedNorKept)
            progress++;
    }
    return levelSize(level) - progress;
}

int KelzoGame::firstUnsolvedLevel(int gameType)
{
    if (gameType == kGameChallenge) {
        int variant = currentGame ? currentGame->difficulty() : 0;
        int from = variant == 1 ? 3 : (variant == 2 ? 6 : 1);
        if (gAbSettings.sia >= 1) {
            from = 1;
            variant = 0;
        }
        ensurePersonalBestsLoaded();
        for (int level = from; level <= kLastChallengeLevel; level++)
            if (gChallengeBests.best(variant, level) == -1)
                return level;
        return kNoMoreLevels;
    }
    if (gameType == kGameFrenzy) {
        ensureFrenzyBestsLoaded();
        for (int level = 1; level <= kLastFrenzyLevel; level++)
            if (gFrenzyBests.best(level) == -1)
                return level;
        return kLastFrenzyLevel + 1;
    }
    if (gameType == kGameFreePlay)
        return currentLevel;
    return kNoMoreLevels;
}

int KelzoGame::firstUnsolvedLevelOfSelectedMode()
{
    int level = firstUnsolvedLevel(gSettings ? gSettings->gameMode : kGameArcade);
    return level < 1 ? 1 : level;
}

int KelzoGame::levelOfMode(int gameType)
{
    CurrentGameI* kept = keptGame(gameType);
    return kept ? kept->level : firstUnsolvedLevel(gameType);
}

int KelzoGame::highScoreRank()
{
    if (!currentGame)
        return -1;
    const int slot = currentGame->type() == kGameFreePlay ? HiScoreTable::kFreePlaySlot : currentGame->difficulty();
    return hiScores.rankOf(slot, currentGame->score(), currentGame->type() == kGameBeatTheClock);
}

void KelzoGame::restoreKeptPuzzle(int level)
{
    if (!currentGame)
        return;
    for (int i = history.size() - 1; i >= 0; i--) {
        if (levelOfPuzzleId(history[i].puzzleId) == level && (history[i].flags & HistoryRecord::kKept)) {
            setBoard(history[i]);
            return;
        }
    }
}

void KelzoGame::setBoard(HistoryRecord& record)
{
    if (!currentGame)
        return;
    Board* board = new Board();
    board->level = levelOfPuzzleId(record.puzzleId);
    board->restartPuzzle(record);
    replaceBoard(*currentGame, board);
}

void KelzoGame::startNewLevelAvoidingRecent()
{
    if (!currentGame)
        return;
    LevelRecord recent[3] = {};
    const LevelRecord* pointers[3] = {nullptr, nullptr, nullptr};
    for (int i = 0; i < 3 && i < history.size(); i++) {
        const HistoryRecord& record = history[history.size() - 1 - i];
        int level = 0;
        if (levelRecordLookup(&recent[i], record.puzzleId, &level, record.scheme))
            pointers[i] = &recent[i];
    }
    currentGame->startNewLevel(pointers[0], pointers[1], pointers[2]);
}

void KelzoGame::alignBoardTimers()
{
    const int now = boardNow();
    for (OwnedPtr<CurrentGameI>& kept : keptGames)
        if (kept && kept->board)
            freezeBoard(*kept->board, now);
    if (currentGame && currentGame->board)
        resumeBoard(*currentGame->board, now);
}

void KelzoGame::maybeAskForRating(int level, int delayMs)
{
    if (!gSettings)
        return;
    Settings& settings = *gSettings;
    const int version = settings.ratingValue2;
    if (level < kRatingMinLevel || version > kAnsweredRatingVersion)
        return;
    long long seconds = settings.playTimeTotal;
    for (const HistoryRecord& record : history)
        if (!(record.flags & HistoryRecord::kAbandoned))
            seconds += record.playMs / 1000;
    if (seconds <= kRatingMinPlaySeconds)
        return;
    const int gap = level - settings.ratingValue1;
    if (gap < 6 && (gap < 4 || version < 1))
        return;
    if (version == kAnsweredRatingVersion)
        return;
    if (version >= 1 && rand() % 3 != 0) {
        settings.ratingValue2 = kRatingVersion;
        return;
    }
    settings.ratingValue1 = level;
    showRatingPrompt(delayMs);
}

String KelzoGame::ratingPromptMessage() const
{
    // A player asked before (a rating version is stored) reads, in English, a plea to come back to the review.
    const bool askedBefore = gSettings && gSettings->ratingValue2 >= 1;
    if (askedBefore && isLanguage(kEnglish))
        return String(kRatingAskedAgainMessage);
    return getText(277);
}

void KelzoGame::showRatingPrompt(int delayMs)
{
    const String message = ratingPromptMessage();
    showAlert(kAlertRating, getText(276).c_str(), message.c_str(), getText(278).c_str(), getText(279).c_str(),
              delayMs, kRatingMessageFontSize);
    gAbSettings.count(StatShowedRateMe);
}

String KelzoGame::historySample()
{
    String sample;
    if (history.isEmpty())
        return sample;
    int taken = 0;
    for (int draw = 0; draw < kSampleDraws && taken < kSampleRecords; draw++) {
        const int index = rand() % history.size();
        HistoryRecord& record = history[index];
        if (record.gameType != kGameFreePlay || record.scheme < 0 || record.scheme > 39 ||
            (record.flags & HistoryRecord::kSampled))
            continue;
        if (taken > 0)
            sample += "*";
        sample += String::format("%d,%d,%d,%d,%d,%d,%d", index, gNewLevelData.levelListEntry(record.puzzleId, record.scheme),
                                 int(record.puzzleId), int(record.playMs), int(record.credit), int(record.flags),
                                 int(record.scheme));
        record.flags |= HistoryRecord::kSampled;
        taken++;
    }
    return sample;
}

void KelzoGame::replayRecord(const HistoryRecord& record)
{
    if (!currentGame)
        return;
    currentGame->startBoardLevel(false, true);
    currentGame->endLevel();
    HistoryRecord replayed = record;
    setBoard(replayed);
    saveState(false);
}
