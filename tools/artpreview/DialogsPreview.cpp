#include "DialogsPreview.h"

#include "MenuGlScreen.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/OffscreenGlContext.h"
#include "graphics/RenderBatch.h"
#include "graphics/SpriteSheet.h"
#include "modes/BetweenLevelsPopup.h"
#include "modes/FreePlayNewLevelPopup.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"
#include "ui/TextEntryField.h"
#include "ui/TiledMenu.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

// Every kind of row the factories make.
class AllRowsMenu : public TiledMenu {
public:
    AllRowsMenu() : TiledMenu(512, 512, 512, 256) { build(0, true, 50); }
    void addContents() override
    {
        addBackButton(9, 0, false);
        addHeading("Settings", 1);
        addVerticalSpace(2, 6);
        addTextLine("A line of text", 3, 15);
        addTextParagraph(4, "A paragraph of engraved text wraps within its box and shrinks to fit it.", 240, 34,
                         true, true);
        addLabel(5, "A shadowed label", 240, 22, true, 15);
        addNumber(6, 1234, 240, 24, 18, true, false);
        addVerticalSpace(7, 4);
        addButton(3, 8, "One button", true, ButtonOptions());
        addVerticalSpace(9, 6);
        int row = 10;
        addButtonRow(&row, "Left", "Right", nullptr, false, 4, 5, true);
        addVerticalSpace(row++, 6);
        addTextEntryField(row++, "Name", "Kim", false);
        addTextEntryField(row++, "Mail", "kim@example.org", true);
    }
};

// A menu that is one text entry row, for typing into.
class NameMenu : public TiledMenu {
public:
    NameMenu() : TiledMenu(512, 512, 512, 256) { build(0, true, 50); }
    void addContents() override
    {
        addHeading("New high score", 0);
        addVerticalSpace(1, 10);
        entry = addTextEntryField(2, "Name", "", false);
        addVerticalSpace(3, 10);
        int row = 4;
        addButtonRow(&row, "OK", nullptr, nullptr, false, 1, -1, false);
    }
    TextEntryField* entry = nullptr;
};

void drawWood(SpriteSheet& common)
{
    common.drawRegion(kCommonWood, 0.0f, 0.0f, DrawParams());
}

// Draws the dialogs on the menu stack through their pop-in (and any start delay) until they have settled.
void drawSettledDialogs(SpriteSheet& common)
{
    for (int frame = 0; frame < 2; frame++)
        gMenuStack.render();
    gGameClock.current += 2000;
    gMenuStack.render();
    gRenderBatch.flush();
    drawWood(common);
    gMenuStack.render();
    gMenuStack.deleteAllMenus();
}

void drawSettledAlert(SpriteSheet& common)
{
    new CustomAlertView(nullptr, "Give up?", "Your game ends here and the score of this round is lost.",
                        "Give up", "Play on", nullptr, AlertOptions());
    drawSettledDialogs(common);
}

// A Challenge level result of the grade (3: the level intro, with its tip).
void drawResultPopup(SpriteSheet& common, int grade)
{
    Array<String> lines;
    lines.append(String("Par: 1:30"));
    lines.append(String("Your time: 1:12"));
    const bool intro = grade == BetweenLevelsPopup::kNoMedal;
    BetweenLevelsPopup::show(String(intro ? "Level 6" : "Level 6 passed"), &lines,
                             String(intro ? "" : "On to level 7!"), String(), intro ? newLevelText(6) : String(),
                             nullptr, intro ? "Play" : "Replay", intro ? nullptr : "Next Level", 0, !intro,
                             grade, grade == 1, String());
    drawSettledDialogs(common);
    gGameClock.resume();
}

void drawFreePlayPopup(SpriteSheet& common)
{
    FreePlayNewLevelPopup::open(11, false, nullptr);
    drawSettledDialogs(common);
}

// Screens side by side, each drawn by its function, saved as one picture.
bool saveScreens(OffscreenGlContext& gl, const std::vector<std::function<void()>>& screens, const std::string& path)
{
    Bitmap sheet(int(screens.size()) * 328 - 8, 480, false);
    for (int page = 0; page < int(screens.size()); page++) {
        screens[page]();
        std::unique_ptr<Bitmap> frame(gl.readFrame());
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 320; x++) {
                RGBA p = frame->at(x, y);
                p.a = 255;
                sheet.at(page * 328 + x, y) = p;
            }
    }
    return sheet.savePng(path.c_str());
}

void drawTyping(SpriteSheet& common)
{
    NameMenu menu;
    drawWood(common);
    menu.render();
    MyTextField* field = menu.entry->field.get();
    if (!field)
        return;
    field->handleTouch(TouchDown, field->x + 2, field->y + 5, nullptr);
    const int keys[][3] = {{304, 0, 0}, {'j', 0, 'j'}, {'u', 0, 'u'}, {'r', 0, 'r'}, {'g', 0, 'g'}, {'e', 0, 'e'},
                           {'n', 0, 'n'}, {307, 0, 0}, {'s', 0, 0}, {'i', 0, 'i'}, {'2', 0, '2'}};
    for (const int* key : keys)
        field->onKey(key[0], key[1], true, key[2]);
    field->blinkStartMs = GameClock::wallMs();
    drawWood(common);
    menu.render();
    gKeyReceiver = nullptr;
}

}  // namespace

bool writeDialogsPreview(const std::string& dataDir, const std::string& outDir)
{
    MenuGlScreen screen(dataDir);
    if (!screen.ready())
        return false;
    unloadLanguage();
    gLanguage = new Language(kEnglish);
    SpriteSheet& common = screen.common;
    OffscreenGlContext& gl = screen.gl;

    bool saved = saveScreens(gl,
                             {[&] { drawSettledAlert(common); },
                              [&] {
                                  AllRowsMenu menu;
                                  drawWood(common);
                                  menu.render();
                              },
                              [&] { drawTyping(common); }},
                             outDir + "/menu_dialogs.png");
    saved = saveScreens(gl,
                        {[&] { drawResultPopup(common, 3); }, [&] { drawResultPopup(common, 2); },
                         [&] { drawResultPopup(common, 1); }, [&] { drawResultPopup(common, 0); },
                         [&] { drawFreePlayPopup(common); }},
                        outDir + "/menu_popups.png") &&
            saved;
    return screen.finish() && saved;
}
