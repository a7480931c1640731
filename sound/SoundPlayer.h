#ifndef KELZO_SOUND_SOUNDPLAYER_H
#define KELZO_SOUND_SOUNDPLAYER_H

// The game's named sound effects. For now only the effect the board plays
// itself; loading the effects and the other players belong to the sound work.
class SoundPlayer {
public:
    // Restarts and plays the "wrong movement" effect when it is loaded; true
    // when it played.
    bool playWrongMoveEffect();

private:
    bool wrongMoveLoaded_ = false;
};

#endif
