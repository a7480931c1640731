// The row factories of TiledMenu: each makes one element, draws its picture into the menu's atlas and puts it
// in a cell of a row.
#include "ui/TiledMenu.h"

#include <algorithm>
#include <cstdio>

#include "graphics/Texture.h"
#include "ui/BackButton.h"
#include "ui/EngravedText.h"
#include "ui/ImageElement.h"
#include "ui/IndexElement.h"
#include "ui/MainHeading.h"
#include "ui/MenuTextStyle.h"
#include "ui/ShadowedText.h"
#include "ui/TextEntryField.h"

namespace {

const int kTextLineWidth = 128;
const int kParagraphSize = 13;
const int kParagraphMaxHeight = 1024;
const char* const kNumberFont = "AmericanTypewriter-Bold";

// Button rows: the room of the frame, the space between two buttons and the widths they start from.
const int kRowRoom = 228;
const int kRowRoomTight = 239;
const int kRowSpaceBudget = 250;
const int kRowOverflowLimit = 236;
const int kButtonSpace = 22;
const int kNarrowSpace = 11;
const int kMinCaptionRoom = 103;
const int kMinButtonWidth = 125;
const int kPairWidthBudget = 353;
const int kButtonEnds = 22;
const int kStackGap = 4;
const int kMaxMarginCut = 4;
const int kMarginCutSteps = 19;
const int kSpaceCut = 8;
const float kDimmedCaption = 0.7f;

int measureCaption(const char* caption, int fontSize)
{
    return menuTextWidth(caption ? caption : "", fontSize);
}

TextStyle alignedStyle(bool centred)
{
    TextStyle style = defaultTextStyle();
    style.align = centred ? 1 : 0;
    return style;
}

}  // namespace

int textLinePictureHeight(int fontSize)
{
    // The row keeps fontSize + 2; the picture holds the font's whole height, descenders included.
    return fontSize + 2 + fontSize / 3;
}

ButtonPairLayout layoutButtonPair(int w1, int w2, int w1At14, int w2At14)
{
    ButtonPairLayout out;
    const int S = std::max(w1, kMinCaptionRoom) + std::max(w2, kMinCaptionRoom);
    if (S + kButtonSpace <= kRowRoom)
        return out;
    out.space = S + kButtonSpace > kRowRoomTight ? kNarrowSpace : kRowSpaceBudget - (S + kButtonSpace);
    if (out.space + S <= kRowRoom)
        return out;
    out.minWidth = kPairWidthBudget - (out.space + S);
    const int least = out.minWidth - kButtonEnds;
    if (std::max(w1, least) + out.space + std::max(w2, least) <= kRowRoom)
        return out;

    int t = std::max(w1At14, least) + out.space + std::max(w2At14, least);
    out.fontSizeDelta = -1;
    if (t <= kRowRoom) {
        out.space += kRowRoom - t;
        return out;
    }
    const int over = t - kRowRoom;
    if (over <= kMarginCutSteps) {
        out.extraMargin = -(over / 4);
        t -= 4 * (over / 4);
    } else {
        out.extraMargin = -kMaxMarginCut;
        t -= 4 * kMaxMarginCut;
    }
    out.space -= t > kRowOverflowLimit ? kSpaceCut : t - kRowRoom;
    return out;
}

int TiledMenu::paragraphFontSize(const char* text, int width, int height)
{
    if (height == -1)
        return kParagraphSize;
    TextSize size{0, 0};
    measureWrappedText(&size, text, kParagraphSize, defaultTextStyle(), width, kParagraphMaxHeight);
    if (size.height <= height)
        return kParagraphSize;
    measureWrappedText(&size, text, kParagraphSize - 1, defaultTextStyle(), width, kParagraphMaxHeight);
    return size.height > height ? kParagraphSize - 2 : kParagraphSize - 1;
}

ViewChild* TiledMenu::addTextLine(const char* text, int row, int fontSize)
{
    ViewChild* child = addElement(-1, row, false);
    if (!child)
        return nullptr;
    SpriteRef picture;
    makeTextTexture(&picture, &atlas, text, kTextLineWidth, textLinePictureHeight(fontSize), fontSize,
                    alignedStyle(true));
    IndexElement* line = new IndexElement(picture, true);
    line->layoutHeight = fontSize + 2;
    child->element.reset(line);
    child->centred = 1;
    return child;
}

ViewChild* TiledMenu::addTextParagraph(int row, const char* text, int width, int height, bool centred, bool fit)
{
    ViewChild* child = addElement(-1, row, false);
    if (!child)
        return nullptr;
    const int fontSize = fit ? paragraphFontSize(text, width, height) : kParagraphSize;
    SpriteRef picture;
    makeTextTexture(&picture, &atlas, text, width, height, fontSize, alignedStyle(centred));
    child->element.reset(new IndexElement(picture, true));
    child->centred = centred ? 1 : 0;
    return child;
}

ViewChild* TiledMenu::addLabel(int row, const char* text, int width, int height, bool centred, int fontSize)
{
    ViewChild* child = addElement(-1, row, false);
    if (!child)
        return nullptr;
    SpriteRef picture;
    renderTextIntoTexture(&picture, &atlas, text, width, height, fontSize, alignedStyle(centred));
    child->element.reset(new IndexElement(picture, false));
    child->centred = centred ? 1 : 0;
    return child;
}

ViewChild* TiledMenu::addNumber(int row, int value, int width, int height, int fontSize, bool centred, bool floating)
{
    ViewChild* child = addElement(-1, row, floating);
    if (!child)
        return nullptr;
    char digits[16];
    snprintf(digits, sizeof digits, "%d", value);
    Ref<Texture> texture(new Texture(digits, width, height, centred ? 1 : 0, kNumberFont, fontSize, 0, 1.0f, false,
                                     nullptr, false, true, 0));
    child->element.reset(new ImageElement(texture, Ref<Texture>()));
    child->centred = centred ? 1 : 0;
    return child;
}

ViewChild* TiledMenu::addHeading(const char* text, int row)
{
    ViewChild* child = addElement(-1, row, false);
    if (!child)
        return nullptr;
    child->element.reset(new MainHeading(&atlas, text));
    child->centred = 1;
    return child;
}

ViewChild* TiledMenu::addBackButton(int tag, int row, bool floating)
{
    ViewChild* child = addElement(tag, row, floating);
    if (!child)
        return nullptr;
    child->element.reset(new BackButton(&atlas));
    child->tappable = 1;
    child->hitMarginX = 5;
    child->hitMarginY = 5;
    return child;
}

ViewChild* TiledMenu::addButtonAt(int row, int tag, const char* caption, bool centred, const ButtonOptions& options)
{
    ViewChild* child = addElement(tag, row, false);
    if (!child)
        return nullptr;
    child->element.reset(new Button(&atlas, caption, options));
    child->centred = centred ? 1 : 0;
    child->tappable = 1;
    child->hitMarginX = 0;
    child->hitMarginY = 2;
    return child;
}

ViewChild* TiledMenu::addButton(int tag, int row, const char* caption, bool centred, ButtonOptions options)
{
    return addButtonAt(row, tag, caption, centred, options);
}

void TiledMenu::addSideBySideButtons(int row, const char* caption1, const char* caption2, int tag1, int tag2,
                                     ButtonOptions options)
{
    const ButtonPairLayout pair =
        layoutButtonPair(measureCaption(caption1, 15), measureCaption(caption2, 15), measureCaption(caption1, 14),
                         measureCaption(caption2, 14));
    options.style = ButtonStyleFitted;
    options.minWidth = pair.minWidth;
    options.fontSizeDelta = pair.fontSizeDelta;
    options.extraMargin = pair.extraMargin;
    addButtonAt(row, tag1, caption1, false, options);
    addHorizontalSpace(row, pair.space);
    options.captionOpacity = 1.0f;
    addButtonAt(row, tag2, caption2, false, options);
}

void TiledMenu::addButtonRow(int* row, const char* caption1, const char* caption2, const char* caption3,
                             bool stacked, int tag1, int tag2, bool dimFirst)
{
    ButtonOptions options;
    options.chevron = 0;
    options.captionOpacity = dimFirst ? kDimmedCaption : 1.0f;
    if (stacked || caption3) {
        options.style = ButtonStyleLarge;
        options.minWidth = kMinButtonWidth;
        const char* captions[3] = {caption1, caption2, caption3};
        const int tags[3] = {tag1, tag2, 2};
        for (int i = 0; i < 3; i++) {
            if (i > 0 && captions[i]) {
                addHorizontalSpace(*row, kButtonSpace);
            }
            if (i == 0 || captions[i])
                addButtonAt(*row, tags[i], captions[i], true, options);
            options.captionOpacity = 1.0f;
            if (i < 2) {
                addVerticalSpace(*row + 1, kStackGap);
                *row += 2;
            }
        }
        *row += 1;
        return;
    }
    if (!caption2) {
        options.style = ButtonStyleFitted;
        options.minWidth = kMinButtonWidth;
        addButtonAt(*row, tag1, caption1, true, options);
        *row += 1;
        return;
    }
    addSideBySideButtons(*row, caption1, caption2, tag1, tag2, options);
    *row += 1;
}

TextEntryField* TiledMenu::addTextEntryField(int row, const char* label, const char* text, bool readOnly)
{
    ViewChild* child = addElement(-1, row, false);
    if (!child)
        return nullptr;
    TextEntryField* entry = new TextEntryField(&atlas, label, text, readOnly);
    child->element.reset(entry);
    child->centred = 1;
    return entry;
}
