#include "modes/FrenzySavedFields.h"

#include <cstdio>

#include "Core/Hash.h"
#include "modes/FrenzySpawn.h"

namespace {

const int kFrenzyFieldsTag = makeTag("fr01");

int checkValue(int clearedTotal)
{
    char text[24];
    int length = snprintf(text, sizeof text, "l%d", clearedTotal);
    return hashMod97(text, length);
}

} // namespace

bool writeFrenzySavedFields(StreamOut& out, const FrenzySavedFields& fields)
{
    return writeInt32(out, fields.clearedTotal) && writeInt32(out, fields.spawnX) &&
           writeInt32(out, fields.spawnY) && writeInt32(out, fields.nextColour) &&
           writeBool(out, fields.undoUsed) && writeInt32(out, fields.constantField) &&
           writeInt32(out, fields.intervalMs) && writeInt32(out, fields.quotaBeforeMove) &&
           writeInt32(out, fields.msSinceSpawnTime) && writeInt32(out, checkValue(fields.clearedTotal)) &&
           writeInt32(out, kFrenzyFieldsTag);
}

bool readFrenzySavedFields(StreamIn& in, int colours, FrenzySavedFields* fields)
{
    FrenzySavedFields read;
    int check = 0;
    int tag = 0;
    if (!readInt(in, &read.clearedTotal) || read.clearedTotal < -1)
        return false;
    if (!readInt(in, &read.spawnX) || !readInt(in, &read.spawnY) || !readInt(in, &read.nextColour) ||
        !readBool(in, &read.undoUsed) || !readInt(in, &read.constantField) || !readInt(in, &read.intervalMs) ||
        !readInt(in, &read.quotaBeforeMove) || !readInt(in, &read.msSinceSpawnTime) || !readInt(in, &check) ||
        !readInt(in, &tag))
        return false;
    if (check != checkValue(read.clearedTotal) || tag != kFrenzyFieldsTag)
        return false;
    if (!savedSpawnUsable(read.spawnX, read.spawnY, read.nextColour, colours)) {
        read.spawnX = -1;
        read.spawnY = -1;
        read.nextColour = -1;
    }
    *fields = read;
    return true;
}
