#include "ui/TiledMenu.h"

#include "graphics/Texture.h"
#include "ui/CustomSwitch.h"
#include "ui/Slider.h"

CustomSwitch* TiledMenu::addSwitch(int tag, int row)
{
    CustomSwitch* control = new CustomSwitch(&atlas, false, nullptr);
    return addControlRow(tag, control, row) ? control : nullptr;
}

Slider* TiledMenu::addSlider(int tag, int row)
{
    Slider* control = new Slider(new Texture("Button_28x28.png", 1.0f, false), 250.0f);
    return addControlRow(tag, control, row) ? control : nullptr;
}
