#ifndef KELZO_CORE_HASH_H
#define KELZO_CORE_HASH_H

#include <cstdint>

#include "Core/String.h"

// Short checksums over the bytes of a text (bytes unsigned, arithmetic in
// unsigned 32 bits). The score server recomputes hashMod4463, so both must
// stay exactly as they are. A length of -1 means up to the NUL.
int hashMod97(const String& text);
int hashMod97(const char* text, int length = -1);
int hashMod4463(const String& text);
int hashMod4463(const char* text, int length = -1);

// 64-bit FNV-1 from the caller's starting value.
uint64_t fnv1Hash64(const void* bytes, int length, uint64_t start);
uint64_t fnv1Hash64(const char* text, uint64_t start);

#endif
