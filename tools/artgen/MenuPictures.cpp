#include "MenuPictures.h"

#include "Canvas.h"
#include "MenuButtons.h"
#include "MenuPanels.h"
#include "Flags.h"
#include "MenuSwitches.h"
#include "ModeTiles.h"
#include "ThemeMiniatures.h"

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

// The same drawing shrunk into a smaller picture.
std::function<void(cairo_t*)> shrunk(double scale, std::function<void(cairo_t*)> draw)
{
    return [scale, draw](cairo_t* cr) {
        cairo_scale(cr, scale, scale);
        draw(cr);
    };
}

std::function<void(cairo_t*)> modeTile(ModePicture mode)
{
    return [mode](cairo_t* cr) { drawModeTile(cr, mode); };
}

std::function<void(cairo_t*)> difficulty(int level)
{
    return [level](cairo_t* cr) { drawDifficultyTile(cr, level); };
}

std::function<void(cairo_t*)> themePreview(int theme)
{
    return [theme](cairo_t* cr) { drawThemePreview(cr, theme); };
}

std::function<void(cairo_t*)> flag(FlagOf country)
{
    return [country](cairo_t* cr) { drawFlag(cr, country); };
}

std::function<void(cairo_t*)> screenshot(int n)
{
    return [n](cairo_t* cr) { drawMarbixScreenshot(cr, n); };
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

bool writeScreenPictures(const std::string& dir, std::string& error)
{
    const double small = static_cast<double>(kSmallDifficultySize) / 64;
    const int w = kThemePreviewWidth, h = kThemePreviewHeight;
    const int sw = kScreenshotWidth, sh = kScreenshotHeight;
    const std::vector<Picture> pictures = {
        {"Arcade_60x65.png", 60, 65, modeTile(ModePicture::Arcade)},
        {"Free_60x65.png", 60, 65, modeTile(ModePicture::FreePlay)},
        {"BtC_60x65.png", 60, 65, modeTile(ModePicture::Frenzy)},
        {"Challenge.png", 60, 65, modeTile(ModePicture::Challenge)},
        {"Easy_64x64.png", 64, 64, difficulty(0)},
        {"Medium_64x64.png", 64, 64, difficulty(1)},
        {"Hard_64x64.png", 64, 64, difficulty(2)},
        {"Easy_small.png", kSmallDifficultySize, kSmallDifficultySize, shrunk(small, difficulty(0))},
        {"Medium_small.png", kSmallDifficultySize, kSmallDifficultySize, shrunk(small, difficulty(1))},
        {"Hard_small.png", kSmallDifficultySize, kSmallDifficultySize, shrunk(small, difficulty(2))},
        {"NewStar_26x26.png", 26, 26, drawNewStar},
        {"BtCSliderBackground_248x78.png", 248, 78, drawLevelSliderPlate},
        {"BtC_Slider_Shadow_248x77.png", 248, 77, drawLevelSliderShadow},
        {"Default_136x195.png", w, h, themePreview(0)},
        {"Soccer_136x195.png", w, h, themePreview(1)},
        {"Fruit_136x195.png", w, h, themePreview(2)},
        {"Panda_136x195.png", w, h, themePreview(3)},
        {"Turtle_136x195.png", w, h, themePreview(4)},
        {"Marble_136x195.png", w, h, themePreview(5)},
        {"GrassTile_176x217.png", 176, 217, drawGrassTile},
        {"gb.png", kFlagWidth, kFlagHeight, flag(FlagOf::Britain)},
        {"de.png", kFlagWidth, kFlagHeight, flag(FlagOf::Germany)},
        {"es.png", kFlagWidth, kFlagHeight, flag(FlagOf::Spain)},
        {"fr.png", kFlagWidth, kFlagHeight, flag(FlagOf::France)},
        {"it.png", kFlagWidth, kFlagHeight, flag(FlagOf::Italy)},
        {"MarbixTitle_243x110.png", 243, 110, drawMarbixTitle},
        {"MarbixIcon_57x86.png", 57, 86, drawMarbixIcon},
        {"MarbixSS1.PNG", sw, sh, screenshot(1)},
        {"MarbixSS2.PNG", sw, sh, screenshot(2)},
        {"MarbixSS3.PNG", sw, sh, screenshot(3)},
        {"Star_14x14.png", 14, 14, drawRatingStar},
    };
    return writeAll(dir, pictures, error);
}
