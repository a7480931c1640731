#include "tests/fuzz/support/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string gFolder;

void removeFolder()
{
    if (gFolder.empty() || chdir("/") != 0)
        return;
    std::string command = "rm -rf '" + gFolder + "'";
    if (system(command.c_str()) != 0)
        fprintf(stderr, "fuzz: could not remove %s\n", gFolder.c_str());
}

} // namespace

const std::string& fuzzFolder()
{
    if (!gFolder.empty())
        return gFolder;
    // Memory-backed when the machine has it: the game's saves sync to disk, which would set the pace.
    const char* tmp = getenv("KELZO_FUZZ_TMPDIR");
    if (!tmp || !*tmp)
        tmp = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/kelzo_fuzz_XXXXXX";
    if (!mkdtemp(&pattern[0]) || chdir(pattern.c_str()) != 0) {
        perror("fuzz: private folder");
        abort();
    }
    gFolder = pattern;
    atexit(removeFolder);
    return gFolder;
}

void writeFuzzFile(const char* name, const std::string& bytes)
{
    fuzzFolder();
    FILE* file = fopen(name, "wb");
    if (!file || fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        perror(name);
        abort();
    }
    fclose(file);
}

void writeFuzzFile(const char* name, const uint8_t* data, size_t size)
{
    writeFuzzFile(name, std::string(reinterpret_cast<const char*>(data), size));
}

void removeFuzzFile(const char* name)
{
    fuzzFolder();
    unlink(name);
}

std::string readFuzzFile(const char* name)
{
    fuzzFolder();
    std::string bytes;
    FILE* file = fopen(name, "rb");
    if (!file)
        return bytes;
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    fclose(file);
    return bytes;
}

void fuzzFailure(const char* target, const std::string& what)
{
    fprintf(stderr, "fuzz %s: %s\n", target, what.c_str());
    fflush(stderr);
    abort();
}

void expectSameBytes(const char* target, const char* what, const std::string& first, const std::string& second)
{
    if (first == second)
        return;
    size_t at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at])
        ++at;
    fuzzFailure(target, std::string(what) + ": " + std::to_string(first.size()) + " and " +
                            std::to_string(second.size()) + " bytes, first difference at byte " + std::to_string(at));
}

uint8_t FuzzBytes::byte()
{
    return at_ < size_ ? data_[at_++] : 0;
}

int FuzzBytes::int32()
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= uint32_t(byte()) << (8 * i);
    return int(value);
}

std::string FuzzBytes::part(size_t most)
{
    size_t wanted = byte();
    wanted |= size_t(byte()) << 8;
    if (wanted > most)
        wanted = most;
    size_t left = size_ - (at_ < size_ ? at_ : size_);
    size_t n = wanted < left ? wanted : left;
    std::string bytes(reinterpret_cast<const char*>(data_ + (at_ < size_ ? at_ : size_)), n);
    at_ += n;
    return bytes;
}

std::string FuzzBytes::rest()
{
    if (at_ >= size_)
        return std::string();
    std::string bytes(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
    at_ = size_;
    return bytes;
}
