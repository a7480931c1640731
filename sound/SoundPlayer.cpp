#include "sound/SoundPlayer.h"

bool SoundPlayer::playWrongMoveEffect()
{
    // Nothing is loaded until the sound manager exists; then this restarts the effect.
    return wrongMoveLoaded_;
}
