#ifndef KELZO_MENUS_LEVELSELECTMENU_H
#define KELZO_MENUS_LEVELSELECTMENU_H

#include "Core/Ref.h"
#include "graphics/AnimationList.h"
#include "ui/TiledMenu.h"

class LevelSelect;
class ModeChoiceHostI;

// The small page over the play screen where the player picks the level to go on at: a heading, the level slider
// on its plate, Cancel and OK. OK with a level the player has reached writes it to the settings' startLevel;
// one above the highest open level is refused with the slider's alert, and the slider glides back.
//
// The slider shows the game in play's levels (Challenge from level 3 or 6 by its variant); with no game in
// play, those of the mode in the settings from level 1.
//
// Action codes: 0 cancel, 1 level chosen (written), -1 nothing.
//
//   LevelSelectMenu* page = new LevelSelectMenu(host);
//   page->slider->selectLevel(firstUnsolvedLevelOfSelectedMode(host));
//   page->showInfoBubble();
class LevelSelectMenu : public TiledMenu {
public:
    static const int kInfoBubbleMs = 7000;

    explicit LevelSelectMenu(ModeChoiceHostI* host);
    ~LevelSelectMenu() override;

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;
    // The bubble that explains the page, for 7 s.
    void showInfoBubble();

    // The first level of the strip for a game type and variant.
    static int firstLevelFor(int gameType, int variant);

    ModeChoiceHostI* host;
    Ref<AnimationI> infoBubble;
    Ref<ViewElementI> sliderRef;
    LevelSelect* slider;  // owned by the rows
};

#endif
