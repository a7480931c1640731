#ifndef KELZO_MODES_BLITZSAVEDFIELDS_H
#define KELZO_MODES_BLITZSAVEDFIELDS_H

#include "Core/Stream.h"

// The Blitz game's own part of a saved game, after the common body:
//
//     int32 peak, int32 time bank, int32 check value, int32 tag "10rf"
//
// The check value is hashMod97 of "l<peak>t<bank>"; a peak outside -1..98
// or an edited field refuses the saved game.
struct BlitzSavedFields {
    int peak = 0;
    int bankMs = 0;
};

bool writeBlitzSavedFields(StreamOut& out, const BlitzSavedFields& fields);
// False, leaving `fields` alone, for a short, damaged or edited record.
bool readBlitzSavedFields(StreamIn& in, BlitzSavedFields* fields);

#endif
