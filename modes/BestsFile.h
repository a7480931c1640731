#ifndef KELZO_MODES_BESTSFILE_H
#define KELZO_MODES_BESTSFILE_H

#include "Core/Array.h"
#include "Core/Stream.h"

// The pieces both personal-bests files are made of: an int32 count followed
// by that many int32 entries (-1 = no best). The reader appends entries as
// they arrive, so a count claimed by a damaged file costs nothing until the
// data is really there; counts outside 0..kMaxBestEntries are refused, and
// an entry below -1 reads as no best.

const int kMaxBestEntries = 1000000;
const int kNoBest = -1;

// Appends the entries of one counted list to `entries`; false at a refused
// count or a short read, with the entries read so far kept.
bool readBestEntries(StreamIn& in, Array<int>* entries);
bool writeBestEntries(StreamOut& out, const Array<int>& entries);

// The entry at `index` (0 or more), kNoBest past the end.
int bestEntry(const Array<int>& entries, int index);
// Stores `value` at `index` (0 or more) when there is no best there or it is
// strictly smaller; true when it did. An equal time keeps the old best.
bool takeBetterEntry(Array<int>* entries, int index, int value);

// Appends kNoBest until `entries` holds `size` entries.
void padBestEntries(Array<int>* entries, int size);

#endif
