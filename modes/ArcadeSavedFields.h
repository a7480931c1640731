#ifndef KELZO_MODES_ARCADESAVEDFIELDS_H
#define KELZO_MODES_ARCADESAVEDFIELDS_H

#include "Core/Stream.h"

// The Arcade game's own part of a saved game, after the common body:
//
//     int16 lives, int16 score (low 16 bits), int32 time bank,
//     int32 tag "10rf", int32 score, int32 check value
//
// The check value is hashMod97 of "l<lives>s<score>t<bank>", so a hand-edited
// life, score or bank refuses the saved game. Games saved before the 32-bit
// score existed end with the check value right after the bank, computed
// over the 16-bit score; they still load.
struct ArcadeSavedFields {
    int lives = 1;
    int score = 0;
    int bankMs = 0;
};

bool writeArcadeSavedFields(StreamOut& out, const ArcadeSavedFields& fields);
// False, leaving `fields` alone, for a short, damaged or edited record.
bool readArcadeSavedFields(StreamIn& in, ArcadeSavedFields* fields);

// Lives at or above this mark a damaged record.
const int kArcadeLivesLimit = 1000;

#endif
