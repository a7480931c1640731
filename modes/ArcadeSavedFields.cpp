#include "modes/ArcadeSavedFields.h"

#include <cstdio>

#include "Core/Hash.h"

namespace {

const int kArcadeFieldsTag = makeTag("fr01");

int checkValue(const ArcadeSavedFields& fields)
{
    char text[64];
    int length = snprintf(text, sizeof text, "l%ds%dt%d", fields.lives, fields.score, fields.bankMs);
    return hashMod97(text, length);
}

} // namespace

bool writeArcadeSavedFields(StreamOut& out, const ArcadeSavedFields& fields)
{
    return writeInt16(out, fields.lives) && writeInt16(out, fields.score) && writeInt32(out, fields.bankMs) &&
           writeInt32(out, kArcadeFieldsTag) && writeInt32(out, fields.score) && writeInt32(out, checkValue(fields));
}

bool readArcadeSavedFields(StreamIn& in, ArcadeSavedFields* fields)
{
    ArcadeSavedFields read;
    if (!readInt16(in, &read.lives))
        return false;
    if (read.lives >= kArcadeLivesLimit) {
        // The stand-in game of earlier builds kept only the tag here: it is
        // read whole, so whatever follows in the file still lines up.
        int rest = 0;
        if (read.lives == (kArcadeFieldsTag & 0xFFFF))
            readInt16(in, &rest);
        return false;
    }
    int check = 0;
    if (!readInt16(in, &read.score) || !readInt(in, &read.bankMs) || !readInt(in, &check))
        return false;
    if (check == kArcadeFieldsTag && (!readInt(in, &read.score) || !readInt(in, &check)))
        return false;
    if (check != checkValue(read))
        return false;
    *fields = read;
    return true;
}
