#include "menus/KelzoMainMenuNew.h"

#include "Core/Language.h"
#include "menus/MainMenuButton.h"
#include "menus/MainMenuEntries.h"
#include "ui/EngravedText.h"
#include "ui/MenuTextStyle.h"
#include "ui/WoodPanel.h"

namespace {

const int kFrameMinimumEnglish = 50;
const int kFrameMinimumOther = 62;  // other languages' captions run longer
const int kShiftWithGame = -34;     // the frame moves up to make room for the resume panel
const int kShiftMenuOffset = 3;
const int kResumePanelHeight = 80;
const float kResumePanelBrightness = 1.5f;
const int kResumeCaptionText = 87;

}  // namespace

KelzoMainMenuNew::KelzoMainMenuNew(const MainMenuSetup& menuSetup)
    : TiledMenu(512, 512, 512, 512),  // the second page holds the frame's tall side strips
      setup(menuSetup),
      frameMinimum(isLanguage(kEnglish) ? kFrameMinimumEnglish : kFrameMinimumOther)
{
    int shift = 0;
    if (setup.gameInProgress)
        shift = kShiftWithGame + (setup.menuOffset ? kShiftMenuOffset : 0);
    build(shift, false, frameMinimum);
    if (setup.gameInProgress)
        addResumeButton();
    inner.setPosition(0, 0, 0.0f, 0.0f);
    atlas.uploadPages();
}

int KelzoMainMenuNew::render()
{
    touchedSinceFrame = false;
    return TiledMenu::render();
}

int KelzoMainMenuNew::handleTouch(int phase, int x, int y)
{
    touchedSinceFrame = true;
    return TiledMenu::handleTouch(phase, x, y);
}

void KelzoMainMenuNew::addContents()
{
    buttonCount = 0;
    int rows[kMaxMainMenuEntries];
    const int n = mainMenuEntries(setup.selectedMode, setup.hasCurrentGame, rows);
    int rowCounter = 0;
    for (int i = 0; i < n; i++)
        addButtonRow(&rowCounter, rows[i]);
}

void KelzoMainMenuNew::makeEntry(ViewChild* child, int tag, const char* caption)
{
    TextStyle style = defaultTextStyle();
    style.align = 1;
    SpriteRef picture;
    makeTextTexture(&picture, &atlas, caption, kCaptionWidth, kCaptionHeight, kCaptionFontSize, style);
    child->tag = tag;
    child->element.reset(new MainMenuButton(picture));
    child->tappable = 1;
    child->centred = 1;
}

void KelzoMainMenuNew::addButtonRow(int* rowCounter, int rowId)
{
    const String caption = getText(mainMenuCaptionId(rowId, setup.selectedMode));
    if (buttonCount != 0) {
        ViewChild* divider = addElement(-1, (*rowCounter)++, false);
        if (divider) {
            IndexElement* line = new IndexElement(atlas.addImage("Divider_245x3.png", 1.0f), true);
            line->drawFlag = 1;
            divider->element.reset(line);
        }
    }
    ViewChild* entry = addElement(rowId, (*rowCounter)++, false);
    if (entry) {
        makeEntry(entry, rowId, caption.c_str());
        if (firstEntryChild < 0)
            firstEntryChild = inner.children.size() - 1;
    }
    buttonCount++;
}

void KelzoMainMenuNew::addResumeButton()
{
    const int panelY = resumePanelY(buttonCount, setup.menuOffset);
    SpriteRef panelPicture;
    makeMenuTextPanel(&panelPicture, &atlas, kResumePanelHeight, frameMinimum, kResumePanelBrightness, 0, 0);
    IndexElement* panel = new IndexElement(panelPicture, false);
    panel->drawFlag = 1;
    ViewChild& panelChild = inner.addChild();
    panelChild.element.reset(panel);
    panelChild.centred = 1;
    panelChild.y = panelY;

    const int entryX = firstEntryChild >= 0 ? inner.children[firstEntryChild].x : 0;
    ViewChild& caption = inner.addChild();
    makeEntry(&caption, kRowResume, getText(kResumeCaptionText).c_str());
    caption.x = entryX;
    caption.y = panelY + 1;
}
