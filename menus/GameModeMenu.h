#ifndef KELZO_MENUS_GAMEMODEMENU_H
#define KELZO_MENUS_GAMEMODEMENU_H

#include "Core/OwnedPtr.h"
#include "Core/Ref.h"
#include "graphics/Texture.h"
#include "ui/MainHeading.h"
#include "ui/TiledMenu.h"

class LevelSelect;
class ModeChoiceHostI;

// The screen where a game is chosen before it starts: one of four mode tiles, then for a mode with levels the
// start level on the level slider, else a difficulty tile, then Start or Back. Only Start writes the settings
// (gameMode with startLevel or difficulty); a start level the player has not reached is refused with the
// slider's alert, the slider glides back to the highest open level and the settings stay as they were. The
// Frenzy tile wears a pulsing star. A pressed tile shows its description in the program-wide bubble of
// ModeBubble.h, and the first four times the menu is built the selected mode's description opens by itself.
//
// Action codes: 0 start (settings written), 1 back, -1 nothing.
//
//   GameModeMenu* menu = new GameModeMenu(host, screenLeft);   // the shell's current menu
//   int code = menu->handleTouch(phase, x, y);
class GameModeMenu : public TiledMenu {
public:
    static const int kTipHintCounter = 42;  // the tip whose shown-counter counts the opening hints
    static const int kOpeningHints = 4;
    static const int kScreenHowToPlay = 6;
    static const int kModeTileCount = 4;    // tiles for the game types 0..3

    // screenLeft: the shell's id of the screen being left (the how-to-play screen may get a lone Start).
    GameModeMenu(ModeChoiceHostI* host, int screenLeft);
    ~GameModeMenu() override = default;

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    // The Frenzy star pulses and the bubble's countdown runs while the menu shows: a frame every 40 ms.
    int frameWantedInMs() override { return kPulseFrameMs; }
    static const int kPulseFrameMs = 40;
    void addContents() override;

    // Shows the options for the selected mode: the difficulty tiles or the slider, under its heading.
    void rebuildLevelSlider();
    bool selectedModeHasLevels() const;
    // The tile of a game type, null for the types without one.
    ViewElementI* modeTile(int mode) const;

    ModeChoiceHostI* host;
    int screenLeft;
    unsigned char firstFrame = 1;
    int nextRow = 0;
    int selectedMode;
    OwnedPtr<Texture> newStarTexture;
    OwnedPtr<Texture> newStarGlowTexture;
    MainHeading* optionsHeading = nullptr;   // owned by the rows
    Ref<ViewElementI> levelSelectRef;
    LevelSelect* levelSelect;
    Ref<ViewElementI> modeTiles[kModeTileCount];
    Ref<ViewElementI> difficultyTiles[3];
    MyView* optionsPanel;                    // owned by the rows
    MyView* modePanel;                       // owned by the rows
    Ref<ViewElementI> optionsPanelRef;
    Ref<ViewElementI> modePanelRef;

private:
    int startPressed();
    void switchMode();
    void drawStar();
    void runBubbleCountdown();
    void addButtons(int row);
    const ViewChild* recordOf(const ViewElementI* element) const;
    void aimBubbles();
};

// Alpha of the Frenzy star's glow at game time tMs: a pulse between about 0.083 and 0.5, period about 2.2 s.
float newStarGlowAlpha(int32_t tMs);

#endif
