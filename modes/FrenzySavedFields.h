#ifndef KELZO_MODES_FRENZYSAVEDFIELDS_H
#define KELZO_MODES_FRENZYSAVEDFIELDS_H

#include "Core/Stream.h"

// The Frenzy game's own part of a saved game, after the common body:
//
//     int32 cleared total, int32 spawn x, int32 spawn y, int32 next colour,
//     byte undo used, int32 constant field, int32 interval,
//     int32 quota before the last move, int32 ms since the next spawn time,
//     int32 check value, int32 tag "10rf"
//
// The check value is hashMod97 of "l<cleared total>". It covers nothing
// else, so the drop is checked on its own: a spawn cell off the board or a
// colour outside the level's colours reads as no drop chosen (-1, -1, -1)
// instead of placing a furball there.
// Bytes of the record on disk.
const int kFrenzySavedFieldsSize = 41;

struct FrenzySavedFields {
    int clearedTotal = 0;
    int spawnX = -1;
    int spawnY = -1;
    int nextColour = -1;
    bool undoUsed = false;
    int constantField = 10;
    int intervalMs = 0;
    int quotaBeforeMove = -1;
    int msSinceSpawnTime = 0;   // negative while the drop is still ahead
};

bool writeFrenzySavedFields(StreamOut& out, const FrenzySavedFields& fields);
// False, leaving `fields` alone, for a short, damaged or edited record.
// `colours` is the colour count of the saved game's level.
bool readFrenzySavedFields(StreamIn& in, int colours, FrenzySavedFields* fields);

#endif
