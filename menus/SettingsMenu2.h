#ifndef KELZO_MENUS_SETTINGSMENU2_H
#define KELZO_MENUS_SETTINGSMENU2_H

#include "Core/Ref.h"
#include "graphics/AnimationList.h"
#include "ui/AlertViewCallbackI.h"
#include "ui/TiledMenu.h"

class CustomSwitch;
class SettingsHostI;
class Slider;
class VolumeControlsI;

// The settings screen: effects and music volume, switches for online scores, tips and (by the experiment
// "_xs_") the board effect, the language, and the two resets. Every change goes into gSettings at once and
// volumes straight to the sound; the shell saves the settings. Its only action code is 0, the back arrow.
//
// A slider shows the square root of its volume, so the quiet end gets more of the track; its knob is grabbed
// within 0.7 track lengths of its centre and held while the finger stays within 26 px of the track. The
// language button asks the host for the language screen, which deletes this menu during the call: nothing of
// it is touched after that. The resets only open the host's alerts 18 and 19; the host acts on the answer.
//
//     SettingsMenu2* menu = new SettingsMenu2(host);          // host: the application object
//     if (menu->handleTouch(phase, x, y) == 0) showMenu(ScreenMainMenu);
class SettingsMenu2 : public TiledMenu, public AlertViewCallbackI {
public:
    static const int kEffectsTag = 2;
    static const int kMusicTag = 3;
    static const int kOnlineScoresTag = 4;
    static const int kTipsTag = 5;
    static const int kResetScoresTag = 101;
    static const int kResetProgressTag = 102;
    static const int kLanguageTag = 104;
    static const int kResetScoresAlert = 18;
    static const int kResetProgressAlert = 19;

    explicit SettingsMenu2(SettingsHostI* host, VolumeControlsI* sound = nullptr);
    ~SettingsMenu2() override;

    int render() override;
    int handleTouch(int phase, int x, int y) override;
    void addContents() override;
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override;

    // Stores the squared slider values and sends them to the sound.
    void applyVolumes();

    Slider* effectsSlider = nullptr;
    Slider* musicSlider = nullptr;
    CustomSwitch* onlineScoresSwitch = nullptr;
    CustomSwitch* tipsSwitch = nullptr;
    CustomSwitch* fxSwitch = nullptr;
    Ref<AnimationI> hintAnimation;
    unsigned char effectsDragging = 0;
    unsigned char musicDragging = 0;

private:
    bool sliderTakes(Slider* slider, unsigned char* dragging, int phase, int x, int y);
    bool hintShowing() const;
    void showMusicHint();
    void dropHint();
    void copySwitches();
    void addSwitchRow(int row, int textId, int labelHeight, int tag, CustomSwitch** out);

    SettingsHostI* host_;
    VolumeControlsI* sound_;
};

// Openings of the settings screen since launch; the first shows the music hint.
extern int gSettingsMenuOpenCount;

#endif
