#include "modes/BlitzSavedFields.h"

#include <cstdio>

#include "Core/Hash.h"
#include "modes/BlitzRules.h"

namespace {

const int kBlitzFieldsTag = makeTag("fr01");

int checkValue(const BlitzSavedFields& fields)
{
    char text[48];
    int length = snprintf(text, sizeof text, "l%dt%d", fields.peak, fields.bankMs);
    return hashMod97(text, length);
}

} // namespace

bool writeBlitzSavedFields(StreamOut& out, const BlitzSavedFields& fields)
{
    return writeInt32(out, fields.peak) && writeInt32(out, fields.bankMs) && writeInt32(out, checkValue(fields)) &&
           writeInt32(out, kBlitzFieldsTag);
}

bool readBlitzSavedFields(StreamIn& in, BlitzSavedFields* fields)
{
    BlitzSavedFields read;
    int check = 0;
    int tag = 0;
    if (!readInt(in, &read.peak) || !blitzSavedPeakValid(read.peak))
        return false;
    if (!readInt(in, &read.bankMs) || !readInt(in, &check) || check != checkValue(read))
        return false;
    if (!readInt(in, &tag) || tag != kBlitzFieldsTag)
        return false;
    *fields = read;
    return true;
}
