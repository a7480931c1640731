#include "modes/BestsFile.h"

#include "Core/File.h"

bool readBestEntries(StreamIn& in, Array<int>* entries)
{
    int count = 0;
    if (!readCount(in, &count, kMaxBestEntries))
        return false;
    for (int i = 0; i < count; ++i) {
        int value = 0;
        if (!readInt(in, &value))
            return false;
        // No time is negative: a damaged entry below -1 would be a best that no run could ever beat.
        entries->append(value < kNoBest ? kNoBest : value);
    }
    return true;
}

bool writeBestEntries(StreamOut& out, const Array<int>& entries)
{
    if (!writeInt32(out, entries.size()))
        return false;
    for (int value : entries)
        if (!writeInt32(out, value))
            return false;
    return true;
}

int bestEntry(const Array<int>& entries, int index)
{
    return index < entries.size() ? entries[index] : kNoBest;
}

bool takeBetterEntry(Array<int>* entries, int index, int value)
{
    int old = bestEntry(*entries, index);
    if (old != kNoBest && value >= old)
        return false;
    padBestEntries(entries, index + 1);
    (*entries)[index] = value;
    return true;
}

void padBestEntries(Array<int>* entries, int size)
{
    while (entries->size() < size)
        entries->append(kNoBest);
}
