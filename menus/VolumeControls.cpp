#include "menus/VolumeControls.h"

#include "sound/MusicCrossFader.h"
#include "sound/SoundManager.h"
#include "sound/SoundPlayer.h"

namespace {

class GameVolumeControls : public VolumeControlsI {
public:
    void setEffectsVolume(float volume) override
    {
        if (gSoundManager)
            gSoundManager->setEffectsVolume(volume);
    }
    void setMusicVolume(float volume) override
    {
        if (gSoundPlayer)
            gSoundPlayer->setMusicVolume(volume);
    }
    void playHitEffect() override
    {
        if (gSoundPlayer)
            gSoundPlayer->playHitEffect();
    }
    void cancelMusicRamp() override { gMusicCrossFader.cancelRamp(); }
    bool isMusicSuppressed(float musicVolume) override
    {
        return gSoundManager && gSoundManager->isMusicSuppressed(musicVolume);
    }
};

GameVolumeControls gGameVolumeControls;

}  // namespace

VolumeControlsI& gVolumeControls = gGameVolumeControls;
