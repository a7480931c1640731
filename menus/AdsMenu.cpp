#include "menus/AdsMenu.h"

#include "Core/Language.h"
#include "Core/Platform.h"
#include "graphics/Texture.h"
#include "menus/GreenButton.h"
#include "menus/Screenshot.h"
#include "menus/ScreenshotShadow.h"
#include "platform/ServerAddresses.h"
#include "ui/ShadowedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

const char* const AdsMenu::kFirstQuote = "Polished down to the last marble: Marbix is a small puzzle classic.";
const char* const AdsMenu::kSecondQuote =
    "Marbix is beautiful and dangerously addictive... I expect it to be one of the most played puzzle games "
    "of the year.";
const char* const AdsMenu::kFirstSite = "Desktop Puzzler Monthly";
const char* const AdsMenu::kSecondSite = "Pixeljar";

namespace {

const char* const kTitlePicture = "MarbixTitle_243x110.png";
const char* const kIconPicture = "MarbixIcon_57x86.png";
const char* const kScreenshotPictures[] = {"MarbixSS1.PNG", "MarbixSS2.PNG", "MarbixSS3.PNG"};
const char* const kStarPicture = "Star_14x14.png";
const int kStars = 5;
const int kQuoteFontSize = 11;
const int kSiteFontSize = 9;
const int kDescriptionWidth = 190;
const int kDescriptionHeight = 62;
const int kStoreButtonExtraWidth = 150;
const int kStoreButtonFontSize = 13;

}  // namespace

AdsMenu::AdsMenu() : TiledMenu(512, 512, -1, -1)
{
    build(0, true, 50);
}

void AdsMenu::addScreenshots(int row, const Ref<Texture>& shadow)
{
    addHorizontalSpace(row, 22);
    for (int i = 0; i < 3; i++) {
        if (i > 0)
            addHorizontalSpace(row, 16);
        ViewChild* child = addElement(-1, row, false);
        Screenshot* screenshot = new Screenshot(new Bitmap(kScreenshotPictures[i], 1.0f, true), shadow);
        child->element.reset(screenshot);
    }
}

void AdsMenu::addQuoteSource(int row, int indent, const char* site, int boxWidth)
{
    addHorizontalSpace(row, indent);
    const String label = String(site) + " - ";
    addLabel(row, label.c_str(), boxWidth, 16, false, kSiteFontSize);
    for (int i = 0; i < kStars; i++)
        addImageElement(-1, kStarPicture, row, false);
}

void AdsMenu::addContents()
{
    addVerticalSpace(0, 6);
    addBackButton(kTagBack, 1, false);
    addVerticalSpace(2, 8);

    ViewChild* title = addElement(-1, 3, true);
    title->element.reset(new ImageElement(new Bitmap(kTitlePicture, 1.0f, true), ImageElement::ModePremultiplied));
    title->centred = 1;
    addVerticalSpace(3, 70);

    addHorizontalSpace(4, 7);
    addImageElement(-1, kIconPicture, 4, true);
    addHorizontalSpace(4, 72);
    TextStyle centred = defaultTextStyle();
    centred.align = 1;
    SpriteRef description;
    renderTextIntoTexture(&description, &atlas, getText(205).c_str(), kDescriptionWidth, kDescriptionHeight,
                          kQuoteFontSize, centred);
    addElement(-1, 4, false)->element.reset(new IndexElement(description, false));
    addVerticalSpace(5, 10);

    {
        // Made once for the page; the screenshots hold it from here on.
        Ref<Texture> shadow(new Texture(makeScreenshotShadowBitmap(), false, false));
        addScreenshots(6, shadow);
    }
    addVerticalSpace(7, 12);

    addLabel(8, kFirstQuote, 250, 32, true, kQuoteFontSize);
    addQuoteSource(9, 35, kFirstSite, 127);
    addVerticalSpace(10, 8);
    addLabel(11, kSecondQuote, 250, 48, true, kQuoteFontSize);
    addQuoteSource(12, 70, kSecondSite, 64);
    addVerticalSpace(13, 11);

    ViewChild* store = addElement(kTagStore, 14, false);
    store->element.reset(
        new GreenButton(&atlas, getText(206).c_str(), kStoreButtonExtraWidth, kStoreButtonFontSize));
    store->centred = 1;
    store->tappable = 1;
    store->hitMarginX = 5;
    store->hitMarginY = 5;
    addVerticalSpace(15, 9);
}

int AdsMenu::handleTouch(int phase, int x, int y)
{
    const int tag = TiledMenu::handleTouch(phase, x, y);
    if (tag == kTagStore)
        launchBrowser(gOtherGameStoreLink);
    return tag;
}
