#include "menus/SettingsMenu2.h"

#include <cmath>

#include "Core/Language.h"
#include "menus/BubbleDrop.h"
#include "menus/SettingsHostI.h"
#include "menus/VolumeControls.h"
#include "settings/Settings.h"
#include "ui/CustomSwitch.h"
#include "ui/MenuBubble.h"
#include "ui/Slider.h"

int gSettingsMenuOpenCount = 0;

namespace {

// Touches below this never grab a slider: the buttons at the foot of the screen are there.
const int kGrabBottom = 433;
const int kGrabBand = 21;
const int kDragBand = 26;
const float kGrabReach = 0.7f;

float sliderValueOf(float volume)
{
    return volume > 0.0f ? std::sqrt(volume) : 0.0f;
}

void loadSwitch(CustomSwitch* sw, bool on)
{
    if (sw)
        sw->setOn(on);
}

}  // namespace

SettingsMenu2::SettingsMenu2(SettingsHostI* host, VolumeControlsI* sound)
    // A second page: with the fx row the frame's side strips no longer fit beside the rows on one.
    : TiledMenu(512, 512, 512, 512), host_(host), sound_(sound ? sound : &gVolumeControls)
{
    build(0, true, 50);
    Settings& s = *gSettings;
    if (effectsSlider)
        effectsSlider->value = sliderValueOf(s.sliderA);
    if (musicSlider)
        musicSlider->value = sliderValueOf(s.sliderB);
    loadSwitch(onlineScoresSwitch, s.switchA);
    loadSwitch(tipsSwitch, s.switchB);
    loadSwitch(fxSwitch, s.switchC);
    if (gSettingsMenuOpenCount++ == 0)
        showMusicHint();
}

SettingsMenu2::~SettingsMenu2()
{
    dropHint();
}

void SettingsMenu2::addSwitchRow(int row, int textId, int labelHeight, int tag, CustomSwitch** out)
{
    addHorizontalSpace(row, 5);
    addTextParagraph(row, getText(textId).c_str(), 166, labelHeight, false, true);
    *out = addSwitch(tag, row);
}

void SettingsMenu2::addContents()
{
    addVerticalSpace(0, 4);
    addBackButton(0, 1, false);
    addVerticalSpace(2, 1);
    addTextParagraph(3, getText(119).c_str(), 140, 18, true, false);
    effectsSlider = addSlider(kEffectsTag, 4);
    addVerticalSpace(5, 1);
    addTextParagraph(6, getText(120).c_str(), 64, 18, true, false);
    musicSlider = addSlider(kMusicTag, 7);
    addVerticalSpace(8, 18);
    addSwitchRow(9, 121, 52, kOnlineScoresTag, &onlineScoresSwitch);
    addVerticalSpace(10, 12);
    addSwitchRow(11, 122, 36, kTipsTag, &tipsSwitch);
    int row = 12;
    const int variation = gSettings->fxSwitchVariation;
    if (variation != 0) {
        addVerticalSpace(row++, 12);
        const int textId = variation == 1 ? 123 : 124;
        const int height = variation == 2 && currentLanguage() == 1 ? 52 : 36;
        addSwitchRow(row++, textId, height, kTipsTag, &fxSwitch);
        if (variation == 2)
            addVerticalSpace(row++, 4);
    }
    addVerticalSpace(row++, 12);
    addHorizontalSpace(row, 5);
    addTextParagraph(row, getText(30).c_str(), 166, 36, false, true);
    ButtonOptions language;
    language.style = ButtonStyleRound;
    addButton(kLanguageTag, row++, getLanguageName().c_str(), false, language);
    addVerticalSpace(row++, 12);
    addButtonRow(&row, getText(125).c_str(), getText(126).c_str(), nullptr, false, kResetScoresTag, kResetProgressTag,
                 false);
    addVerticalSpace(row, 10);
}

int SettingsMenu2::render()
{
    TiledMenu::render();
    for (CustomSwitch* sw : {onlineScoresSwitch, tipsSwitch, fxSwitch})
        if (sw && sw->isSliding())
            return 1;
    return 0;
}

bool SettingsMenu2::sliderTakes(Slider* slider, unsigned char* dragging, int phase, int x, int y)
{
    if (!slider)
        return false;
    const float length = slider->trackLength;
    const int centre = (int)(slider->x + 0.5f * length) + 9;
    const int dy = y - (slider->y + 13);
    bool takes;
    if (*dragging)
        takes = dy >= -kDragBand && dy <= kDragBand;
    else
        takes = phase == TouchDown && std::fabs((float)(x - centre)) <= kGrabReach * length && dy >= -kGrabBand &&
                dy <= kGrabBand && y <= kGrabBottom;
    if (takes) {
        *dragging = 1;
        float value = (float)(x - centre) / length + 0.5f;
        slider->value = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
    }
    if (phase == TouchUp)
        *dragging = 0;
    return takes;
}

void SettingsMenu2::applyVolumes()
{
    Settings& s = *gSettings;
    if (effectsSlider) {
        s.sliderA = effectsSlider->value * effectsSlider->value;
        sound_->setEffectsVolume(s.sliderA);
    }
    if (musicSlider) {
        s.sliderB = musicSlider->value * musicSlider->value;
        sound_->setMusicVolume(s.sliderB);
    }
}

bool SettingsMenu2::hintShowing() const
{
    return bubbleRunning(hintAnimation);
}

void SettingsMenu2::showMusicHint()
{
    if (!sound_->isMusicSuppressed(gSettings->sliderB))
        return;
    MenuBubble* bubble = createMenuBubble(getText(127), -1, 333, 1, 290, 1000, 0.82f, 0);
    MenuBubble::animate(&hintAnimation, bubble, 7000);
}

void SettingsMenu2::dropHint()
{
    dropBubbleNow(&hintAnimation);
}

void SettingsMenu2::copySwitches()
{
    Settings& s = *gSettings;
    if (onlineScoresSwitch)
        s.switchA = onlineScoresSwitch->on != 0;
    if (tipsSwitch)
        s.switchB = tipsSwitch->on != 0;
    if (fxSwitch)
        s.switchC = fxSwitch->on != 0;
}

int SettingsMenu2::handleTouch(int phase, int x, int y)
{
    if (sliderTakes(effectsSlider, &effectsDragging, phase, x, y)) {
        applyVolumes();
        if (phase == TouchUp)
            sound_->playHitEffect();
    }
    const bool musicChanged = sliderTakes(musicSlider, &musicDragging, phase, x, y);
    if (musicChanged) {
        sound_->cancelMusicRamp();
        if (!hintShowing())
            showMusicHint();
        applyVolumes();
    } else if (phase == TouchDown && hintShowing()) {
        MenuBubble* bubble = static_cast<MenuBubble::BubbleAnimation*>(hintAnimation.get())->bubble;
        if (!bubble || !bubble->life.closing) {
            if (bubble)
                bubble->close(600, false);
            if (y > 300)
                return -1;
        }
    }

    const int tag = TiledMenu::handleTouch(phase, x, y);
    copySwitches();
    switch (tag) {
    case 0:
        return 0;
    case kResetScoresTag:
        host_->showAlert(kResetScoresAlert, getText(128).c_str(), getText(129).c_str(), getText(1).c_str(),
                         getText(0).c_str(), 0, 16);
        return -1;
    case kResetProgressTag:
        host_->showAlert(kResetProgressAlert, getText(130).c_str(), getText(131).c_str(), getText(1).c_str(),
                         getText(0).c_str(), 0, 16);
        return -1;
    case kLanguageTag: {
        // The switch deletes this menu: only the local copy of the host is used.
        SettingsHostI* host = host_;
        host->showLanguageMenu();
        return -1;
    }
    default:
        return -1;
    }
}

void SettingsMenu2::alertButtonClicked(int buttonIndex, CustomAlertView* alert)
{
    (void)buttonIndex, (void)alert;
}
