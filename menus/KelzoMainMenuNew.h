#ifndef KELZO_MENUS_KELZOMAINMENUNEW_H
#define KELZO_MENUS_KELZOMAINMENUNEW_H

#include "ui/TiledMenu.h"

// What the main menu is built from; the shell fills it when it opens the screen.
struct MainMenuSetup {
    int selectedMode = 0;         // the settings' game type
    bool hasCurrentGame = false;  // the shell holds a game
    bool gameInProgress = false;  // ... and that game has a board: offer to resume it
    bool menuOffset = false;      // the shell's menu offset flag
};

// The main menu: a wooden frame of six or seven engraved entries with a divider between each two, and while a
// game is in progress a resume button on a panel below the frame. A tap on an entry returns its row id
// (MainMenuEntries.h), the resume button 7. Nothing on it moves by itself, so it rests between touches; a
// touch asks for the next frame, so that a pressed entry glows (and stops glowing) at once.
//
//   MainMenuSetup setup;  setup.selectedMode = gSettings->gameMode;  ...
//   KelzoMainMenuNew* menu = new KelzoMainMenuNew(setup);
class KelzoMainMenuNew : public TiledMenu {
public:
    static const int kCaptionWidth = 300;
    static const int kCaptionHeight = 48;
    static const int kCaptionFontSize = 30;

    explicit KelzoMainMenuNew(const MainMenuSetup& setup);

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    int frameWantedInMs() override { return touchedSinceFrame ? 0 : -1; }
    void addContents() override;
    // One entry (and a divider row above it unless it is the first), from *rowCounter on.
    void addButtonRow(int* rowCounter, int rowId);

    MainMenuSetup setup;
    int frameMinimum;
    int buttonCount = 0;
    int firstEntryChild = -1;  // the first entry's child record
    bool touchedSinceFrame = false;

private:
    void addResumeButton();
    // Makes the record a tappable, centred entry showing the caption, engraved into the atlas.
    void makeEntry(ViewChild* child, int tag, const char* caption);
};

#endif
