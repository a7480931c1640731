#include "scores/HiScoreEntry.h"

String cutScoreName(const String& name)
{
    int length = name.length();
    if (length <= HiScoreEntry::kMaxNameBytes)
        return name;
    length = HiScoreEntry::kMaxNameBytes;
    // Back off over continuation bytes (10xxxxxx) so the cut falls before a
    // character's first byte.
    while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    return name.mid(0, length);
}
