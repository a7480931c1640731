// HiScoreTable: reading and writing "hiScores.dat".
#include "scores/HiScoreTable.h"

#include <cstdint>

#include "Core/File.h"
#include "settings/SaveFile.h"

namespace {

const int kFileTag = makeTag("fr01");
const int kLengthMask = 255;
const uint32_t kScoreLimit = 10000000;   // score + 1: scores -1..9,999,999

bool readName(StreamIn& in, int length, String* name)
{
    String bytes(length);
    if (length > 0 && in.read(bytes.data(), length) != length)
        return false;
    *name = length > 0 ? bytes : String();
    return true;
}

// A name as int32 length and bytes, the length 0..255.
bool readShortName(StreamIn& in, String* name)
{
    int length = 0;
    if (!readInt(in, &length) || static_cast<uint32_t>(length) > static_cast<uint32_t>(kLengthMask))
        return false;
    return readName(in, length, name);
}

void writeShortName(StreamOut& out, const String& name)
{
    writeInt32(out, name.length());
    out.write(name.data(), name.length());
}

// Header: the name length, plus ((checksum + 1) << 8) for a pending entry,
// which alone also carries its gameId.
bool readEntry(StreamIn& in, HiScoreEntry* entry)
{
    int header = 0;
    if (!readInt(in, &header))
        return false;
    int check = header > kLengthMask ? header >> 8 : 0;
    int length = header > kLengthMask ? header & kLengthMask : header;
    if (length < 0)
        return false;
    HiScoreEntry read;
    if (!readName(in, length, &read.name) || !readInt(in, &read.score))
        return false;
    if (static_cast<uint32_t>(read.score) + 1u > kScoreLimit)
        return false;
    if (check != 0 && !readInt(in, &read.gameId))
        return false;
    // A hand-edited entry loads, but is never offered to the score server.
    read.pending = check != 0 && HiScoreTable::entryChecksum(read) + 1 == check;
    *entry = read;
    return true;
}

void writeEntry(StreamOut& out, const HiScoreEntry& entry)
{
    int length = entry.name.length();
    if (!entry.pending) {
        writeInt32(out, length);
        out.write(entry.name.data(), length);
        writeInt32(out, entry.score);
        return;
    }
    writeInt32(out, ((HiScoreTable::entryChecksum(entry) + 1) << 8) + length);
    out.write(entry.name.data(), length);
    writeInt32(out, entry.score);
    writeInt32(out, entry.gameId);
}

} // namespace

bool HiScoreTable::load(const char* path)
{
    fileName_ = String(path);
    lastAddedSlot_ = -1;
    bool ok = false;
    File file(fileName_, &ok);
    if (!ok) {
        logStartingFresh(path, false);
        for (HiScoreList& list : slots_)
            list.resize(kShownEntries);
        return false;
    }
    if (read(file))
        return true;
    logStartingFresh(path, true);
    fillDefaults();
    return false;
}

bool HiScoreTable::read(StreamIn& in)
{
    int tag = 0;
    if (!readInt(in, &tag) || tag != kFileTag || !readShortName(in, &lastName_))
        return false;
    int slotCount = 0;
    if (!readInt(in, &slotCount) || slotCount < 1 || slotCount > kSlotCount)
        return false;
    for (int i = 0; i < slotCount; ++i)
        if (!readSlot(in, &slots_[i]))
            return false;
    // Files written before the online name existed end here.
    int next = 0;
    if (!readInt(in, &next))
        return false;
    if (next == kFileTag)
        return true;
    if (static_cast<uint32_t>(next) > static_cast<uint32_t>(kLengthMask) || !readName(in, next, &onlineName_))
        return false;
    return readInt(in, &tag) && tag == kFileTag;
}

bool HiScoreTable::readSlot(StreamIn& in, HiScoreList* list)
{
    int count = 0;
    if (!readInt(in, &count) || static_cast<uint32_t>(count) > static_cast<uint32_t>(kMaxStoredEntries))
        return false;
    list->resize(count);
    for (int i = 0; i < count; ++i)
        if (!readEntry(in, &(*list)[i]))
            return false;
    if (list->count() > kShownEntries)
        list->resize(kShownEntries);
    return true;
}

void HiScoreTable::write(StreamOut& out) const
{
    writeInt32(out, kFileTag);
    writeShortName(out, lastName_);
    writeInt32(out, kSlotCount);
    for (const HiScoreList& list : slots_) {
        int count = list.count() < kShownEntries ? list.count() : kShownEntries;
        writeInt32(out, count);
        for (int i = 0; i < count; ++i)
            writeEntry(out, list[i]);
    }
    writeShortName(out, onlineName_);
    writeInt32(out, kFileTag);
}

bool HiScoreTable::save()
{
    if (fileName_.isEmpty())
        return false;
    lastSaveFailed_ = !saveFile(fileName_, [this](StreamOut& out) {
        write(out);
        return true;
    });
    return !lastSaveFailed_;
}
