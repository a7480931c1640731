#include "menus/LevelSelectMenu.h"

#include "Core/Language.h"
#include "board/GameType.h"
#include "graphics/Bitmap.h"
#include "menus/ModeChoiceHostI.h"
#include "menus/widgets/LevelSelect.h"
#include "settings/Settings.h"
#include "ui/ImageElement.h"
#include "ui/MenuBubble.h"

namespace {

const char* const kSliderPlate = "BtCSliderBackground_248x78.png";
const int kHeading = 113;
const int kCancelText = 1;
const int kLevelOkText = 0;
const int kCancelTag = 0;
const int kOkTag = 1;
const int kInfoText = 238;

}  // namespace

int LevelSelectMenu::firstLevelFor(int gameType, int variant)
{
    if (gameType != kGameChallenge)
        return 1;
    return variant == 1 ? 3 : (variant == 2 ? 6 : 1);
}

LevelSelectMenu::LevelSelectMenu(ModeChoiceHostI* progressHost) : TiledMenu(512, 512, -1, -1), host(progressHost)
{
    const int gameType = host->currentGameType();
    const bool inPlay = gameType != -1;
    const int mode = inPlay ? gameType : gSettings->gameMode;
    const int firstLevel = inPlay ? firstLevelFor(gameType, host->currentGameVariant()) : 1;
    slider = new LevelSelect(&atlas, firstLevel, mode, host);
    sliderRef.reset(slider);
    build(0, true, 50);
}

LevelSelectMenu::~LevelSelectMenu()
{
    // The bubble goes with the page, not after it.
    MenuBubble::BubbleAnimation* animation = static_cast<MenuBubble::BubbleAnimation*>(infoBubble.get());
    if (animation && animation->bubble) {
        delete animation->bubble;
        animation->bubble = nullptr;
        animation->done = 1;
    }
}

void LevelSelectMenu::addContents()
{
    addVerticalSpace(0, 4, -1);
    addVerticalSpace(1, 10, -1);
    addHeading(getText(kHeading).c_str(), 2);
    addVerticalSpace(3, 23, -1);
    ViewChild* plate = addElement(-1, 4, true);
    plate->element.reset(new ImageElement(new Bitmap(kSliderPlate, 1.0f, true), ImageElement::ModePremultiplied));
    plate->centred = 1;
    ViewChild* strip = addElement(-1, 4, false);
    strip->element = sliderRef;
    strip->centred = 1;
    addVerticalSpace(5, 16, -1);
    ButtonOptions options;
    addButton(kCancelTag, 6, getText(kCancelText).c_str(), false, options);
    addHorizontalSpace(6, 20);
    addButton(kOkTag, 6, getText(kLevelOkText).c_str(), false, options);
    addVerticalSpace(7, 9, -1);
}

int LevelSelectMenu::handleTouch(int phase, int x, int y)
{
    if (slider->trackTouch(phase, x, y))
        return -1;
    const int tag = TiledMenu::handleTouch(phase, x, y);
    if (tag != kOkTag)
        return tag;
    const int level = slider->selectedLevel();
    const int open = firstUnsolvedLevelOfSelectedMode(host);
    if (open < level) {
        slider->reset(gSettings->gameMode == kGameBeatTheClock);
        slider->selectLevel(open);
        return -1;
    }
    gSettings->startLevel = level;
    return kOkTag;
}

int LevelSelectMenu::render()
{
    const int r = TiledMenu::render();
    const bool moving = slider->scroller.isMoving();
    if (infoBubble.isNull())
        return moving ? 1 : r;
    return infoBubble->isDone() && !moving ? r : 1;
}

void LevelSelectMenu::showInfoBubble()
{
    MenuBubble* bubble = createMenuBubble(getText(kInfoText), -1, 355, 2, 290, 200, 1.0f, 0);
    MenuBubble::animate(&infoBubble, bubble, kInfoBubbleMs);
}
