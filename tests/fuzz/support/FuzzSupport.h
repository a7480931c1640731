#pragma once

// What every fuzz target shares. A target is one file with LLVMFuzzerTestOneInput; it feeds the bytes to a
// reader through the entry the game uses. Readers that take files by bare name from the working directory
// get them in a private temporary folder: the first use of fuzzFolder() makes one and moves into it, and it is
// removed at exit.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Core/String.h"

// Makes the private folder (once) and moves into it; returns its path.
const std::string& fuzzFolder();

// Writes the bytes as `name` in the private folder.
void writeFuzzFile(const char* name, const uint8_t* data, size_t size);
void writeFuzzFile(const char* name, const std::string& bytes);
// Removes `name` from the private folder, when it is there.
void removeFuzzFile(const char* name);
// The bytes of `name` in the private folder; empty when it is missing.
std::string readFuzzFile(const char* name);

// A finding that is no crash: the target saw a state that must not be (a load, save and load that disagree).
// Prints what and aborts, so both libFuzzer and the replay program report it with the input.
[[noreturn]] void fuzzFailure(const char* target, const std::string& what);

// Aborts through fuzzFailure when the two differ.
void expectSameBytes(const char* target, const char* what, const std::string& first, const std::string& second);

// A little-endian reader of the fuzzer's bytes, for targets that split their input into several parts.
class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // The next byte; 0 once the input is used up.
    uint8_t byte();
    // The next four bytes, little-endian; 0 bytes once the input is used up.
    int int32();
    // A part of at most `most` bytes whose length comes from the next two bytes.
    std::string part(size_t most);
    std::string rest();
    bool empty() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
