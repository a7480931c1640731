#pragma once

// Drawing tests of the menu pieces run in a folder of their own (GlTest::enterOwnFolder) that holds what they
// load: the fonts linked from the data folder, and fixture pictures and texts the test writes itself.

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "Core/Language.h"
#include "graphics/Bitmap.h"
#include "graphics/FontCache.h"
#include "graphics/TextRender.h"
#include "tests/graphics/GlTestContext.h"
#include "ui/MenuTextStyle.h"
#include "ui/SharedMenuTextures.h"

// Links the named files of the built data folder into the current folder, replacing any left by an earlier run.
inline void linkDataFiles(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        unlink(name);
        ASSERT_EQ(0, symlink((std::string(KELZO_DATA_DIR) + "/" + name).c_str(), name)) << name;
    }
}

class MenuTestFolder : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        enterOwnFolder();
        removeFilesOfEarlierRuns();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"AmericanTypewriter-Bold.ttf", "Insanibu.ttf", "Helvetica-Bold.ttf"}));
        releaseSharedMenuTextures();
    }

    void TearDown() override
    {
        releaseSharedMenuTextures();
        unloadLanguage();
        GlTest::TearDown();
    }

    // The folder stays after a run, to look at; what a test wrote last time must not be found this time.
    static void removeFilesOfEarlierRuns()
    {
        DIR* folder = opendir(".");
        ASSERT_NE(nullptr, folder);
        std::vector<std::string> names;
        while (dirent* entry = readdir(folder))
            names.push_back(entry->d_name);
        closedir(folder);
        for (const std::string& name : names)
            if (name.size() > 4 && (name.compare(name.size() - 4, 4, ".png") == 0 ||
                                    name.compare(name.size() - 4, 4, ".txt") == 0 || name == "lang.dat"))
                remove(name.c_str());
    }

    // A picture of one colour, w x h, saved as name.
    static void writePicture(const char* name, int w, int h, RGBA colour)
    {
        Bitmap picture(w, h, false);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                picture.at(x, y) = colour;
        ASSERT_TRUE(picture.savePng(name)) << name;
    }

    // Makes `language` current with the given texts as its ids 0, 1, 2...
    static void useTexts(int language, const std::vector<std::string>& texts)
    {
        FILE* file = fopen((std::string(gLanguageNames[language]) + ".txt").c_str(), "wb");
        ASSERT_NE(nullptr, file);
        for (const std::string& text : texts)
            fprintf(file, "%s\n", text.c_str());
        fclose(file);
        unloadLanguage();
        gLanguage = new Language(language);
    }

    // Texts that name their ids ("T0", "T1", ...), so a test sees which text a piece shows; the test
    // replaces the few it needs as they read.
    static std::vector<std::string> textsNamedByIds(int count)
    {
        std::vector<std::string> texts;
        for (int id = 0; id < count; id++)
            texts.push_back("T" + std::to_string(id));
        return texts;
    }

    // Width of the text in the menu font, unwrapped.
    static int widthOf(const std::string& text, int fontSize) { return menuTextWidth(text.c_str(), fontSize); }
};

// Wood of one grey over the whole screen.
inline Bitmap* plainWood(unsigned char grey)
{
    Bitmap* wood = new Bitmap(320, 480, false);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 320; x++)
            wood->at(x, y) = RGBA{grey, grey, grey, 255};
    return wood;
}
