#pragma once

#include "Core/Thread.h"
#include "sound/Sound.h"
#include "sound/SoundSettings.h"

#include <atomic>

// Music states.
enum MusicState { kMusicInGame = 0, kMusicTitle = 1, kMusicGameOver = 2 };

// The volume an effect is loaded at, from its file name and the variations.
float effectVolume(const char* name, const SoundVariations& variations);

// The game's face of the sound layer: the eleven named effects (six loaded at once, five by the
// "SP" thread in the background), one player per effect, the title music, and the music state
// changes that it hands to the cross-fader. Players return false when their effect is not
// loaded (yet): nothing sounds then.
class SoundPlayer : public Thread {
public:
    SoundPlayer();
    ~SoundPlayer() override;

    // gameOverMode: the variation "mem"; 1 never loads the game-over effect.
    void loadSoundEffects(int gameOverMode);
    void releaseLateEffects();

    bool playMouthPopEffect();
    bool playBeatStageEffect();
    bool playHitEffect();
    bool playWrongMoveEffect();
    bool playMenuClickEffect();
    bool playYayEffect();
    bool playAlarmEffect();
    bool playGameOverEffect();
    bool playLostLifeEffect();
    bool playHintEffect();
    bool playUndoEffect();

    void startMainTheme(float volume);
    // Scaled by 1.08 in the in-game state and 1.02 in the title state.
    void setMusicVolume(float volume);
    void setMusicState(int state);
    // The factor setMusicVolume applies in the current state.
    float musicBoost() const;

    std::atomic<int> musicState{kMusicTitle};
    int gameOverMode = -1;

protected:
    void run() override;

private:
    Sound* createEffect(const char* name);
    static bool playEffect(Sound* sound);
    void loadLate(std::atomic<Sound*>& field, const char* name);

    Sound* mouthPop = nullptr;
    std::atomic<Sound*> beatStage{nullptr};
    Sound* hits = nullptr;
    Sound* wrongMove = nullptr;
    Sound* menuClick = nullptr;
    std::atomic<Sound*> yay{nullptr};
    Sound* alarm = nullptr;
    std::atomic<Sound*> gameOver{nullptr};
    Sound* lostLife = nullptr;
    std::atomic<Sound*> hint{nullptr};
    std::atomic<Sound*> undo{nullptr};
    SoundVariations variations;
};

extern SoundPlayer* gSoundPlayer;
