#include <functional>
#include <string>

#include "Core/GameClock.h"
#include "graphics/Texture.h"
#include "tests/ui/MenuPictures.h"
#include "ui/CustomSwitch.h"
#include "ui/MenuStack.h"
#include "ui/Slider.h"
#include "ui/TiledMenu.h"

namespace {

class ControlsMenu : public TiledMenu {
public:
    explicit ControlsMenu(std::function<void(ControlsMenu&)> fill) : TiledMenu(512, 512, 512, 256), fill(fill) {}
    void addContents() override { fill(*this); }
    std::function<void(ControlsMenu&)> fill;
};

class TiledMenuControlsTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"OnOffSlider_145x25.png", "BlankSwitch.png", "OnOffMask_92x25.png",
                                               "OnOffHighlightShadow_92x27.png", "Button_28x28.png",
                                               "Left_140x9.png", "Right_140x9.png"}));
        gGameClock.current = 1000;
    }
};

TEST_F(TiledMenuControlsTest, SwitchAndSliderRowsAreTaggedTappableChildren)
{
    CustomSwitch* sw = nullptr;
    Slider* slider = nullptr;
    CustomSwitch* refused = reinterpret_cast<CustomSwitch*>(1);
    ControlsMenu menu([&](ControlsMenu& m) {
        sw = m.addSwitch(7, 0);
        slider = m.addSlider(8, 1);
        refused = m.addSwitch(9, TiledMenu::kRowCount);  // no such row: nothing added, nothing kept
    });
    menu.build(0, true, 50);
    ASSERT_NE(sw, nullptr);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(menu.findCell(9), nullptr);

    const ViewChild* switchChild = menu.cellChild(menu.findCell(7));
    ASSERT_NE(switchChild, nullptr);
    EXPECT_EQ(switchChild->element.get(), sw);
    EXPECT_EQ(switchChild->tappable, 1);
    EXPECT_FALSE(sw->on);
    EXPECT_EQ(sw->knobOffset, CustomSwitch::kOffOffset);
    EXPECT_EQ(sw->highlight.sheet, &menu.atlas) << "the gloss lives in the menu's atlas";
    EXPECT_EQ(sw->highlight.width, 92);

    const ViewChild* sliderChild = menu.cellChild(menu.findCell(8));
    ASSERT_NE(sliderChild, nullptr);
    EXPECT_EQ(sliderChild->element.get(), slider);
    EXPECT_FLOAT_EQ(slider->trackLength, 250.0f);
    ASSERT_NE(slider->knob, nullptr);
    EXPECT_EQ(slider->knob->width, 28);
    EXPECT_EQ(slider->width(), 268);
}

TEST_F(TiledMenuControlsTest, TappingTheSwitchInItsMenuTogglesItAndClosesNothing)
{
    CustomSwitch* sw = nullptr;
    ControlsMenu menu([&](ControlsMenu& m) { sw = m.addSwitch(7, 0); });
    menu.build(0, true, 50);
    menu.render();
    ASSERT_GE(sw->x, 0) << "placed by its first drawing";
    const int x = sw->x + 46, y = sw->y + 12;
    EXPECT_EQ(menu.handleTouch(TouchDown, x, y), -1);
    EXPECT_EQ(menu.handleTouch(TouchUp, x, y), -1) << "the switch takes the tap itself";
    EXPECT_TRUE(sw->on);
    EXPECT_TRUE(sw->isSliding());
}

}  // namespace
