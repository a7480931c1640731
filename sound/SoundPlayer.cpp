#include "sound/SoundPlayer.h"

#include "sound/MusicCrossFader.h"
#include "sound/SoundFiles.h"
#include "sound/SoundManager.h"

#include <algorithm>
#include <cstring>

SoundPlayer* gSoundPlayer = nullptr;

namespace {

const int kLoaderPriority = 14;

const char* const kMainThemeFirst = "kelzo main theme first part";
const char* const kMainThemeLoop = "kelzo main theme looping part";

}  // namespace

float effectVolume(const char* name, const SoundVariations& v) {
    float base = v.asq != -1 ? 1.05f - 0.05f * v.asq : 1.0f;
    if (std::strcmp(name, "wrong movement") == 0) return base * (0.85f - 0.07f * std::max(v.wsq, 0));
    if (std::strcmp(name, "beat stage") == 0) return base * (0.75f - 0.07f * std::max(v.psq, 0));
    if (std::strcmp(name, "undo") == 0) return base * (0.63f - 0.07f * std::max(v.usq, 0));
    return base;
}

SoundPlayer::SoundPlayer() : Thread("SP") {
    gSoundPlayer = this;
    if (gSoundManager) gSoundManager->setPlaylistRepeat(true, false);
}

SoundPlayer::~SoundPlayer() {
    stopAndWait();
    if (gSoundPlayer == this) gSoundPlayer = nullptr;
}

Sound* SoundPlayer::createEffect(const char* name) {
    if (!gSoundManager) return nullptr;
    return gSoundManager->createSound(name, kEffectExtension, effectVolume(name, variations), false);
}

void SoundPlayer::loadSoundEffects(int mode) {
    gameOverMode = mode;
    variations = readSoundVariations();
    mouthPop = createEffect("mouthPop");
    hits = createEffect("kelzo fx hits");
    wrongMove = createEffect("wrong movement");
    menuClick = createEffect("menu click");
    lostLife = createEffect("lost life");
    alarm = createEffect("Kelzo Alarm2");
    start(kLoaderPriority, 1);
}

void SoundPlayer::loadLate(std::atomic<Sound*>& field, const char* name) {
    // Published whole: a player sees either nothing or a complete sound.
    Sound* old = field.exchange(createEffect(name));
    if (old) old->release();
}

void SoundPlayer::run() {
    loadLate(beatStage, "beat stage");
    if (isStopRequested()) return;
    loadLate(hint, "hint");
    if (isStopRequested()) return;
    loadLate(undo, "undo");
    if (isStopRequested()) return;
    if (gameOverMode != 1) {
        loadLate(gameOver, "gameover");
        if (isStopRequested()) return;
    }
    loadLate(yay, "yay");
}

void SoundPlayer::releaseLateEffects() {
    stopAndWait();
    for (std::atomic<Sound*>* field : {&beatStage, &hint, &undo, &gameOver, &yay}) {
        Sound* old = field->exchange(nullptr);
        if (old) old->release();
    }
}

bool SoundPlayer::playEffect(Sound* sound) {
    if (!sound) return false;
    sound->reset();
    sound->play(false, 0);
    return true;
}

bool SoundPlayer::playMouthPopEffect() { return playEffect(mouthPop); }
bool SoundPlayer::playBeatStageEffect() { return playEffect(beatStage.load()); }
bool SoundPlayer::playHitEffect() { return playEffect(hits); }
bool SoundPlayer::playWrongMoveEffect() { return playEffect(wrongMove); }
bool SoundPlayer::playMenuClickEffect() { return playEffect(menuClick); }
bool SoundPlayer::playYayEffect() { return playEffect(yay.load()); }
bool SoundPlayer::playAlarmEffect() { return playEffect(alarm); }
bool SoundPlayer::playGameOverEffect() { return playEffect(gameOver.load()); }
bool SoundPlayer::playLostLifeEffect() { return playEffect(lostLife); }
bool SoundPlayer::playHintEffect() { return playEffect(hint.load()); }
bool SoundPlayer::playUndoEffect() { return playEffect(undo.load()); }

void SoundPlayer::startMainTheme(float volume) {
    musicState = kMusicTitle;
    if (!gSoundManager) return;
    gSoundManager->setMusic(kMainThemeFirst, kMusicExtension, volume);
    gSoundManager->queueMusic(kMainThemeLoop, kMusicExtension, volume);
    gSoundManager->setPlaylistRepeat(true, false);
    gSoundManager->resumeMusic();
}

float SoundPlayer::musicBoost() const {
    int state = musicState;
    if (state == kMusicInGame) return 1.08f;
    if (state == kMusicTitle) return 1.02f;
    return 1.0f;
}

void SoundPlayer::setMusicVolume(float volume) {
    if (gSoundManager) gSoundManager->setMusicVolume(volume * musicBoost());
}

void SoundPlayer::setMusicState(int state) {
    // The state is stored first: the fader's thread reads it for the volume boost.
    int previous = musicState.exchange(state);
    if (state != previous) gMusicCrossFader.request(state);
}
