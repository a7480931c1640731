#pragma once

// GL tests of pieces that load their pictures, fonts and words from the working folder, as the game does: the
// test runs inside the data folder, in English, and the game clock it moves is put back afterwards.

#include <unistd.h>

#include <string>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "tests/graphics/GlTestContext.h"

class DataFolderGlTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        previousFolder = cwd;
        ASSERT_EQ(chdir(KELZO_DATA_DIR), 0);
        useLanguage(kEnglish);
        savedClock = gGameClock;
    }

    void TearDown() override
    {
        unloadLanguage();
        gGameClock = savedClock;
        EXPECT_EQ(chdir(previousFolder.c_str()), 0);
        GlTest::TearDown();
    }

    static void useLanguage(int id)
    {
        unloadLanguage();
        gLanguage = new Language(id);
    }

    std::string previousFolder;
    GameClock savedClock;
};
