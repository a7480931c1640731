#pragma once

// Every saver of the game's files as the game calls it, with the file's own reader, for the tests
// that save under adverse conditions (a kill, a full disk, a folder that cannot be written).

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

extern const char kNotThere[];  // what a reader's probe gives for a missing file

// One saver of the game. A test calls save(version) with a growing version and load() to see what
// the file holds. Both speak of a version as a text: load() gives kNotThere for a missing file and
// "damaged" (or any text no save wrote) when the reader fell back.
struct SaverCase {
    const char* file;
    // Called once before the saves (in a child process), for savers that keep an object.
    std::function<void()> prepare;
    // Saves `version`; returns the text load() will give for it, "" when the save failed.
    std::function<std::string(long version)> save;
    std::function<std::string()> load;
    // The text load() gives for a version; null for a file whose contents the saver makes up
    // itself (then only whole or missing can be asked of the version in progress).
    std::function<std::string(long version)> versionText;
    // True for a file written once (the first time it is missing): each round starts without it
    // and the child saves a single time.
    bool writtenOnce = false;
    // The test's name where one file has two savers; the file's name otherwise.
    const char* name = nullptr;
    // True when save() cannot tell a failed save (the saver has no result): then only the file's
    // contents can be checked.
    bool failureUnseen = false;
};

void PrintTo(const SaverCase& saver, std::ostream* out);

std::string text(long version);

const std::vector<SaverCase>& saverCases();

std::string saverCaseName(const ::testing::TestParamInfo<SaverCase>& info);
