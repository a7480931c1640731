#ifndef KELZO_CORE_ALPHABET_H
#define KELZO_CORE_ALPHABET_H

// The 64-character alphabet numbers are packed into text with.
extern const char kAlphabet64[65];

// The character at index 0..63 (other indexes wrap into that range).
char alphabetChar(int index);
// Inverse of alphabetChar; any byte outside the alphabet gives 63.
int alphabetIndex(char c);

#endif
