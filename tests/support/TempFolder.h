#pragma once

// Runs a test inside a fresh folder of its own (under the test's working directory), so tests that
// read and write files by bare name do not meet each other when they run in parallel.
//
//   class MyTest : public TempFolderTest {};   // the test body runs inside the folder

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/FileBytes.h"

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previous_ = cwd;
        char pattern[] = "kelzo_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = previous_ + "/" + pattern;
        ASSERT_EQ(chdir(folder_.c_str()), 0);
    }

    void TearDown() override
    {
        if (chdir(previous_.c_str()) != 0)
            return;
        std::string remove = "rm -rf '" + folder_ + "'";
        if (system(remove.c_str()) != 0)
            ADD_FAILURE() << "could not remove " << folder_;
    }

    // Writes a file of the test folder.
    void writeFile(const std::string& name, const std::string& bytes)
    {
        FILE* file = fopen(name.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        fclose(file);
    }

    std::string readFile(const std::string& name)
    {
        std::string bytes;
        return readFileBytes(name, &bytes) ? bytes : "<missing>";
    }

    const std::string& folder() const { return folder_; }

private:
    std::string previous_;
    std::string folder_;
};
