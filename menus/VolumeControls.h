#ifndef KELZO_MENUS_VOLUMECONTROLS_H
#define KELZO_MENUS_VOLUMECONTROLS_H

// What the settings screen does to the sound while its sliders move. The game's own (gVolumeControls) goes to
// the sound manager, the sound player and the music cross-fader, and does nothing for a part that is not there;
// tests hand a fake that records the calls.
class VolumeControlsI {
public:
    virtual ~VolumeControlsI() {}
    virtual void setEffectsVolume(float volume) = 0;
    virtual void setMusicVolume(float volume) = 0;
    // The sample sound of the effects slider.
    virtual void playHitEffect() = 0;
    // A music fade-in in progress stops raising the volume: the player has taken the slider.
    virtual void cancelMusicRamp() = 0;
    // The platform keeps the game's music silent (never with SDL).
    virtual bool isMusicSuppressed(float musicVolume) = 0;
};

extern VolumeControlsI& gVolumeControls;

#endif
