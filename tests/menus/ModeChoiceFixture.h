#pragma once

// The game-mode menu, the level-select page and their slider built as the game builds them, in a test folder of
// their own: the generated menu pictures, the English texts, a settings record, a fake of the shell's progress
// answers, and a common graphics set whose pictures are plain colours, so that a pixel tells which one was drawn.

#include <unistd.h>

#include <string>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/GameGraphics.h"
#include "board/GameType.h"
#include "menus/ModeBubble.h"
#include "menus/ModeChoiceHostI.h"
#include "modes/ChallengeBests.h"
#include "modes/FrenzyBests.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

class FakeModeHost : public ModeChoiceHostI {
public:
    int firstUnsolvedLevel(int mode) override { return mode >= 0 && mode < 7 ? firstUnsolved[mode] : 30; }
    int levelOfMode(int mode) override { return mode >= 0 && mode < 7 ? levels[mode] : 1; }
    int puzzlesLeftInLevel() override { return puzzlesLeft; }
    int freePlayLevel() override { return freePlay; }
    int currentGameType() override { return gameType; }
    int currentGameVariant() override { return variant; }
    void playClick() override { clicks++; }
    int tipShownCount(int tipId) override { return tipId == 42 ? hintsShown : 0; }
    void countTipShown(int tipId) override
    {
        if (tipId == 42)
            hintsShown++;
    }

    int firstUnsolved[7] = {30, 4, 5, 6, 30, 30, 9};
    int levels[7] = {1, 2, 3, 4, 1, 1, 2};
    int puzzlesLeft = 5;
    int freePlay = 5;
    int gameType = -1;
    int variant = 0;
    int clicks = 0;
    int hintsShown = 0;
};

// The plain colours of the common pictures the menus draw. Premultiplied, opaque.
const RGBA kHighlightColour{0, 0, 200, 255};
const RGBA kPadlockColour{0, 180, 0, 255};
const RGBA kMedalColour{250, 250, 0, 255};
inline RGBA digitColour(int digit) { return RGBA{(unsigned char)(100 + 15 * digit), 0, 0, 255}; }
inline RGBA smallDigitColour(int digit) { return RGBA{0, 0, (unsigned char)(100 + 15 * digit), 255}; }

class ModeChoiceTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"Arcade_60x65.png", "Free_60x65.png", "Challenge.png",
                                               "BtC_60x65.png", "Easy_64x64.png", "Medium_64x64.png",
                                               "Hard_64x64.png", "NewStar_26x26.png", "BtCSliderBackground_248x78.png",
                                               "InstructionBubble_50x50_inverted.png", "english.txt"}));
        unloadLanguage();
        gLanguage = new Language(kEnglish);
        savesSuppressed = gSettingsSaveSuppressed;
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameFreePlay;
        settings.difficulty = 0;
        settings.startLevel = 1;
        settings.switchB = true;
        settings.sgVariation = 0;
        gSettings = &settings;
        gAbSettings.ncm = 0;
        gAbSettings.ttd = 0;
        gChallengeBests.clear();
        gChallengeBests.pad();
        gFrenzyBests.clear();
        gFrenzyBests.pad();
        setClock(100000);
        makeGraphics();
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        deleteModeBubble();
        gModeBubbleTimer = -1;
        gGameGraphics = nullptr;
        delete graphics;
        gSettings = nullptr;
        gSettingsSaveSuppressed = savesSuppressed;
        gChallengeBests.clear();
        gFrenzyBests.clear();
        gAbSettings.ncm = -1;
        gAbSettings.ttd = -1;
        MenuTestFolder::TearDown();
    }

    static void setClock(int32_t ms) { gGameClock.updateAt(ms); }

    static SpriteRef addSolid(SpriteSheet& sheet, int w, int h, RGBA colour)
    {
        Bitmap* bitmap = new Bitmap(w, h, false);
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                bitmap->at(x, y) = colour;
        return sheet.addBitmap(bitmap, true, 1);
    }

    // A run of ten frames, one colour per digit.
    static SpriteRef addDigits(SpriteSheet& sheet, int w, int h, RGBA (*colour)(int))
    {
        SpriteRef first = addSolid(sheet, w, h, colour(0));
        for (int digit = 1; digit < 10; digit++)
            addSolid(sheet, w, h, colour(digit));
        return first;
    }

    void makeGraphics()
    {
        graphics = new GameGraphics();
        SpriteSheet& sheet = graphics->commonSheet;
        SpriteRef* common = graphics->common;
        common[kEntryHighlight] = addSolid(sheet, 129, 152, kHighlightColour);
        common[kEntryPadlock] = addSolid(sheet, 44, 50, kPadlockColour);
        common[kEntryDigits] = addDigits(sheet, 44, 50, digitColour);
        common[kEntrySmallDigits] = addDigits(sheet, 14, 18, smallDigitColour);
        for (int medal = 0; medal < 3; medal++)
            common[kEntryMedalSmall + medal] = addSolid(sheet, 18, 26, kMedalColour);
        sheet.uploadPages();
        gGameGraphics = graphics;
    }

    Settings settings;
    FakeModeHost host;
    GameGraphics* graphics = nullptr;
    bool savesSuppressed = false;
};

// The centre of an element's last drawn rectangle.
inline void centreOf(ViewElementI* element, int* x, int* y)
{
    *x = element->x + element->width() / 2;
    *y = element->y + element->height() / 2;
}
