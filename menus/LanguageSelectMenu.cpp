#include "menus/LanguageSelectMenu.h"

#include "Core/Language.h"
#include "board/ScoreBoard.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "menus/MenuHostI.h"
#include "ui/ImageElement.h"

namespace {

const int kHeadingText = 30;
const int kLanguageOkText = 0;
const int kFrameMinimum = 70;

// The shadow over the flags is the frame picture's shape in black.
void blacken(Bitmap* bitmap)
{
    for (int y = 0; y < bitmap->height; y++)
        for (int x = 0; x < bitmap->width; x++) {
            RGBA& p = bitmap->at(x, y);
            p.r = p.g = p.b = 0;
        }
}

}  // namespace

LanguageSelectMenu::LanguageSelectMenu(MenuHostI* menuHost, bool launchBehind)
    : TiledMenu(512, 512, -1, -1), host(menuHost), showLaunchImage(launchBehind), carousel(&atlas)
{
    build(0, true, kFrameMinimum);
    if (showLaunchImage)
        launchImage.reset(new Texture("Default.png", 1.0f, false));
}

void LanguageSelectMenu::addPlate(int row)
{
    ViewChild* plate = addElement(-1, row, false);
    if (!plate)
        return;
    plate->element.reset(new ImageElement(
        loadCentreResizedBitmap("BtCSliderBackground_248x78.png", kPlateTaller, kPlateWider),
        ImageElement::ModePremultiplied));
    plate->centred = 1;
    plateChild = inner.children.size() - 1;
}

void LanguageSelectMenu::addContents()
{
    addVerticalSpace(0, 4);
    addVerticalSpace(1, 10);
    addHeading(getText(kHeadingText).c_str(), 2);
    addVerticalSpace(3, 23);
    addPlate(4);
    Bitmap* shadow = loadCentreResizedBitmap("BtC_Slider_Shadow_248x77.png", kPlateTaller, kPlateWider);
    blacken(shadow);
    carousel.shadow = atlas.addBitmap(shadow, true, 1);
    addVerticalSpace(5, 16);
    addButton(kOkTag, 6, getText(kLanguageOkText).c_str(), true, ButtonOptions());
    addVerticalSpace(7, 9);
}

int LanguageSelectMenu::render()
{
    if (launchImage) {
        DrawParams opaque;
        opaque.blendMode = BlendOpaque;
        drawTexture(launchImage.get(), 0, 0, opaque);
    }
    TiledMenu::render();
    carousel.draw(plateChild >= 0 ? inner.children[plateChild].y : 0);
    return carousel.scroller.isMoving() ? 1 : 0;
}

int LanguageSelectMenu::handleTouch(int phase, int x, int y)
{
    const int tag = TiledMenu::handleTouch(phase, x, y);
    carousel.handleTouch(phase, x, y);
    if (tag == -1)
        return -1;
    setLanguage(carousel.selectedLanguage());
    gScoreBoard.reset();
    host->languageChanged();
    return tag;
}
