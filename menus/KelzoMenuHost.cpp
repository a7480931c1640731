#include "menus/KelzoMenuHost.h"

#include "board/GameGraphics.h"
#include "game/KelzoGame.h"
#include "sound/MusicCrossFader.h"
#include "sound/SoundManager.h"

void KelzoMenuHost::showAlert(int alertId, const char* title, const char* message, const char* button1,
                              const char* button2, int startDelayMs, int messageFontSize)
{
    game.showAlert(alertId, title, message, button1, button2, startDelayMs, messageFontSize);
}

void KelzoMenuHost::loadTheme(int theme) { loadThemeBitmaps(game.graphics, theme); }

// The pictures with words (the score board) start over by themselves when next drawn.
void KelzoMenuHost::languageChanged() {}

void KelzoMenuHost::showLanguageMenu() { game.showMenu(ScreenLanguage); }

void KelzoMenuHost::setEffectsVolume(float volume)
{
    if (gSoundManager)
        gSoundManager->setEffectsVolume(volume);
}

void KelzoMenuHost::setMusicVolume(float volume) { game.soundPlayer.setMusicVolume(volume); }

void KelzoMenuHost::playHitEffect() { game.soundPlayer.playHitEffect(); }

void KelzoMenuHost::cancelMusicRamp() { gMusicCrossFader.cancelRamp(); }

bool KelzoMenuHost::isMusicSuppressed(float musicVolume)
{
    return gSoundManager && gSoundManager->isMusicSuppressed(musicVolume);
}

String KelzoMenuHost::historySample() { return game.historySample(); }

int KelzoMenuHost::freePlayLevel() { return game.currentLevel; }

int KelzoMenuHost::puzzlesLeftInLevel() { return game.puzzlesLeftInLevel(); }

const Array<HistoryRecord>& KelzoMenuHost::playHistory() { return game.history; }

void KelzoMenuHost::replayHistoryRecord(const HistoryRecord& record)
{
    // The record lives in the history that the replay changes.
    const HistoryRecord chosen = record;
    game.replayRecord(chosen);
    game.showMenu(ScreenPlaying);
}

void KelzoMenuHost::playClick() { game.playClick(); }
