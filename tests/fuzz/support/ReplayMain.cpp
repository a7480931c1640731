// Runs a fuzz target over its corpus without libFuzzer, so the normal and the sanitizer builds check every
// kept input (the seeds and the findings) on each test run: replay_<target> <file or folder>...
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool readFile(const std::string& path, std::vector<uint8_t>* bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes->clear();
    uint8_t buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + got);
    fclose(file);
    return true;
}

void collect(const std::string& path, std::vector<std::string>* files)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        files->push_back(path);
        return;
    }
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            names.push_back(entry->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        collect(path + "/" + name, files);
}

} // namespace

int main(int argc, char** argv)
{
    // Every path is read before the first input runs: a target may move into its private folder.
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i)
        collect(argv[i], &files);
    if (files.empty()) {
        fprintf(stderr, "replay: no inputs in the given paths\n");
        return 1;
    }
    std::vector<std::vector<uint8_t>> inputs(files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        if (!readFile(files[i], &inputs[i])) {
            fprintf(stderr, "replay: cannot read %s\n", files[i].c_str());
            return 1;
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        fprintf(stderr, "replay: %s (%zu bytes)\n", files[i].c_str(), inputs[i].size());
        LLVMFuzzerTestOneInput(inputs[i].data(), inputs[i].size());
    }
    printf("replay: %zu inputs, no finding\n", files.size());
    return 0;
}
