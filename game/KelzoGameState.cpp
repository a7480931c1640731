// The application's state between runs: "gameState.dat" holds the players'
// names and the current player k; "gameState.dat<k>" holds that player's
// tip counters, play history, level, tutorial flag, selected mode and the
// kept games with their boards.
//
// Both files are written through File's safe save and committed only when
// every write went through, so a failed save leaves the last good files in
// place. The readers take counts and lengths from the file only within
// their caps, grow their lists as records arrive, and keep what they read
// before a damaged field.

#include <cstdlib>
#include <ctime>

#include "Core/File.h"
#include "Core/GameClock.h"
#include "game/KelzoGame.h"
#include "settings/Settings.h"
#include "sound/SoundManager.h"

namespace {

const char* const kFreshPlayerName = "Test User";
const int kHistoryRoom = 2048;
const int kMaxSchemeWord = 0x00FFFFFF;

bool writeRecord(StreamOut& out, const HistoryRecord& record)
{
    const int idWord = int(uint32_t(record.puzzleId) + (uint32_t(record.scheme + 1) << 24));
    return writeInt32(out, idWord) && writeInt32(out, record.playMs) && writeByte(out, record.gameType) &&
           writeByte(out, record.credit) && writeByte(out, record.hintedThrough) && writeByte(out, record.flags) &&
           writeInt32(out, record.extra) && writeInt32(out, KelzoGame::kRecordTag);
}

// False on a short read of a checked field.
bool readRecord(StreamIn& in, HistoryRecord* record)
{
    int idWord = 0;
    if (!readInt(in, &idWord))
        return false;
    if (uint32_t(idWord) > uint32_t(kMaxSchemeWord)) {
        record->puzzleId = int(uint32_t(idWord) & 0x00FFFFFFu);
        record->scheme = int(uint32_t(idWord) >> 24) - 1;
    } else {
        record->puzzleId = idWord;
        record->scheme = -1;
    }
    int bytes[4] = {};
    if (!readInt(in, &record->playMs))
        return false;
    for (int& byte : bytes)
        if (!readByte(in, &byte))
            return false;
    record->gameType = bytes[0];
    record->credit = bytes[1];
    record->hintedThrough = bytes[2];
    record->flags = bytes[3];
    record->extra = 0;
    if (record->flags & HistoryRecord::kSaved) {
        // The extra word and the tag came later; an older file may end here.
        int tag = 0;
        readInt(in, &record->extra);
        readInt(in, &tag);
    }
    return true;
}

// An earlier build closed a kept Free Play game with a mark of its own before the slot's tag. Two tags in a
// row can only be that (a slot begins with a presence byte of 0 or 1), so the second is taken as well and
// its kept games still load; anything else is left unread.
void skipEarlierFreePlayMark(StreamIn& in)
{
    const int at = in.tell();
    int tag = 0;
    if (!readInt(in, &tag) || tag != KelzoGame::kStateTag)
        in.seek(at);
}

} // namespace

String KelzoGame::playerStatePath() const
{
    return statePath + String::fromInt(currentPlayer);
}

void KelzoGame::setFilesAndLoad(const String& path, const char* hiScoresPath)
{
    hiScores.load(hiScoresPath);
    statePath = path;
    loadState();
}

bool KelzoGame::saveState(bool takeGameSettings)
{
    if (takeGameSettings && currentGame && gSettings) {
        gSettings->startLevel = currentGame->settings.startLevel;
        gSettings->difficulty = currentGame->settings.difficulty;
        gSettings->gameMode = currentGame->settings.gameMode;
    }
    if (gSaveSuppressed)
        return false;
    if (gSettings)
        gSettings->save();
    // The tutorial's board never reaches the state files.
    if (currentScreen == ScreenHowToPlay || statePath.isEmpty())
        return false;

    bool ok = false;
    File names(statePath, false, false, true, &ok);
    ok = ok && writeInt32(names, playerNames.size());
    for (int i = 0; ok && i < playerNames.size(); i++)
        ok = writeByteString(names, playerNames[i]);
    if (!(ok && writeInt32(names, currentPlayer) && names.commit()))
        return false;

    File player(playerStatePath(), false, false, true, &ok);
    return ok && writeGameModeState(player) && player.commit();
}

bool KelzoGame::writeGameModeState(StreamOut& out)
{
    bool ok = tips.save(out) && writeInt32(out, reservedA) && writeInt32(out, reservedB) &&
              writeByteString(out, playerText) && writeInt32(out, history.size());
    for (int i = 0; ok && i < history.size(); i++) {
        history[i].flags |= HistoryRecord::kSaved;
        ok = writeRecord(out, history[i]);
    }
    const bool inProgress = currentGame && currentGame->isSavable();
    ok = ok && writeInt32(out, reservedC) && writeInt16(out, currentLevel) && writeBool(out, tutorialDone) &&
         writeBool(out, inProgress) && writeInt32(out, gSettings ? gSettings->gameMode : kGameArcade);
    for (int type = 0; ok && type < kKeptGameTypes; type++) {
        CurrentGameI* kept = keptGames[type].get();
        ok = writeBool(out, kept != nullptr) && (!kept || kept->save(out)) && writeInt32(out, kStateTag);
    }
    return ok;
}

void KelzoGame::loadState()
{
    if (currentGame)
        currentGame->endLevel();
    bool ok = false;
    File names(statePath, &ok);
    int count = 0;
    bool whole = ok && readCount(names, &count, kMaxPlayers);
    if (!ok) {
        // Player 0's file is still read when it is there: the next save would otherwise
        // replace a kept game with a fresh state.
        logStartingFresh(statePath.c_str(), false);
        startFresh(false);
    } else if (whole) {
        playerNames.clear();
        for (int i = 0; whole && i < count; i++) {
            String name;
            whole = streamReadByteString(names, &name);
            if (whole)
                playerNames.append(name);
        }
        int k = 0;
        if (whole) {
            // k must name one of the players read.
            whole = readInt(names, &k) && k >= 0 && k < playerNames.size();
            currentPlayer = whole ? k : 0;
        }
    }
    if (ok && !whole) {
        logStartingFresh(statePath.c_str(), true);
        // The names that came whole stay; with none, the first player's name comes back, so the
        // next save writes a names file that loads again.
        if (playerNames.size() == 0)
            playerNames.append(String(kFreshPlayerName));
        if (currentPlayer < 0 || currentPlayer >= playerNames.size())
            currentPlayer = 0;
    }

    const String playerPath = playerStatePath();
    File player(playerPath, &ok);
    if (!ok) {
        logStartingFresh(playerPath.c_str(), false);
        startFresh(false);
        return;
    }
    if (!readGameModeState(player))
        logStartingFresh(playerPath.c_str(), true);
    if (gSoundManager && gSettings)
        gSoundManager->setEffectsVolume(gSettings->sliderA);
}

bool KelzoGame::readGameModeState(StreamIn& in)
{
    if (!tips.load(in) || !readInt(in, &reservedA) || !readInt(in, &reservedB) ||
        !streamReadByteString(in, &playerText))
        return false;

    int count = 0;
    if (readCount(in, &count, kMaxHistory)) {
        // Records grow the list as they arrive; old ones not from Free Play are dropped.
        Array<HistoryRecord> loaded;
        bool whole = true;
        for (int i = 0; whole && i < count; i++) {
            HistoryRecord record;
            whole = readRecord(in, &record);
            if (whole && (count - i <= kKeptRecentRecords || record.gameType == kGameFreePlay))
                loaded.append(record);
        }
        history = std::move(loaded);
        if (!whole)
            return false;
    }

    int level = 0;
    if (!readInt(in, &reservedC) || !readInt16(in, &level))
        return false;
    currentLevel = level;
    bool inProgress = false;
    if (!readBool(in, &tutorialDone) || !readBool(in, &inProgress))
        return false;

    int savedType = 0;
    if (!readInt(in, &savedType))
        return false;
    int settingsType = gSettings ? gSettings->gameMode : kGameArcade;
    int typeUsed = savedType;
    if (savedType != settingsType) {
        if (savedType >= kGameArcade && savedType <= kGameBlitz) {
            if (gSettings)
                gSettings->gameMode = savedType;
        } else {
            typeUsed = settingsType >= kGameArcade && settingsType <= kGameBlitz ? settingsType : kGameArcade;
        }
    }

    for (int type = 0; type < kKeptGameTypes; type++) {
        bool present = false;
        if (!readBool(in, &present))
            break;
        if (present) {
            CurrentGameI* game = CurrentGameI::load(in, &graphics);
            // A slot holds only a game of its own type.
            if (game && game->type() != type) {
                delete game;
                game = nullptr;
            }
            setKeptGame(type, game);
        }
        int tag = 0;
        if (!readInt(in, &tag) || tag != kStateTag)
            return false;
        if (type == kGameFreePlay)
            skipEarlierFreePlayMark(in);
    }
    if (inProgress && typeUsed >= 0 && typeUsed < kKeptGameTypes)
        setCurrentGame(keptGames[typeUsed].get());
    alignBoardTimers();
    return true;
}

void KelzoGame::startFresh(bool startGameFirst)
{
    srand(unsigned(time(nullptr)));
    boardFrameCount = 0;
    if (startGameFirst)
        startGame(false, true);
    history.clear();
    history.reserve(kHistoryRoom);
    currentLevel = 1;
    reservedA = -1;
    reservedB = -1;
    playerText = String();
    currentPlayer = 0;
    playerNames.clear();
    playerNames.append(String(kFreshPlayerName));
    reservedC = 1;
    setCurrentGame(nullptr);
    for (OwnedPtr<CurrentGameI>& kept : keptGames)
        deleteGame(kept);
}
