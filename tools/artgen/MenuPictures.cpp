#include "MenuPictures.h"

#include "Canvas.h"
#include "MenuButtons.h"
#include "MenuPanels.h"
#include "MenuSwitches.h"

#include <vector>

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
    std::function<void(cairo_t*)> draw;
};

bool writeAll(const std::string& dir, const std::vector<Picture>& pictures, std::string& error)
{
    for (const Picture& p : pictures)
        if (!writePicture(dir, p.name, p.width, p.height, p.draw, error))
            return false;
    return true;
}

std::function<void(cairo_t*)> greyButton(int w, int h, double radius)
{
    return [w, h, radius](cairo_t* cr) { drawGreyButton(cr, w, h, radius); };
}

std::function<void(cairo_t*)> segment(int part, bool pressed)
{
    return [part, pressed](cairo_t* cr) { drawSegment(cr, part, pressed); };
}

}  // namespace

bool writeToolkitPictures(const std::string& dir, std::string& error)
{
    const std::vector<Picture> pictures = {
        {"Wood_Mask_50x50.png", 50, 50, drawWoodMask},
        {"Wood_Highlight_50x50.png", 50, 50, drawWoodHighlight},
        {"MenuShadow_100x100.png", 100, 100, drawMenuShadow},
        {"Divider_245x3.png", 245, 3, drawDivider},
        {"Button_shrunk_25x41.png", 25, 41, greyButton(25, 41, 10)},
        {"Button_Large_shrunk_30x45.png", 30, 45, greyButton(30, 45, 12)},
        {"Button_SmallRounded_shrunk_20x30.png", 20, 30, greyButton(20, 30, 7)},
        {"SmallRounded_30x30.png", 30, 30, greyButton(30, 30, 12)},
        {"Back_30x30.png", 30, 30, drawBackButton},
        {"GreenButton_25x25.png", 25, 25, drawGreenButton},
        {"Left_69x30.png", 69, 30, segment(0, false)},
        {"Middle_69x30.png", 69, 30, segment(1, false)},
        {"Right_69x30.png", 69, 30, segment(2, false)},
        {"Left_69x30_down.png", 69, 30, segment(0, true)},
        {"Middle_69x30_down.png", 69, 30, segment(1, true)},
        {"Right_69x30_down.png", 69, 30, segment(2, true)},
        {"FieldBackground_281x47.png", 281, 47, drawFieldBackground},
        {"OnOffSlider_145x25.png", 145, 25, [](cairo_t* cr) { drawSwitchStrip(cr, true); }},
        {"BlankSwitch.png", 145, 25, [](cairo_t* cr) { drawSwitchStrip(cr, false); }},
        {"OnOffMask_92x25.png", 92, 25, drawSwitchMask},
        {"OnOffHighlightShadow_92x27.png", 92, 27, drawSwitchGloss},
        {"Button_28x28.png", 28, 28, drawSliderKnob},
        {"Left_140x9.png", 140, 9, drawSliderFill},
        {"InstructionBubble_50x50_inverted.png", 50, 50, drawInstructionBubble},
        {"Border_273x132.png", 273, 132, drawTipBorder},
        {"TipIcon_23x22.png", 23, 22, drawTipIcon},
        {"Arrow_10x5.png", 10, 5, drawPageArrow},
        {"PageDot_4x4.png", 4, 4, drawPageDot},
        {"PeriodBackground_284x46.png", 284, 46, drawPeriodBar},
        {"Overlay_shrunk.png", kListOverlaySize, kListOverlaySize, drawListOverlay},
        {"HighScoreShadow_shrunk.png", kListShadowWidth, kListShadowHeight, drawListTopShadow},
        {"ShadowHighlight_shrunk.png", kWindowGlassSize, kWindowGlassSize, drawWindowGlass},
    };
    return writeAll(dir, pictures, error);
}
