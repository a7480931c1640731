#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "menus/SettingsHostI.h"
#include "menus/SettingsMenu2.h"
#include "menus/VolumeControls.h"
#include "settings/Settings.h"

#include "tests/ui/MenuPictures.h"
#include "ui/CustomSwitch.h"
#include "ui/MenuBubble.h"
#include "ui/Slider.h"

namespace {

struct AlertCall {
    int id;
    std::string title, message, button1, button2;
};

class FakeSettingsHost : public SettingsHostI {
public:
    void showAlert(int alertId, const char* title, const char* message, const char* button1, const char* button2,
                   int startDelayMs, int messageFontSize) override
    {
        (void)startDelayMs, (void)messageFontSize;
        alerts.push_back({alertId, title, message, button1, button2 ? button2 : "(none)"});
    }
    void loadTheme(int) override {}
    void languageChanged() override {}
    // As the shell does: the switch deletes the screen that asked for it.
    void showLanguageMenu() override
    {
        ++languageMenus;
        delete menuToDelete;
        menuToDelete = nullptr;
    }
    std::vector<AlertCall> alerts;
    int languageMenus = 0;
    SettingsMenu2* menuToDelete = nullptr;
};

class FakeVolumes : public VolumeControlsI {
public:
    void setEffectsVolume(float v) override { effects.push_back(v); }
    void setMusicVolume(float v) override { music.push_back(v); }
    void playHitEffect() override { ++hits; }
    void cancelMusicRamp() override { ++rampCancels; }
    bool isMusicSuppressed(float) override { return suppressed; }
    std::vector<float> effects, music;
    int hits = 0;
    int rampCancels = 0;
    bool suppressed = false;
};

class SettingsMenu2Test : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"OnOffSlider_145x25.png", "BlankSwitch.png", "OnOffMask_92x25.png",
                                               "OnOffHighlightShadow_92x27.png", "Button_28x28.png",
                                               "Left_140x9.png", "Right_140x9.png", "SmallRounded_30x30.png",
                                               "InstructionBubble_50x50_inverted.png"}));
        std::vector<std::string> texts;
        for (int i = 0; i < 300; i++)
            texts.push_back("t" + std::to_string(i));
        useTexts(0, texts);
        gGameClock.current = 1000;
        settings.sliderA = 0.65f;
        settings.sliderB = 0.25f;
        settings.switchA = true;
        settings.switchB = false;
        settings.switchC = true;
        settings.fxSwitchVariation = 0;
        gSettings = &settings;
        gSettingsMenuOpenCount = 1;  // the hint of the first opening is tested on its own
    }

    void TearDown() override
    {
        gSettings = nullptr;
        MenuTestFolder::TearDown();
    }

    SettingsMenu2* makeMenu()
    {
        SettingsMenu2* menu = new SettingsMenu2(&host, &volumes);
        menu->render();  // places everything
        return menu;
    }

    // The knob centre and track line of a slider, as the menu grabs it.
    static int knobX(Slider* s) { return (int)(s->x + 0.5f * s->trackLength) + 9; }
    static int lineY(Slider* s) { return s->y + 13; }

    static void tapChild(SettingsMenu2& menu, int tag, int* result)
    {
        ViewChild* child = menu.cellChild(menu.findCell(tag));
        ASSERT_NE(child, nullptr) << tag;
        const int x = child->element->x + child->element->width() / 2;
        const int y = child->element->y + child->element->height() / 2;
        EXPECT_EQ(menu.handleTouch(TouchDown, x, y), -1);
        *result = menu.handleTouch(TouchUp, x, y);
    }

    Settings settings;
    FakeSettingsHost host;
    FakeVolumes volumes;
};

TEST_F(SettingsMenu2Test, SlidersShowTheSquareRootOfTheStoredVolume)
{
    struct Case {
        float stored;
        float shown;
    };
    for (Case c : {Case{0.65f, 0.806f}, Case{0.25f, 0.5f}, Case{0.0f, 0.0f}, Case{-0.3f, 0.0f}, Case{1.0f, 1.0f}}) {
        settings.sliderA = c.stored;
        settings.sliderB = c.stored;
        std::unique_ptr<SettingsMenu2> menu(makeMenu());
        EXPECT_NEAR(menu->effectsSlider->value, c.shown, 0.001f) << c.stored;
        EXPECT_NEAR(menu->musicSlider->value, c.shown, 0.001f) << c.stored;
    }
}

TEST_F(SettingsMenu2Test, DraggingToTheLeftEndStoresSilenceAndTellsTheSound)
{
    std::unique_ptr<SettingsMenu2> menu(makeMenu());
    Slider* s = menu->effectsSlider;
    EXPECT_EQ(menu->handleTouch(TouchDown, knobX(s), lineY(s)), -1);
    EXPECT_NEAR(settings.sliderA, 0.25f, 0.001f) << "grabbed at the centre: 0.5 squared";
    menu->handleTouch(TouchMove, 0, lineY(s) + 26);  // far left, at the edge of the band
    EXPECT_EQ(s->value, 0.0f);
    EXPECT_EQ(settings.sliderA, 0.0f);
    ASSERT_FALSE(volumes.effects.empty());
    EXPECT_EQ(volumes.effects.back(), 0.0f);
    EXPECT_NEAR(volumes.music.back(), 0.25f, 0.001f) << "both volumes are sent";
    menu->handleTouch(TouchMove, 319, lineY(s) - 26);
    EXPECT_EQ(settings.sliderA, 1.0f) << "clamped at the right end";
    menu->handleTouch(TouchMove, 100, lineY(s) + 27);
    EXPECT_EQ(settings.sliderA, 1.0f) << "27 px off the track: the drag does not follow";
}

TEST_F(SettingsMenu2Test, APressBeyondSevenTenthsOfTheTrackDoesNotGrab)
{
    std::unique_ptr<SettingsMenu2> menu(makeMenu());
    Slider* s = menu->musicSlider;
    const int reach = (int)(0.7f * s->trackLength);
    struct Press {
        int dx, dy;
        bool grabs;
    };
    for (Press p : {Press{reach + 1, 0, false}, Press{-(reach + 1), 0, false}, Press{reach, 0, true},
                    Press{0, 21, true}, Press{0, -22, false}, Press{0, 22, false}}) {
        const float before = settings.sliderB;
        menu->handleTouch(TouchDown, knobX(s) + p.dx, lineY(s) + p.dy);
        EXPECT_EQ(menu->musicDragging != 0, p.grabs) << p.dx << "," << p.dy;
        menu->handleTouch(TouchUp, 400, 470);
        if (!p.grabs) {
            EXPECT_EQ(settings.sliderB, before) << p.dx << "," << p.dy;
        }
    }
}

TEST_F(SettingsMenu2Test, ReleasingTheEffectsSliderPlaysOneHitTheMusicSliderNone)
{
    std::unique_ptr<SettingsMenu2> menu(makeMenu());
    Slider* fx = menu->effectsSlider;
    menu->handleTouch(TouchDown, knobX(fx), lineY(fx));
    menu->handleTouch(TouchMove, knobX(fx) + 20, lineY(fx));
    EXPECT_EQ(volumes.hits, 0);
    menu->handleTouch(TouchUp, knobX(fx) + 20, lineY(fx));
    EXPECT_EQ(volumes.hits, 1);
    EXPECT_EQ(volumes.rampCancels, 0);
    EXPECT_EQ(menu->effectsDragging, 0);

    Slider* music = menu->musicSlider;
    menu->handleTouch(TouchDown, knobX(music), lineY(music));
    menu->handleTouch(TouchUp, knobX(music) - 30, lineY(music));
    EXPECT_EQ(volumes.hits, 1);
    EXPECT_EQ(volumes.rampCancels, 2) << "each change of the music slider stops a fade-in";
    EXPECT_NEAR(settings.sliderB, std::pow(0.5f - 30.0f / music->trackLength, 2.0f), 0.001f);
}

TEST_F(SettingsMenu2Test, TheFxRowFollowsItsVariation)
{
    struct Case {
        int variation;
        int language;
        bool fxRow;
        int labelHeight;
    };
    const Case cases[] = {{0, 0, false, 0}, {1, 0, true, 36}, {2, 0, true, 36}, {1, 1, true, 36}, {2, 1, true, 52}};
    for (const Case& c : cases) {
        std::vector<std::string> texts;
        for (int i = 0; i < 300; i++)
            texts.push_back("t" + std::to_string(i));
        useTexts(c.language, texts);
        settings.fxSwitchVariation = c.variation;
        settings.switchC = false;
        std::unique_ptr<SettingsMenu2> menu(makeMenu());
        ASSERT_NE(menu->onlineScoresSwitch, nullptr);
        ASSERT_NE(menu->tipsSwitch, nullptr);
        EXPECT_EQ(menu->fxSwitch != nullptr, c.fxRow) << c.variation;
        if (!menu->fxSwitch) {
            menu->handleTouch(TouchDown, 5, 5);
            EXPECT_FALSE(settings.switchC) << "without the row fxEnabled keeps its value";
            continue;
        }
        // The fx row is the one after the tips row and its spacer: space, label, switch.
        const TiledMenuCell& label = menu->cellAt(13, 1);
        ASSERT_GE(label.child, 0);
        EXPECT_EQ(menu->inner.children[label.child].element->height(), c.labelHeight)
            << c.variation << " in language " << c.language;
        EXPECT_EQ(menu->inner.children[menu->cellAt(13, 2).child].element.get(), menu->fxSwitch);
    }
}

TEST_F(SettingsMenu2Test, SwitchesAreStoredAsTheyChange)
{
    settings.fxSwitchVariation = 1;
    std::unique_ptr<SettingsMenu2> menu(makeMenu());
    EXPECT_TRUE(menu->onlineScoresSwitch->on);
    EXPECT_FALSE(menu->tipsSwitch->on);
    EXPECT_TRUE(menu->fxSwitch->on);
    int result = 0;
    tapChild(*menu, SettingsMenu2::kOnlineScoresTag, &result);
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(settings.switchA) << "stored on the release that flipped it";
    EXPECT_FALSE(settings.switchB);
    EXPECT_TRUE(settings.switchC);
}

TEST_F(SettingsMenu2Test, BackReturnsZeroTheResetsOpenTheHostsAlerts)
{
    std::unique_ptr<SettingsMenu2> menu(makeMenu());
    int result = 0;
    tapChild(*menu, SettingsMenu2::kResetScoresTag, &result);
    EXPECT_EQ(result, -1);
    tapChild(*menu, SettingsMenu2::kResetProgressTag, &result);
    EXPECT_EQ(result, -1);
    ASSERT_EQ(host.alerts.size(), 2u);
    EXPECT_EQ(host.alerts[0].id, 18);
    EXPECT_EQ(host.alerts[0].title, "t128");
    EXPECT_EQ(host.alerts[0].message, "t129");
    EXPECT_EQ(host.alerts[0].button1, "t1");
    EXPECT_EQ(host.alerts[0].button2, "t0");
    EXPECT_EQ(host.alerts[1].id, 19);
    EXPECT_EQ(host.alerts[1].title, "t130");
    EXPECT_EQ(host.alerts[1].message, "t131");
    tapChild(*menu, 0, &result);
    EXPECT_EQ(result, 0);
}

TEST_F(SettingsMenu2Test, TheLanguageButtonTouchesNothingOfTheDeletedMenu)
{
    SettingsMenu2* menu = makeMenu();
    host.menuToDelete = menu;
    ViewChild* child = menu->cellChild(menu->findCell(SettingsMenu2::kLanguageTag));
    ASSERT_NE(child, nullptr);
    const int x = child->element->x + child->element->width() / 2;
    const int y = child->element->y + child->element->height() / 2;
    menu->handleTouch(TouchDown, x, y);
    EXPECT_EQ(menu->handleTouch(TouchUp, x, y), -1);  // the sanitizer build catches any use after this
    EXPECT_EQ(host.languageMenus, 1);
    EXPECT_EQ(host.menuToDelete, nullptr);
}

TEST_F(SettingsMenu2Test, TheMusicHintShowsOnTheFirstOpeningOnlyWhileMusicIsSuppressed)
{
    gSettingsMenuOpenCount = 0;
    volumes.suppressed = false;
    { std::unique_ptr<SettingsMenu2> menu(makeMenu()); EXPECT_TRUE(menu->hintAnimation.isNull()); }

    gSettingsMenuOpenCount = 0;
    volumes.suppressed = true;
    Ref<AnimationI> kept;
    {
        std::unique_ptr<SettingsMenu2> menu(makeMenu());
        ASSERT_FALSE(menu->hintAnimation.isNull());
        kept = menu->hintAnimation;
        EXPECT_NE(static_cast<MenuBubble::BubbleAnimation*>(kept.get())->bubble, nullptr);
        std::unique_ptr<SettingsMenu2> second(makeMenu());
        EXPECT_TRUE(second->hintAnimation.isNull()) << "only the first opening since launch";
    }
    auto* animation = static_cast<MenuBubble::BubbleAnimation*>(kept.get());
    EXPECT_EQ(animation->bubble, nullptr) << "the menu took its bubble with it";
    EXPECT_TRUE(animation->isDone());
}

}  // namespace
